"""The Wi-Fi password through tolvoctl: every command, as it succeeds and as
it fails, plain, with --json, --trace and --dry-run, against simulated
devices that hold distinctive passwords (one that breaks the value rules,
one whose replies come out of step, one that does not keep a new password,
one that does not answer the apply), with settings files that give others;
then a search of every output and of every file written outside the
owner-only settings files. Only what `get` prints as a value may hold the
device's password: the user asked for it by name."""
import json
import subprocess

from search import found, leaks

BASE = "127.0.12."
HELD = "Zq9-Held-Pass-4471"  # the devices'
BROKEN = "Zq9-Broken-Rule-" + "x" * 100  # over the length a password may have
FILED = "Zq9-File-Pass-8812"  # in a settings file
SET = "Zq9-Set-Pass-3306"  # on tolvoctl set's command line
INVALID = "Site€Secret-2024"  # not Latin-1, in a settings file and on the command line
SECRETS = {"the device's password": HELD, "a password that breaks the rule": BROKEN,
           "a password from a file": FILED, "a password given to set": SET,
           "an invalid password": INVALID}


def address(n):
    return BASE + str(n)


def settings_file(path, settings):
    path.write_text(json.dumps({"format": "tolvo-s-settings", "version": 1, "settings": settings},
                               ensure_ascii=False), encoding="utf-8")
    path.chmod(0o600)
    return str(path)


class Device:
    """tolvo-sim on one loopback address, with options."""

    def __init__(self, n, folder, sim, *options):
        self.address = address(n)
        self.process = subprocess.Popen([sim, "--address", self.address, "--log",
                                         str(folder / ("sim-%d.log" % n)), *options],
                                        stdout=subprocess.PIPE, text=True)
        if "listening on" not in self.process.stdout.readline():
            raise SystemExit("tolvo-sim did not start")

    def stop(self):
        self.process.kill()
        self.process.wait()


def commands(work, good, broken, out_of_step, not_keeping, unanswered):
    """(name, arguments, whether stdout holds values asked for by name)."""
    valid = settings_file(work / "valid.json", {"PASSWORD": FILED, "CHANNEL": "9"})
    invalid = settings_file(work / "invalid.json", {"PASSWORD": INVALID})
    only_channel = settings_file(work / "channel.json", {"CHANNEL": "9"})
    history, folder = str(work / "history"), str(work / "backups")
    runs = [("get", ["get", good], True),
            ("get, a password that breaks the rule", ["get", broken, "--trace"], True),
            ("get, out of step", ["get", out_of_step, "--trace", "SSID", "PASSWORD", "IPADDRESS"], True),
            ("backup", ["backup", good, broken, "-o", folder, "--trace"], False),
            ("backup with a history", ["backup", good, broken, "-o", history, "--history"], False),
            ("diff, device and file", ["diff", good, valid, "--trace"], False),
            ("diff, two files", ["diff", valid, only_channel], False),
            ("restore, dry run", ["restore", good, valid, "--dry-run"], False),
            ("restore, dry run of changes", ["restore", good, valid, "--dry-run", "--only-changed"], False),
            ("restore", ["restore", good, valid, "--trace"], False),
            ("restore, not kept", ["restore", not_keeping, valid, "--trace"], False),
            ("restore, apply unanswered", ["restore", unanswered, valid, "--trace"], False),
            ("restore of an invalid file", ["restore", good, invalid], False),
            ("set", ["set", good, "PASSWORD=" + SET, "--trace"], False),
            ("set, invalid", ["set", good, "PASSWORD=" + INVALID], False),
            ("set, out of step", ["set", out_of_step, "PASSWORD=" + SET, "--trace"], False),
            ("backup with a history, changed", ["backup", good, "-o", history, "--history"], False),
            # The commissioning record of each kind of run, beside its output.
            ("backup, recorded", ["backup", good, broken, "-o", str(work / "recorded"),
                                  "--record", "record-backup.json"], False),
            ("restore, recorded", ["restore", good, not_keeping, valid, "--record",
                                   "record-restore.json", "--note", "Hall A"], False),
            ("restore, a check recorded", ["restore", good, broken, valid, "--dry-run",
                                           "--record", "record-check.json"], False),
            ("set, recorded", ["set", good, unanswered, "PASSWORD=" + SET, "--record",
                               "record-set.json"], False),
            ("check, valid", ["check", valid], False),
            ("check, invalid", ["check", invalid], False),
            ("scan", ["scan", address(1) + "-" + address(6)], False)]
    return runs + [(name + ", --json", arguments + ["--json"], asked) for name, arguments, asked in runs]


def without_values(stdout, as_json):
    """get's output without the values it was asked for."""
    if not as_json:
        return "\n".join(line for line in stdout.splitlines() if not line.startswith("PASSWORD="))
    document = json.loads(stdout)
    for device in document.get("devices", []):
        device.get("values", {}).pop("PASSWORD", None)
    return json.dumps(document, ensure_ascii=False)


def check(checks, tolvoctl, sim, work):
    devices = [Device(1, work, sim, "--set", "PASSWORD=" + HELD),
               Device(2, work, sim, "--set", "PASSWORD=" + BROKEN),
               Device(3, work, sim, "--set", "PASSWORD=" + HELD, "--set", "SSID=Net\r"),
               Device(4, work, sim, "--set", "PASSWORD=" + HELD, "--ignore-set", "PASSWORD"),
               Device(5, work, sim, "--set", "PASSWORD=" + HELD, "--apply-unanswered", "silent")]
    written = work / "written"
    written.mkdir()
    try:
        for name, arguments, asked in commands(written, *(d.address for d in devices)):
            run = subprocess.run([tolvoctl, *arguments, "--timeout", "2000"]
                                 if arguments[0] not in ("check",) else [tolvoctl, *arguments],
                                 capture_output=True, cwd=written, timeout=120)
            stdout = run.stdout
            if asked:
                stdout = without_values(stdout.decode("utf-8", "replace"), "--json" in arguments).encode()
            where = found(stdout, SECRETS) + found(run.stderr, SECRETS)
            checks("tolvoctl %s: the password in no output" % name, not where,
                   "%s\n%s" % (where, (run.stdout + run.stderr).decode("utf-8", "replace")[-3000:]))
        # What "get" was asked for it does give, so that a clean search means something.
        got = subprocess.run([tolvoctl, "get", devices[0].address, "PASSWORD"], capture_output=True)
        checks("tolvoctl get PASSWORD gives the password asked for",
               got.stdout.decode().strip() == "PASSWORD=" + SET, got.stdout + got.stderr)
        messages = subprocess.run(["git", "-C", str(written / "history"), "log", "--format=%B"],
                                  capture_output=True).stdout
        checks("the history's commit messages hold no password",
               b"PASSWORD" in messages and not found(messages, SECRETS), messages.decode()[:2000])
        # The records searched are there, each holding the password as asterisks.
        records = sorted(written.glob("record-*.json"))
        checks("tolvoctl's records were written, the password masked in each",
               len(records) == 4 and all(b'"value": "********"' in p.read_bytes() for p in records),
               [str(p) for p in records])
        where = leaks(written, SECRETS, skip=(".git",))
        checks("tolvoctl's files: the password only in owner-only settings files", not where, where)
    finally:
        for device in devices:
            device.stop()
    logs = b"".join(p.read_bytes() for p in sorted(work.glob("sim-*.log")))
    checks("the devices were asked for the password and sent new ones",
           b"get PASSWORD" in logs and b"set PASSWORD" in logs, "")
