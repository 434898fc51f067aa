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
extends_documentation_fragment:
  - halvane.tolvo.tolvoctl
notes:
  - Supports check mode (it reads in check mode too).
  - The password is returned as the module holds it.
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
'''

RETURN = r'''
settings:
  description: The 25 settings, KEY to value, as the module holds them.
  returned: success
  type: dict
  sample: {"SERIALN": "TS-240117-0042", "CHANNEL": "6", "SSID": "TolvoNet"}
ansible_facts:
  description: The same settings as the fact C(tolvo_settings).
  returned: success
  type: dict
  contains:
    tolvo_settings:
      description: The 25 settings.
      type: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.halvane.tolvo.plugins.module_utils.tolvoctl import (
    COMMON_ARGUMENTS, Tolvoctl)


def main():
    module = AnsibleModule(argument_spec=dict(COMMON_ARGUMENTS), supports_check_mode=True)
    settings = Tolvoctl(module).read()
    module.exit_json(changed=False, settings=settings, ansible_facts=dict(tolvo_settings=settings))


if __name__ == '__main__':
    main()
