# -*- coding: utf-8 -*-
# A callback for the tests: at the end of the run, one JSON document with each
# task's result per host and the run's statistics per host, written to a file;
# the output stays the default one, as a user sees it.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = '''
name: report
type: aggregate
short_description: The run as one JSON document in a file, for tests
description: Each task's result per host and the statistics per host, written at the end.
requirements:
  - enabled in callbacks_enabled
options:
  path:
    description: The file the document is written to.
    required: true
    env:
      - name: TOLVO_ANSIBLE_REPORT
'''

import json

from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'aggregate'
    CALLBACK_NAME = 'report'
    CALLBACK_NEEDS_ENABLED = True

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

    def v2_runner_on_skipped(self, result):
        self._record(result, skipped=True)

    def v2_playbook_on_stats(self, stats):
        hosts = sorted(stats.processed.keys())
        summary = dict((host, stats.summarize(host)) for host in hosts)
        with open(self.get_option('path'), 'w') as stream:
            json.dump({'tasks': self.tasks, 'stats': summary}, stream, default=str)
