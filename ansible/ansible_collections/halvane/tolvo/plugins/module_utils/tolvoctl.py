# -*- coding: utf-8 -*-
# Running tolvoctl on the control node and reading its --json output, for
# the modules of this collection.
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os
import tempfile

from ansible.module_utils.six import string_types

# The --json schema versions these modules read (docs/json-output.md).
SCHEMA_VERSIONS = (1,)
SETTINGS_FORMAT = 'tolvo-s-settings'
PASSWORD_KEY = 'PASSWORD'
MASK = '********'

COMMON_ARGUMENTS = dict(
    address=dict(type='str'),
    port=dict(type='int', default=4070),
    timeout=dict(type='int', default=5000),
    tolvoctl=dict(type='path', default='tolvoctl'),
)


def setting_text(value):
    """A setting's value as the module takes it: text as it is, anything else
    as JSON writes it (11, true)."""
    return value if isinstance(value, string_types) else json.dumps(value).strip('"')


def masked(values):
    """The values with the password's replaced by asterisks."""
    return dict((key, MASK if key == PASSWORD_KEY else value) for key, value in values.items())


class Tolvoctl(object):
    """tolvoctl for one device, as the module's parameters name it."""

    def __init__(self, module):
        self.module = module
        self.address = module.params['address']
        if not self.address:
            module.fail_json(msg='address is needed (it defaults to ansible_host through the '
                                 'action plugin of halvane.tolvo)')

    def run(self, arguments, statuses=(0,)):
        """Runs tolvoctl ARGUMENTS --json; its document, or the task fails."""
        params = self.module.params
        command = [params['tolvoctl']] + arguments + ['--json']
        if arguments[0] not in ('check',):
            command += ['--port', str(params['port']), '--timeout', str(params['timeout'])]
        rc, out, err = self.module.run_command(command)
        try:
            document = json.loads(out)
        except ValueError:
            # Not stdout: a document cut short may hold the password.
            self.module.fail_json(msg='tolvoctl %s: %s' % (arguments[0], err.strip() or
                                                           'no --json document (exit status %d)' % rc),
                                  rc=rc)
        if document.get('schemaVersion') not in SCHEMA_VERSIONS:
            self.module.fail_json(msg='tolvoctl speaks --json schema version %s; this collection '
                                      'reads %s' % (document.get('schemaVersion'), SCHEMA_VERSIONS))
        if rc not in statuses:
            self.module.fail_json(msg=self.failure(document, err), rc=rc)
        return document

    @staticmethod
    def failure(document, err):
        for device in document.get('devices', []):
            if not device.get('ok', True):
                return '%s: %s' % (device.get('address'), device.get('error', 'failed'))
        return err.strip() or 'tolvoctl failed'

    def read(self):
        """The device's 25 settings."""
        document = self.run(['get', self.address])
        return document['devices'][0]['values']

    def settings_file(self, settings):
        """A settings file holding settings, readable by its owner only; its path."""
        handle, path = tempfile.mkstemp(prefix='tolvo-', suffix='.json')
        with os.fdopen(handle, 'w') as stream:
            json.dump({'format': SETTINGS_FORMAT, 'version': 1, 'settings': settings}, stream)
        self.module.add_cleanup_file(path)
        return path
