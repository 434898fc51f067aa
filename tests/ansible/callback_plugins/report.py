# -*- coding: utf-8 -*-
# A stdout callback for the tests: at the end of the run, one JSON document
# with each task's result per host and the run's statistics per host.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = '''
name: report
type: stdout
short_description: The run as one JSON document, for tests
description: Each task's result per host and the statistics per host, printed at the end.
'''

import json

from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'stdout'
    CALLBACK_NAME = 'report'

    def __init__(self):
        super(CallbackModule, self).__init__()
        self.tasks = []

    def v2_playbook_on_task_start(self, task, is_conditional):
        self.tasks.append({'name': task.get_name(), 'hosts': {}})

    def _record(self, result, **status):
        entry = dict(result._result, **status)
        self.tasks[-1]['hosts'][result._host.get_name()] = entry

    def v2_runner_on_ok(self, result):
        self._record(result)

    def v2_runner_on_failed(self, result, ignore_errors=False):
        self._record(result, failed=True)

    def v2_runner_on_unreachable(self, result):
        self._record(result, unreachable=True)

    def v2_playbook_on_stats(self, stats):
        hosts = sorted(stats.processed.keys())
        summary = dict((host, stats.summarize(host)) for host in hosts)
        self._display.display(json.dumps({'tasks': self.tasks, 'stats': summary}, default=str))
