#!/usr/bin/python
# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: tolvo_info
short_description: Read the 25 settings of a Tolvo-S module
version_added: 1.0.0
description:
  - Reads every setting of the module with C(tolvoctl get) on the control node and returns them,
    also as the fact C(tolvo_settings). Read-only; never reports C(changed).
  - Run it on the control node (C(delegate_to) set to C(localhost), or C(connection) set to C(local)).
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
  delegate_to: localhost
  register: info

- ansible.builtin.debug:
    msg: "{{ inventory_hostname }} is on channel {{ tolvo_settings.CHANNEL }}"

- name: Read a module's settings, the password too
  halvane.tolvo.tolvo_info:
    show_password: true
  delegate_to: localhost
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

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.halvane.tolvo.plugins.module_utils.tolvoctl import (
    COMMON_ARGUMENTS, Tolvoctl, masked)


def main():
    arguments = dict(COMMON_ARGUMENTS, show_password=dict(type='bool', default=False, no_log=False))
    module = AnsibleModule(argument_spec=arguments, supports_check_mode=True)
    held = Tolvoctl(module).read()
    settings = held if module.params['show_password'] else masked(held)
    module.exit_json(changed=False, settings=settings, ansible_facts=dict(tolvo_settings=masked(held)))


if __name__ == '__main__':
    main()
