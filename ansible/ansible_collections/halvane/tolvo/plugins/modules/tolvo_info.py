# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# The documentation of tolvo_info, which its action plugin carries out.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: tolvo_info
short_description: Read the 25 settings of a Tolvo-S module
version_added: 1.0.0
description:
  - Reads every setting of the module with one run of C(tolvoctl get) on the control node and
    returns them, also as the fact C(tolvo_settings). Read-only; never reports C(changed).
  - A module that cannot be reached at all makes its host B(unreachable); one that fails
    later fails the task.
  - The work is done by the action plugin in Ansible's worker on the control node; no module is
    shipped, so neither C(delegate_to) nor C(connection) is needed.
options:
  show_password:
    description:
      - Return the setting C(PASSWORD) in I(settings) as the module holds it. By default it is
        returned as asterisks (C(********)), so that C(-v) output and registered results do not
        hold it.
      - The fact C(tolvo_settings) has it as asterisks either way, since a fact cache keeps facts
        on disk.
    type: bool
    default: false
    version_added: 1.1.0
extends_documentation_fragment:
  - halvane.tolvo.tolvoctl
notes:
  - Supports check mode (it reads in check mode too).
  - The password is returned as asterisks unless I(show_password) is set; in the fact, always.
seealso:
  - module: halvane.tolvo.tolvo_settings
author:
  - Tolvo-S configuration utility developers
'''

EXAMPLES = r'''
- name: Read a module's settings
  halvane.tolvo.tolvo_info:
  register: info

- ansible.builtin.debug:
    msg: "{{ inventory_hostname }} is on channel {{ tolvo_settings.CHANNEL }}"

- name: Read a module's settings, the password too
  halvane.tolvo.tolvo_info:
    show_password: true
  register: with_password
  no_log: true
'''

RETURN = r'''
settings:
  description:
    - The 25 settings, KEY to value, as the module holds them; C(PASSWORD) as C(********) unless
      I(show_password) is set.
  returned: success
  type: dict
  sample: {"SERIALN": "TS-240117-0042", "CHANNEL": "6", "SSID": "TolvoNet"}
ansible_facts:
  description: The same settings as the fact C(tolvo_settings).
  returned: success
  type: dict
  contains:
    tolvo_settings:
      description: The 25 settings, C(PASSWORD) as asterisks.
      type: dict
'''
