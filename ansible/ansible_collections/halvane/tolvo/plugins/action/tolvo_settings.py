# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# The address defaults to the host's ansible_host, rendered (an inventory may
# give it as a template), else its inventory name: the module runs on the
# control node and cannot see the host's variables.
# The password given in settings is masked in the result's record of the
# module's arguments, which Ansible shows with -v.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

from ansible.plugins.action import ActionBase


class ActionModule(ActionBase):

    def run(self, tmp=None, task_vars=None):
        task_vars = task_vars or {}
        result = super(ActionModule, self).run(tmp, task_vars)
        arguments = dict(self._task.args)
        if not arguments.get('address'):
            host = task_vars.get('ansible_host') or task_vars.get('inventory_hostname')
            arguments['address'] = self._templar.template(host)
        module = 'halvane.tolvo.' + self._task.action.split('.')[-1]
        result.update(self._execute_module(module_name=module, module_args=arguments,
                                           task_vars=task_vars))
        settings = result.get('invocation', {}).get('module_args', {}).get('settings')
        if isinstance(settings, dict) and 'PASSWORD' in settings:
            settings['PASSWORD'] = '********'
        return result
