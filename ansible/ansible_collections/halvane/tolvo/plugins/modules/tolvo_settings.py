#!/usr/bin/python
# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: tolvo_settings
short_description: Make a Tolvo-S module hold the given settings
version_added: 1.0.0
description:
  - Reads the module's settings with C(tolvoctl) on the control node, sends only those that
    differ from the ones given (C(tolvoctl restore --only-changed)), has the module apply them,
    and reads every one back.
  - Reports C(changed) only when something was sent; a second run with the same settings
    changes nothing.
  - Every value is checked first, with the rules of C(tolvoctl check); an invalid one fails the
    task before anything is sent.
  - Run it on the control node (C(delegate_to) set to C(localhost), or C(connection) set to C(local)); the
    C(tolvoctl) program must be there.
options:
  settings:
    description:
      - The settings, each KEY with its VALUE, the keys as the module names them (C(CHANNEL),
        C(SSID), C(RS232 baudrate), ...). Values are taken as text.
      - Where a key is also in I(src), this value wins.
      - A C(PASSWORD) given here is moved to I(password) before the module runs, so that Ansible
        never logs its value; the other values are logged as given.
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
extends_documentation_fragment:
  - halvane.tolvo.tolvoctl
notes:
  - Supports check mode (nothing is sent; the changes that would be made are reported) and diff
    mode (before and after of each changed key; the password is shown as asterisks).
  - One of I(settings), I(src) and I(password) is required.
  - The password is shown as asterisks in every result, message and diff.
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
  delegate_to: localhost

- name: One setting
  halvane.tolvo.tolvo_settings:
    address: 192.168.1.50
    settings:
      CHANNEL: 11
  delegate_to: localhost
'''

RETURN = r'''
changes:
  description: The keys that differed and were sent (or would be, in check mode).
  returned: success
  type: list
  elements: str
  sample: ["CHANNEL", "DEVICEID"]
applied:
  description: Whether the module confirmed that it applied the settings (false when nothing was sent, or in check mode).
  returned: success
  type: bool
  sample: true
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.halvane.tolvo.plugins.module_utils.tolvoctl import (
    COMMON_ARGUMENTS, PASSWORD_KEY, Tolvoctl, masked, setting_text)

import io
import json


def wanted_settings(module):
    """The settings to hold: src's, then password and settings over them, all
    as text."""
    wanted = {}
    if module.params['src']:
        try:
            with io.open(module.params['src'], encoding='utf-8') as stream:
                wanted.update(json.load(stream).get('settings', {}))
        except (IOError, OSError, ValueError, AttributeError) as error:
            module.fail_json(msg='%s: %s' % (module.params['src'], error))
    if module.params['password'] is not None:
        wanted[PASSWORD_KEY] = module.params['password']
    for key, value in (module.params['settings'] or {}).items():
        wanted[key] = setting_text(value)
    return wanted


def main():
    arguments = dict(COMMON_ARGUMENTS, settings=dict(type='dict'), src=dict(type='path'),
                     password=dict(type='str', no_log=True))
    module = AnsibleModule(argument_spec=arguments, supports_check_mode=True,
                           required_one_of=[('settings', 'src', 'password')])
    tool = Tolvoctl(module)
    wanted = wanted_settings(module)

    # Every value checked before anything is sent.
    path = tool.settings_file(wanted)
    check = tool.run(['check', path], statuses=(0, 2))
    if not check['valid']:
        module.fail_json(msg='Invalid settings, nothing was sent: ' + ' '.join(check['problems']),
                         problems=check['problems'])

    held = tool.read()
    changes = sorted(key for key, value in wanted.items() if held.get(key) != value)
    result = dict(changed=bool(changes), changes=changes, applied=False)
    if module._diff and changes:
        result['diff'] = dict(before=masked(dict((k, held.get(k)) for k in changes)),
                              after=masked(dict((k, wanted[k]) for k in changes)))
    if not changes or module.check_mode:
        module.exit_json(**result)

    document = tool.run(['restore', tool.address, path, '--only-changed'], statuses=(0, 1, 3))
    device = document['devices'][0]
    if not device.get('ok'):
        module.fail_json(msg='%s: %s' % (tool.address, device.get('error')), **result)
    not_kept = device.get('notKept', [])
    if not_kept:
        module.fail_json(msg='The module did not keep: ' + ', '.join(
            '%s (sent "%s", holds "%s")' % (row['key'], masked({row['key']: row['sent']})[row['key']],
                                            masked({row['key']: row['device']})[row['key']])
            for row in not_kept), not_kept=[row['key'] for row in not_kept], **result)
    result['applied'] = device.get('applyConfirmed', False)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
