#!/usr/bin/env python3
"""The Wi-Fi password through the Ansible collection: the playbook leaks.yml
with -vvv over three simulated modules that hold a distinctive password,
then a search of everything the run wrote for that password and for the
ones the tasks give: the whole output, what any program sent to syslog and
the journal (recorded by log_seam/sitecustomize.py: a module would log its
arguments there, and none may run), Ansible's log, the fact
cache and every file left in the run's home and temporary folders, except
owner-only settings files. The tasks' results are checked too, so that a
clean search means the password went through, not that nothing ran.

usage: check_leaks.py TOLVOCTL TOLVO_SIM COLLECTIONS_FOLDER
"""
import json
import pathlib
import subprocess
import sys
import tempfile

import harness
from harness import HERE, Checks, Simulators, address, playbook

# Addresses of its own: password_leaks runs it beside ansible_playbook (ctest -j).
harness.BASE = "127.0.11."

sys.path.insert(0, str(HERE.parent / "leaks"))
import search  # noqa: E402 (the leak tests' own search, beside this folder)

MASK = "********"
# Each password by what carries it. The modules start with HELD, which is not
# Latin-1: they keep "?" for the euro sign.
HELD = "Site€Secret-2024"
GIVEN = "Dict-Pässword-7731"  # in settings:
FILED = "Src-Pässword-5519"  # in a src: file
INVALID_GIVEN = "Dict€Invalid-4409"  # not Latin-1, in settings:
INVALID_FILED = "Src€Invalid-3307"  # not Latin-1, in a src: file
LOWER_KEY = "Lower-Key-Pässword-6620"  # in settings:, as "password"
SECRETS = {"the modules' password": HELD, "the password in settings:": GIVEN,
           "the password in a src: file": FILED, "an invalid password in settings:": INVALID_GIVEN,
           "an invalid password in a src: file": INVALID_FILED,
           "a password under a lower-case key": LOWER_KEY}
HOSTS = {"unit01": {"ansible_host": address(1)},
         "unit02": {"ansible_host": "{{ sim_ip }}", "sim_ip": address(2)},  # templated
         "unit03": {"ansible_host": address(3)}}  # does not keep a new password
KEEPING = ("unit01", "unit02")


def leaks(folder):
    """(secret's description, form, file) of each secret found in a file
    under folder."""
    return search.leaks(folder, SECRETS)


def write_private(path, text):
    path.touch(mode=0o600)
    path.write_text(text, encoding="utf-8")
    return str(path)


def settings_file(path, settings):
    return write_private(path, json.dumps({"format": "tolvo-s-settings", "version": 1,
                                           "settings": settings}, ensure_ascii=False))


def cut_short(folder, tolvoctl):
    """A tolvoctl whose output of get ends after the password, as when it is
    killed; its path."""
    path = folder / "tolvoctl-cut-short"
    path.write_text('#!/bin/sh\nif [ "$1" = get ]; then "%s" "$@" | sed /PASSWORD/q; exit 1; fi\n'
                    'exec "%s" "$@"\n' % (tolvoctl, tolvoctl))
    path.chmod(0o700)
    return str(path)


def prepare(work, tolvoctl):
    """The inventory and the extra-vars file, which hold the passwords as a
    user's own files do: outside the folder searched."""
    given = work / "given"
    given.mkdir(mode=0o700)
    variables = {"tolvoctl": tolvoctl, "cut_short_tolvoctl": cut_short(given, tolvoctl),
                 "given_password": GIVEN, "invalid_password": INVALID_GIVEN,
                 "lower_key_password": LOWER_KEY,
                 "src_file": settings_file(given / "site.json", {"PASSWORD": FILED, "SSID": "LeakNet"}),
                 "invalid_src_file": settings_file(given / "invalid.json", {"PASSWORD": INVALID_FILED})}
    inventory = write_private(given / "inventory.json", json.dumps({"tolvo": {"hosts": HOSTS}}))
    return inventory, "@" + write_private(given / "vars.json", json.dumps(variables))


def searched_run(collections, inventory, variables, searched):
    """The playbook with -vvv, everything it writes kept in searched."""
    for folder in ("home", "tmp", "facts"):
        (searched / folder).mkdir(parents=True)
    environment = {"HOME": str(searched / "home"), "TMPDIR": str(searched / "tmp"),
                   "ANSIBLE_LOG_PATH": str(searched / "ansible.log"),
                   "ANSIBLE_CACHE_PLUGIN": "jsonfile",
                   "ANSIBLE_CACHE_PLUGIN_CONNECTION": str(searched / "facts"),
                   "PYTHONPATH": str(HERE / "log_seam"),
                   "TOLVO_LOG_RECORD": str(searched / "syslog-and-journal.jsonl")}
    run = playbook(collections, inventory, searched / "report.json", "-vvv", "-e", variables,
                   playbook_file="leaks.yml", environment=environment)
    (searched / "output.txt").write_text(run.output, encoding="utf-8", errors="backslashreplace")
    return run


def each(results, hosts, holds):
    """Whether every one of hosts has a result of which holds is true."""
    return all(h in results and holds(results[h]) for h in hosts)


def check_results(check, run, searched, held):
    """The tasks did what the search relies on: each password went through."""
    read = run.task("Read")
    check("tolvo_info reads every module, one reached through a templated ansible_host",
          each(read, HOSTS, lambda r: not r.get("failed")), json.dumps(read, ensure_ascii=False)[:3000])
    check("tolvo_info returns the password masked, in settings and in the fact",
          each(read, HOSTS, lambda r: r.get("settings", {}).get("PASSWORD") == MASK and
               r.get("ansible_facts", {}).get("tolvo_settings", {}).get("PASSWORD") == MASK), "")
    cached = [json.loads(p.read_text()).get("tolvo_settings", {}).get("PASSWORD")
              for p in sorted((searched / "facts").iterdir())]
    check("the fact cache holds the fact of each module, the password masked",
          cached == [MASK] * len(HOSTS), str(len(cached)) + " facts")
    dry = run.task("Dry run")
    check("a dry run with diff reports the password masked, before and after",
          each(dry, HOSTS, lambda r: r.get("changed") and
               r.get("diff", {}).get("before", {}).get("PASSWORD") == MASK and
               r["diff"].get("after", {}).get("PASSWORD") == MASK + " (changed)"),
          json.dumps(dry, ensure_ascii=False)[:3000])
    given, filed = run.task("From settings"), run.task("From a src file")
    check("the password in settings: and then the one in a src: file are set",
          each(given, KEEPING, lambda r: r.get("changed")) and
          each(filed, KEEPING, lambda r: r.get("changed")) and
          held(1) == FILED, "%s %s" % (json.dumps(given, ensure_ascii=False)[:2000], held(1)))
    check("a module that does not keep the password fails naming the key alone",
          each(given, ["unit03"], lambda r: r.get("not_kept") == ["PASSWORD"] and MASK in r["msg"]),
          given.get("unit03", {}).get("msg"))
    cut = run.task("Output cut short")
    check("tolvoctl's output cut short fails the task, naming the command",
          each(cut, HOSTS, lambda r: r.get("failed") and "tolvoctl get" in r.get("msg", "")), "")
    for task in ("Invalid in settings", "Invalid in a src file"):
        results = run.task(task)
        check("%s: the task fails, naming PASSWORD" % task,
              each(results, HOSTS, lambda r: r.get("failed") and "PASSWORD" in r.get("msg", "")), "")
    lower = run.task("The password's key in lower case")
    check("the password's key in lower case fails the task, naming the key PASSWORD",
          each(lower, HOSTS, lambda r: r.get("failed") and "PASSWORD" in r.get("msg", "")),
          json.dumps(lower, ensure_ascii=False)[:2000])
    misspelled = run.task("A misspelled option")
    check("a misspelled option fails the task naming it, without a traceback",
          each(misspelled, HOSTS, lambda r: r.get("failed") and "setings" in r.get("msg", "")) and
          "NoneType" not in run.output, json.dumps(misspelled, ensure_ascii=False)[:2000])
    check("no task warns of an option that might hold a secret",
          "did not set no_log" not in run.output, "")
    record = searched / "syslog-and-journal.jsonl"
    logged = record.read_text() if record.exists() else ""
    check("no module ran to log its arguments to syslog or the journal (the tasks run in the "
          "worker)", "halvane.tolvo" not in logged, logged[:500])


def main():
    tolvoctl, sim = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:3])
    collections = pathlib.Path(sys.argv[3]).resolve()
    work = pathlib.Path(tempfile.mkdtemp())
    inventory, variables = prepare(work, tolvoctl)
    (work / "sims").mkdir()
    sims = Simulators(sim, work / "sims")
    sims.start("pair", 1, 2, "--set", "PASSWORD=" + HELD)
    sims.start("keeper", 3, 1, "--set", "PASSWORD=" + HELD, "--ignore-set", "PASSWORD")
    check = Checks()

    def held(n):
        out = subprocess.run([tolvoctl, "get", address(n), "PASSWORD", "--json"],
                             capture_output=True, text=True).stdout
        return json.loads(out)["devices"][0]["values"]["PASSWORD"]

    try:
        searched = work / "searched"
        run = searched_run(collections, inventory, variables, searched)
        check_results(check, run, searched, held)
        found = leaks(searched)
        for description in SECRETS:
            where = ["%s in %s" % (form, path) for d, form, path in found if d == description]
            check("%s appears in no output, log or file" % description, not where, "; ".join(where))

        # Asked for by name, the password is returned as the module holds it.
        shown = playbook(collections, inventory, work / "shown.json", "-e", variables, "--tags", "shown",
                         playbook_file="leaks.yml", environment={"HOME": str(work / "shown-home")})
        results = shown.task("Read, the password asked for")
        check("tolvo_info with show_password returns the password as the module holds it, "
              "the fact masked",
              all(results.get(h, {}).get("settings", {}).get("PASSWORD") == held(int(h[-2:])) and
                  results[h]["ansible_facts"]["tolvo_settings"]["PASSWORD"] == MASK
                  for h in HOSTS), shown.output[-2000:])
    finally:
        sims.stop_all()
    return check.finish(work)


if __name__ == "__main__":
    sys.exit(main())
