# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# Prepares the module's arguments on the control node:
# - The address defaults to the host's ansible_host, rendered (an inventory
#   may give it as a template), else its inventory name: the module runs on
#   the control node and cannot see the host's variables.
# - A PASSWORD in settings moves to the option password, which is no_log:
#   Ansible then neither logs its value nor returns it, while the other
#   settings' values stay readable. The module puts it back. A key that is
#   PASSWORD in other letters fails the task here, before the module (and
#   its log of its arguments) sees the value.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

from ansible.module_utils.common.validation import check_type_dict
from ansible.plugins.action import ActionBase
from ansible_collections.halvane.tolvo.plugins.module_utils.tolvoctl import PASSWORD_KEY, setting_text


class ActionModule(ActionBase):

    def run(self, tmp=None, task_vars=None):
        task_vars = task_vars or {}
        result = super(ActionModule, self).run(tmp, task_vars)
        arguments = dict(self._task.args)
        if not arguments.get('address'):
            host = task_vars.get('ansible_host') or task_vars.get('inventory_hostname')
            arguments['address'] = self._templar.template(host)
        if arguments.get('settings') is not None:
            error = move_password(arguments)
            if error:
                result.update(failed=True, msg=error)
                return result
        module = 'halvane.tolvo.' + self._task.action.split('.')[-1]
        result.update(self._execute_module(module_name=module, module_args=arguments,
                                           task_vars=task_vars))
        return result


def move_password(arguments):
    """Moves settings' PASSWORD to the option password, as text; a sentence
    when a key is the password's in another spelling, which would otherwise
    reach the module, and its log, as an unknown setting."""
    try:
        settings = dict(check_type_dict(arguments['settings']))
    except TypeError:
        return None  # not a dict: the module says so
    for key in settings:
        if key != PASSWORD_KEY and str(key).strip().upper() == PASSWORD_KEY:
            return ('settings: "%s" is no setting that can be written; the Wi-Fi password\'s key '
                    'is %s. Nothing was sent (its value is not shown).' % (key, PASSWORD_KEY))
    if PASSWORD_KEY in settings:
        arguments['password'] = setting_text(settings.pop(PASSWORD_KEY))
    arguments['settings'] = settings
    return None
