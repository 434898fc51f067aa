# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# The work of this collection's tasks, done in Ansible's worker process on
# the control node: the task's arguments checked, the device's address, one
# tolvoctl run with an argument list (settings on its standard input), and
# the task's result built from tolvoctl's --json document. No module is
# shipped or started, and so nothing logs the task's arguments.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import subprocess

from ansible.module_utils.common.arg_spec import ArgumentSpecValidator
from ansible.module_utils.errors import UnsupportedError
from ansible.module_utils.six import string_types
from ansible.plugins.action import ActionBase

# The --json schema versions read here (docs/json-output.md).
SCHEMA_VERSIONS = (1,)
SETTINGS_FORMAT = 'tolvo-s-settings'
PASSWORD_KEY = 'PASSWORD'
MASK = '********'
NO_LOG_SHOWN = 'VALUE_SPECIFIED_IN_NO_LOG_PARAMETER'

COMMON_ARGUMENTS = dict(
    address=dict(type='str'),
    port=dict(type='int', default=4070),
    timeout=dict(type='int', default=5000),
    tolvoctl=dict(type='path', default='tolvoctl'),
)


def setting_text(value):
    """A setting's value as text: text as it is, anything else as JSON writes
    it (11, true)."""
    return value if isinstance(value, string_types) else json.dumps(value).strip('"')


def names_password(key):
    """Whether a settings key is the password's, in any letters or blanks."""
    return str(key).strip().upper() == PASSWORD_KEY


def masked(values):
    """The values with the password's replaced by asterisks."""
    return dict((key, MASK if key == PASSWORD_KEY else value) for key, value in values.items())


def shown_arguments(params, options):
    """The arguments as a result shows them, as a module's invocation did:
    no_log options' values replaced, and the password in settings masked."""
    shown = dict(params)
    if isinstance(shown.get('settings'), dict):
        shown['settings'] = dict((key, MASK if names_password(key) else value)
                                 for key, value in shown['settings'].items())
    for name, option in options.items():
        if option.get('no_log') and shown.get(name) is not None:
            shown[name] = NO_LOG_SHOWN
    return shown


class TaskFailed(Exception):
    """The task fails (or, with unreachable, its host is unreachable) with
    msg and the result's other members."""

    def __init__(self, msg, unreachable=False, **members):
        super(TaskFailed, self).__init__(msg)
        # failed is set either way: Ansible takes a result without it and
        # with a non-zero rc as failed, which would hide unreachable.
        self.result = dict(members, msg=msg, failed=not unreachable)
        if unreachable:
            self.result['unreachable'] = True


class TolvoctlAction(ActionBase):
    """A task of this collection. A subclass gives ARGUMENT_SPEC (beside
    COMMON_ARGUMENTS), REQUIRED_ONE_OF and work(params), which returns the
    result or raises TaskFailed."""

    ARGUMENT_SPEC = {}
    REQUIRED_ONE_OF = []
    _supports_check_mode = True
    _supports_async = False

    def run(self, tmp=None, task_vars=None):
        result = super(TolvoctlAction, self).run(tmp, task_vars)
        task_vars = task_vars or {}
        options = dict(COMMON_ARGUMENTS, **self.ARGUMENT_SPEC)
        try:
            params = self.arguments(options)
            if not params.get('address'):
                params['address'] = self.default_address(task_vars)
            result['invocation'] = dict(module_args=shown_arguments(params, options))
            result.update(self.work(params))
        except TaskFailed as failure:
            result.update(failure.result)
        return result

    def arguments(self, options):
        """The task's arguments checked against options, every problem named."""
        validation = ArgumentSpecValidator(options, required_one_of=self.REQUIRED_ONE_OF).validate(
            self._task.args)
        if validation.error_messages:
            raise TaskFailed('%s: %s' % (self._task.action, '; '.join(
                ('unsupported parameters: ' if isinstance(error, UnsupportedError) else '') +
                error.msg for error in validation.errors)))
        return validation.validated_parameters

    def default_address(self, task_vars):
        """The host's ansible_host, rendered, else its inventory name. The
        task's own variables hold a delegate's ansible_host when the task is
        delegated, so then the host's own variables are asked."""
        host = task_vars.get('inventory_hostname')
        if self._task.delegate_to:
            address = task_vars.get('hostvars', {}).get(host, {}).get('ansible_host')
        else:
            address = task_vars.get('ansible_host')
        return self._templar.template(address or host)

    def tolvoctl(self, params, arguments, stdin=None):
        """Runs tolvoctl ARGUMENTS for the task's device with --json: its exit
        status and document (None when it printed none), and its stderr."""
        command = [params['tolvoctl']] + arguments + [
            '--json', '--port', str(params['port']), '--timeout', str(params['timeout'])]
        try:
            process = subprocess.run(command, input=stdin, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE,
                                     encoding='utf-8', check=False)
        except OSError as error:
            raise TaskFailed('Cannot run %s: %s' % (params['tolvoctl'], error.strerror))
        try:
            document = json.loads(process.stdout)
        except ValueError:
            # stdout is not shown: a document cut short may hold the password.
            return process.returncode, None, process.stderr.strip()
        if document.get('schemaVersion') not in SCHEMA_VERSIONS:
            raise TaskFailed('tolvoctl speaks --json schema version %s; this collection reads %s'
                             % (document.get('schemaVersion'), SCHEMA_VERSIONS))
        return process.returncode, document, process.stderr.strip()

    @staticmethod
    def device(command, status, document, stderr, **members):
        """The one device's object of a document, or TaskFailed: the device
        unreachable when it never answered, failed otherwise."""
        if document is None:
            raise TaskFailed('tolvoctl %s: %s' % (command, stderr or
                                                  'no --json document (exit status %d)' % status),
                             rc=status, **members)
        device = document['devices'][0]
        if not device.get('ok'):
            raise TaskFailed('%s: %s' % (device.get('address'), device.get('error', 'failed')),
                             unreachable=device.get('reached') is False, rc=status, **members)
        return device
