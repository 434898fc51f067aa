# -*- coding: utf-8 -*-
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)
# The same address default as tolvo_settings.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

from ansible_collections.halvane.tolvo.plugins.action.tolvo_settings import ActionModule  # noqa: F401 pylint: disable=unused-import
