# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# tolvo_info, done in the worker: one "tolvoctl get ADDRESS" and its values,
# the password masked unless show_password asks for it (never in the fact,
# which a fact cache keeps on disk).

from __future__ import absolute_import, division, print_function
__metaclass__ = type

from ansible_collections.halvane.tolvo.plugins.plugin_utils.tolvoctl import TolvoctlAction, masked


class ActionModule(TolvoctlAction):

    ARGUMENT_SPEC = dict(show_password=dict(type='bool', default=False, no_log=False))

    def work(self, params):
        status, document, stderr = self.tolvoctl(params, ['get', params['address']])
        held = self.device('get', status, document, stderr)['values']
        settings = held if params['show_password'] else masked(held)
        return dict(changed=False, settings=settings,
                    ansible_facts=dict(tolvo_settings=masked(held)))
