# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# Prepares the module's arguments on the control node:
# - The address defaults to the host's ansible_host, rendered (an inventory
#   may give it as a template), else its inventory name: the module runs on
#   the control node and cannot see the host's variables.
# - A PASSWORD in settings moves to the option password, which is no_log:
#   Ansible then neither logs its value nor returns it, while the other
#   settings' values stay readable. The module puts it back.

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
            move_password(arguments)
        module = 'halvane.tolvo.' + self._task.action.split('.')[-1]
        result.update(self._execute_module(module_name=module, module_args=arguments,
                                           task_vars=task_vars))
        return result


def move_password(arguments):
    """Moves settings' PASSWORD to the option password, as text."""
    try:
        settings = dict(check_type_dict(arguments['settings']))
    except TypeError:
        return  # not a dict: the module says so
    if PASSWORD_KEY in settings:
        arguments['password'] = setting_text(settings.pop(PASSWORD_KEY))
    arguments['settings'] = settings
