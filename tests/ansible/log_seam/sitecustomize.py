"""Loaded at start by every Python that has this folder on PYTHONPATH: the
leak test puts it there for ansible-playbook, and so for the modules it
runs. What the program sends to syslog, and to the journal where
python3-systemd is installed, is appended to the file TOLVO_LOG_RECORD
names (one JSON line a call) instead of the machine's log."""
import json
import os
import sys
import syslog

RECORD = os.environ.get("TOLVO_LOG_RECORD")


def record(destination, *arguments, **fields):
    line = {"to": destination, "program": os.path.basename(sys.argv[0] if sys.argv else ""),
            "arguments": [str(a) for a in arguments],
            "fields": dict((k, str(v)) for k, v in fields.items())}
    with open(RECORD, "a", encoding="utf-8", errors="backslashreplace") as stream:
        stream.write(json.dumps(line, ensure_ascii=False) + "\n")


def install():
    syslog.openlog = lambda *arguments, **fields: record("syslog.openlog", *arguments, **fields)
    syslog.syslog = lambda *arguments: record("syslog", *arguments)
    try:
        from systemd import journal
    except ImportError:
        return
    journal.send = lambda *arguments, **fields: record("journal", *arguments, **fields)
    journal.sendv = lambda *arguments: record("journal", *arguments)


if RECORD:
    install()
