#!/usr/bin/env python3
"""The Wi-Fi password in no output, log or file but the owner-only settings
files and the values a user asks for by name: through tolvoctl (every
command, see check_tolvoctl.py), through the Ansible collection
(ansible/check_leaks.py: the playbook with -vvv, the modules' syslog, the
fact cache) and through the window's failure boxes and their details
(test_window_tools noBoxShowsThePassword). Fails while any of them shows it.

usage: check_password_leaks.py TOLVOCTL TOLVO_SIM TEST_WINDOW_TOOLS COLLECTIONS_FOLDER
"""
import os
import pathlib
import subprocess
import sys
import tempfile

import check_tolvoctl

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "ansible"))
from harness import Checks  # noqa: E402 (the playbook tests' own, beside this folder)


def passed(checks, name, command, environment=None):
    """Runs a test program of its own; a check that it passed."""
    run = subprocess.run(command, capture_output=True, text=True, errors="backslashreplace",
                         env=environment, timeout=900)
    return checks(name, run.returncode == 0, (run.stdout + run.stderr)[-4000:])


def main():
    tolvoctl, sim, window_test = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:4])
    collections = str(pathlib.Path(sys.argv[4]).resolve())
    checks = Checks()
    work = pathlib.Path(tempfile.mkdtemp())
    check_tolvoctl.check(checks, tolvoctl, sim, work)
    passed(checks, "the Ansible collection: the password in no output, log, fact or file",
           [sys.executable, str(HERE.parent / "ansible" / "check_leaks.py"), tolvoctl, sim, collections])
    passed(checks, "the window: the password in no box and no box's details",
           [window_test, "noBoxShowsThePassword"],
           # addresses of its own: test_window_tools may run beside it (ctest -j)
           dict(os.environ, QT_QPA_PLATFORM="offscreen", TOLVO_TEST_ADDRESS="127.0.13.0"))
    return checks.finish(work)


if __name__ == "__main__":
    sys.exit(main())
