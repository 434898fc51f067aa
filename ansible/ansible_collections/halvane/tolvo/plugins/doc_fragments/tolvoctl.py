# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# The options every module of this collection has: where the module is, and
# the tolvoctl that talks to it.

from __future__ import absolute_import, division, print_function
__metaclass__ = type


class ModuleDocFragment(object):
    DOCUMENTATION = r'''
options:
  address:
    description:
      - The module's IPv4 address. Defaults to the host's C(ansible_host), rendered (it may be a
        template such as C({{ dev_ip }})), else the inventory name.
    type: str
  port:
    description: The module's command service port.
    type: int
    default: 4070
  timeout:
    description: Bound on each wait for the module, in milliseconds.
    type: int
    default: 5000
  tolvoctl:
    description: The C(tolvoctl) program on the control node.
    type: path
    default: tolvoctl
'''
