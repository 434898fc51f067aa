#!/usr/bin/env python3
"""Checks the --json output of every tolvoctl command against the schema of
its version (docs/json/), on a simulator of two devices on loopback, and that
no released schema has changed since it was released; and each commissioning
record a run writes against the record's schema.

usage: check_output.py TOLVOCTL TOLVO_SIM SCHEMA_FOLDER
"""
import hashlib
import json
import pathlib
import subprocess
import sys
import tempfile

import jsonschema

# Each released schema's SHA-256. A released schema never changes: a change
# that breaks it is a new version, with a file and a line of its own here.
RELEASED = {
    1: "e66e66fd9de2b45c2f8d515a30f037eeb948c397fc54dc3e195f25ebab104497",
}
FIRST = "127.0.9.1"
SECOND = "127.0.9.2"
SILENT_ADDRESS = "127.0.9.9"  # nothing listens there
CHANNEL_3 = '{"format": "tolvo-s-settings", "version": 1, "settings": {"CHANNEL": "3"}}'


RECORD_SCHEMA = "tolvo-s-commissioning-record-v1.schema.json"


def record_problems(name, document, validator):
    """What is wrong with the record a run names: its file against the
    record's schema, and the SHA-256 given against the file's bytes."""
    record = document.get("record")
    if not record or not record["file"]:
        return []
    data = pathlib.Path(record["file"]).read_bytes()
    problems = [f"{name}: the record: {'/'.join(map(str, e.absolute_path))}: {e.message}"
                for e in validator.iter_errors(json.loads(data))]
    if hashlib.sha256(data).hexdigest() != record["sha256"]:
        problems.append(f"{name}: the record's SHA-256 is not that of its file")
    return problems


def start_simulator(sim):
    process = subprocess.Popen([sim, "--address", FIRST, "--devices", "2"],
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    for line in process.stdout:
        if "listening on" in line:
            return process
    raise SystemExit("tolvo-sim did not start")


def main():
    tolvoctl, sim, folder = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
    failures = []
    changed_schemas = 0
    for version, digest in RELEASED.items():
        schema_file = folder / f"tolvoctl-output-v{version}.schema.json"
        if hashlib.sha256(schema_file.read_bytes()).hexdigest() != digest:
            changed_schemas += 1
            failures.append(f"{schema_file.name} changed after its release: "
                            f"a change of the output needs schema version {max(RELEASED) + 1}")
    current = max(RELEASED)
    schema = json.loads((folder / f"tolvoctl-output-v{current}.schema.json").read_text())
    validators = [jsonschema.Draft202012Validator(schema)]
    # Members added within the version, described beside its released file.
    additions = folder / f"tolvoctl-output-v{current}-additions.schema.json"
    if additions.exists():
        validators.append(jsonschema.Draft202012Validator(json.loads(additions.read_text())))

    record_validator = jsonschema.Draft202012Validator(
        json.loads((folder / RECORD_SCHEMA).read_text()))

    work = pathlib.Path(tempfile.mkdtemp())
    (work / "backups").mkdir()
    (work / "bad.json").write_text('{"format": "tolvo-s-settings", "version": 1, '
                                   '"settings": {"CHANNEL": "15", "NOPE": "1"}}')
    (work / "channel.json").write_text('{"format": "tolvo-s-settings", "version": 1, '
                                       '"settings": {"CHANNEL": "6"}}')
    one = str(work / "one.json")
    runs = [
        (["get", FIRST, SECOND], {0}),
        (["get", SILENT_ADDRESS, "--timeout", "500"], {3}),
        (["backup", FIRST, "-o", one], {0}),
        # A device not read, and a file that cannot be written: no file named.
        (["backup", SILENT_ADDRESS, "-o", str(work / "none"), "--timeout", "500"], {3}),
        (["backup", FIRST, "-o", str(work / "bad.json" / "under-a-file.json")], {3}),
        (["backup", FIRST, SECOND, "-o", str(work / "folder")], {0}),
        (["check", one], {0}),
        (["check", str(work / "bad.json")], {2}),
        (["diff", SECOND, one], {0, 1}),
        (["diff", one, str(work / "channel.json")], {1}),
        (["restore", SECOND, one, "--dry-run"], {0}),
        (["restore", SECOND, one, "--only-changed"], {0}),
        (["restore", SECOND, "-", "--only-changed", "--dry-run"], {0}, CHANNEL_3),
        (["restore", SECOND, "-", "--only-changed"], {0}, CHANNEL_3),
        (["restore", SILENT_ADDRESS, "-", "--timeout", "500"], {3}, CHANNEL_3),
        (["set", FIRST, SILENT_ADDRESS, "CHANNEL=5", "--timeout", "500"], {3}),
        (["scan", "127.0.9.0/29"], {0}),
        (["backup", FIRST, SECOND, "-o", str(work / "history"), "--history"], {0}),
        (["backup", FIRST, SECOND, "-o", str(work / "history"), "--history"], {0}),
        (["history", str(work / "history"), "TS-240117-0042"], {0}),
        (["diff", "TS-240117-0042@HEAD", one, "--dir", str(work / "history")], {0, 1}),
        # The commissioning record of a run: its file and SHA-256 in "record".
        (["set", FIRST, "CHANNEL=7", "--record", str(work / "set.record")], {0}),
        # (A check exits 1 where a device differs: FIRST's CHANNEL is 7 now.)
        (["restore", FIRST, SECOND, one, "--dry-run", "--record", str(work / "check.record")],
         {1}),
        (["backup", FIRST, "-o", str(work / "two.json"), "--record", str(work / "backup.record"),
          "--note", "Hall A"], {0}),
        # A record that would replace a backup the run wrote is not written.
        (["backup", FIRST, "-o", str(work / "backups"), "--record",
          str(work / "backups" / "TS-240117-0042.json")], {3}),
    ]
    failed_runs = 0
    simulator = start_simulator(sim)
    try:
        for arguments, statuses, *given in runs:
            before = len(failures)
            run = subprocess.run([tolvoctl, *arguments, "--json"], capture_output=True, text=True,
                                 input=given[0] if given else None, timeout=120)
            name = " ".join(arguments)
            try:
                document = json.loads(run.stdout)
            except json.JSONDecodeError as error:
                failures.append(f"{name}: no JSON on stdout ({error}): {run.stderr}")
                failed_runs += 1
                continue
            problems = [f"{'/'.join(map(str, e.absolute_path))}: {e.message}"
                        for validator in validators for e in validator.iter_errors(document)]
            if problems:
                failures.append(f"{name}: " + "; ".join(problems))
            if run.returncode not in statuses:
                failures.append(f"{name}: exit status {run.returncode}, not {sorted(statuses)}")
            if "exitStatus" in document and document["exitStatus"] != run.returncode:
                failures.append(f"{name}: exitStatus {document['exitStatus']}, "
                                f"exit status {run.returncode}")
            failures += record_problems(name, document, record_validator)
            failed_runs += len(failures) > before
            print(f"{'ok' if len(failures) == before else 'FAIL'}: {name}")
    finally:
        simulator.kill()
        simulator.wait()
    for failure in failures:
        print("FAIL:", failure)
    failed = failed_runs + changed_schemas
    print(f"{len(runs) + len(RELEASED) - failed} passed, {failed} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
