# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# The documentation of tolvo_settings, which its action plugin carries out.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: tolvo_settings
short_description: Make a Tolvo-S module hold the given settings
version_added: 1.0.0
description:
  - Checks every value, reads the module's settings, sends only those that differ from the ones
    given, has the module apply them and reads them back, in one run of C(tolvoctl) on the
    control node (C(tolvoctl restore ADDRESS - --only-changed), the settings on its standard
    input) and one connection to the module.
  - Reports C(changed) only when something was sent; a second run with the same settings
    changes nothing and sends nothing.
  - An invalid value fails the task before anything is sent. A module that answers but does
    not keep a value fails the task, naming the key. A module that cannot be reached at all
    (refused, no route, no reply before the time-out) makes its host B(unreachable), as a host
    Ansible cannot log in to; C(ignore_unreachable) lets the play go on with it.
  - The work is done by the action plugin in Ansible's worker on the control node; no module is
    shipped and the host's connection is never used, so neither C(delegate_to) nor
    C(connection) is needed (both still work). The C(tolvoctl) program must be on the control
    node.
options:
  settings:
    description:
      - The settings, each KEY with its VALUE, the keys as the module names them (C(CHANNEL),
        C(SSID), C(RS232 baudrate), ...). Values are taken as text.
      - A key without a value (C(DEVICEID:) with nothing after it, which YAML reads as null)
        fails the task before anything is sent; give an empty text as C("").
      - A value with a line break or a zero character (a YAML block scalar C(|) ends its text
        with a line feed) fails every host before anything is sent, naming the key; C(|-)
        leaves the line feed out.
      - Where a key is also in I(src), this value wins.
      - A C(PASSWORD) given here is treated as I(password); its value is in no result, message,
        diff or log. A key that is C(PASSWORD) in other letters fails the task.
    type: dict
  password:
    description:
      - The setting C(PASSWORD), the module's Wi-Fi password. Ansible neither logs nor returns
        its value (C(no_log)), and masks it wherever it appears in the result.
      - A C(PASSWORD) in I(settings) replaces this value; this value replaces one in I(src).
    type: str
    version_added: 1.1.0
  src:
    description:
      - A settings file (the format of C(tolvoctl backup)) on the control node.
    type: path
  move_wait:
    description:
      - Bound, in milliseconds, on the wait for a module that the settings sent move (C(IPADDRESS),
        C(IPMASK), C(DHCP), C(SSID), C(PASSWORD), C(NTYPE)) to answer again. It is looked for at
        its new static address and its old one at once, and read back where it answers first
        (I(verified_at)). One that answers at neither fails the task, with the address it
        should be at in I(expected_at).
    type: int
    default: 60000
    version_added: 1.2.0
extends_documentation_fragment:
  - halvane.tolvo.tolvoctl
notes:
  - Supports check mode (the module is read, nothing is sent; the changes that would be made are
    reported) and diff mode (before and after of each changed key only; the password as
    asterisks on both sides, the new side marked C((changed))).
  - One of I(settings), I(src) and I(password) is required.
  - The password is shown as asterisks in every result, message and diff.
  - A module given a new address answers there from then on, and later tasks for the host must
    use it. Set C(ansible_host) from I(verified_at) (M(ansible.builtin.set_fact)) for the rest of the
    play, and change the inventory for later plays.
seealso:
  - module: halvane.tolvo.tolvo_info
author:
  - Tolvo-S configuration utility developers
'''

EXAMPLES = r'''
- name: Site settings from a shared file, each module's own name and address
  halvane.tolvo.tolvo_settings:
    src: files/site-a.json
    settings:
      DEVICEID: "{{ device_name }}"
      IPADDRESS: "{{ device_ip }}"

- name: One setting
  halvane.tolvo.tolvo_settings:
    address: 192.168.1.50
    settings:
      CHANNEL: 11

- name: Onto the site network at its planned address
  halvane.tolvo.tolvo_settings:
    settings:
      IPADDRESS: "{{ site_ip }}"
  register: moved

- name: Later tasks reach it at its new address
  ansible.builtin.set_fact:
    ansible_host: "{{ moved.verified_at }}"
'''

RETURN = r'''
changes:
  description: The keys that differed and were sent (or would be, in check mode).
  returned: success
  type: list
  elements: str
  sample: ["CHANNEL", "DEVICEID"]
not_kept:
  description: The keys the module answered but did not keep (when the task failed for that).
  returned: failure
  type: list
  elements: str
  sample: ["CHANNEL"]
unsent_changes:
  description: >-
    The keys that read otherwise after the apply though they were not sent: values that an
    earlier, interrupted write had left pending on the module, which any apply commits. The task
    is changed and warns when there are any, and the diff shows them.
  returned: always
  type: list
  elements: str
  sample: ["SSID"]
applied:
  description: Whether the module confirmed that it applied the settings (false when nothing was sent, or in check mode).
  returned: success
  type: bool
  sample: true
verified_at:
  description: >-
    The address the settings were read back at: the module's new address when they moved it and
    it was found there, else the one it was given.
  returned: when something was sent
  type: str
  sample: 10.20.0.15
expected_at:
  description: >-
    The new static address a module that the settings moved should be at, when it answered
    neither there nor at its old address within I(move_wait) (the task fails); empty where DHCP
    or another network decides its address.
  returned: failure
  type: str
  sample: 10.20.0.15
'''
