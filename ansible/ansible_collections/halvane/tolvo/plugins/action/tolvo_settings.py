# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# tolvo_settings, done in the worker: the wanted settings (src's, then
# password, then settings) go to one "tolvoctl restore ADDRESS -
# --only-changed" on its standard input, which checks every value, reads the
# device, sends what differs, applies and reads back; in check mode it only
# reads. The result comes from its --json document.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import io
import json

from ansible_collections.halvane.tolvo.plugins.plugin_utils.tolvoctl import (
    MASK, PASSWORD_KEY, SETTINGS_FORMAT, TaskFailed, TolvoctlAction, masked, names_password,
    setting_text)

# The lines tolvoctl gives for each problem of the settings it read.
PROBLEM_PREFIX = 'standard input: '
# A changed password in a diff: asterisks on both sides, and a word on the
# new side, so that the diff shows the line as changed.
CHANGED_MASK = MASK + ' (changed)'


class ActionModule(TolvoctlAction):

    ARGUMENT_SPEC = dict(settings=dict(type='dict'), src=dict(type='path'),
                         password=dict(type='str', no_log=True),
                         move_wait=dict(type='int', default=60000))
    REQUIRED_ONE_OF = [('settings', 'src', 'password')]

    def work(self, params):
        wanted = wanted_settings(params)
        arguments = ['restore', params['address'], '-', '--only-changed',
                     '--move-wait', str(params['move_wait'])]
        if self._task.check_mode:
            arguments.append('--dry-run')
        document = json.dumps({'format': SETTINGS_FORMAT, 'version': 1, 'settings': wanted})
        status, output, stderr = self.tolvoctl(params, arguments, stdin=document)
        if status == 2:
            raise TaskFailed(invalid_settings(stderr), rc=status)
        result = dict(changed=False, changes=[], unsent_changes=[], applied=False)
        # A run that failed once it had sent something may have changed the
        # module (its message says how): not "unchanged".
        devices = (output or {}).get('devices') or [{}]
        if not devices[0].get('ok', True) and devices[0].get('sent'):
            result['changed'] = True
        # Settings that moved it, and it was not seen since: where to look,
        # and whether it confirmed the apply before it went.
        if 'expectedAt' in devices[0]:
            result['expected_at'] = devices[0]['expectedAt'] or ''
            result['applied'] = devices[0].get('applyConfirmed', False)
        device = self.device('restore', status, output, stderr, **result)
        changes = device.get('changes', [])
        # Values that an earlier, interrupted write left pending on the module
        # and this task's apply committed: changed too, though not sent.
        unsent = device.get('unsentChanges', [])
        result.update(changed=bool(changes or unsent), changes=[row['key'] for row in changes],
                      unsent_changes=[row['key'] for row in unsent],
                      applied=device.get('applyConfirmed', False))
        if device.get('verifiedAt'):
            result['verified_at'] = device['verifiedAt']
        if self._task.diff and (changes or unsent):
            result['diff'] = dict(
                before=masked(dict((row['key'], row['before']) for row in changes + unsent)),
                after=dict((row['key'], CHANGED_MASK if row['key'] == PASSWORD_KEY else row['after'])
                           for row in changes + unsent))
        not_kept = device.get('notKept', [])
        if not_kept:
            raise TaskFailed('The module did not keep: ' + ', '.join(
                '%s (sent "%s", holds "%s")' % (row['key'], shown(row, 'sent'), shown(row, 'device'))
                for row in not_kept), not_kept=[row['key'] for row in not_kept], rc=status, **result)
        if unsent:
            # The settings given are held; what else changed is told, not
            # failed, so that the recap counts the change and --diff shows it.
            result['warnings'] = ['Settings that were not sent read otherwise after the apply '
                                  '(an earlier, interrupted write may have left them pending on '
                                  'the module, and any apply commits them): ' + ', '.join(
                                      '%s ("%s" before, "%s" after)' % (
                                          row['key'], shown(row, 'before'), shown(row, 'after'))
                                      for row in unsent)]
        return result


def wanted_settings(params):
    """The settings to hold, all as text: src's, then password and settings
    over them. A key that is PASSWORD in other letters fails the task: the
    device would refuse it, and its value is not shown."""
    wanted = {}
    if params['src']:
        try:
            with io.open(params['src'], encoding='utf-8') as stream:
                wanted.update(json.load(stream).get('settings', {}))
        except (IOError, OSError, ValueError, AttributeError) as error:
            raise TaskFailed('%s: %s' % (params['src'], error))
    if params['password'] is not None:
        wanted[PASSWORD_KEY] = params['password']
    for key, value in (params['settings'] or {}).items():
        if key != PASSWORD_KEY and names_password(key):
            raise TaskFailed('settings: "%s" is no setting that can be written; the Wi-Fi '
                             'password\'s key is %s. Nothing was sent (its value is not shown).'
                             % (key, PASSWORD_KEY))
        if value is None:
            # YAML gives an empty value ("DEVICEID: ") as null, which as text
            # would be "null": the device would be named so.
            raise TaskFailed('settings: %s has no value (an empty value in YAML); give its value, '
                             'in quotes for an empty text (""). Nothing was sent.' % key)
        wanted[key] = setting_text(value)
    return wanted


def invalid_settings(stderr):
    """The sentence for settings that tolvoctl refused before sending."""
    lines = stderr.splitlines()
    problems = [line[len(PROBLEM_PREFIX):] for line in lines if line.startswith(PROBLEM_PREFIX)]
    return 'Invalid settings, nothing was sent: ' + ' '.join(problems or lines)


def shown(row, side):
    return MASK if row['key'] == PASSWORD_KEY else row[side]
