#!/usr/bin/env python3
"""The Ansible collection against tolvo-sim: a playbook over 20 simulated
modules on loopback, run as a user would, checked by Ansible's own JSON
report, by what the simulators logged and hold, and by a log of each
tolvoctl run (a task is one run, and no module is shipped).

usage: check_playbook.py TOLVOCTL TOLVO_SIM COLLECTIONS_FOLDER
"""
import json
import pathlib
import subprocess
import sys
import tempfile

from harness import HERE, Checks, Simulators, address, playbook

HOSTS = 20


def inventory_hosts():
    """Each module's host: every second one reached through a templated
    ansible_host, as an inventory that keeps addresses in variables has it,
    and the first named by its address alone."""
    hosts = {}
    for n in range(1, HOSTS + 1):
        host = {"ansible_host": address(n), "device_name": "Unit-%02d" % n,
                "device_ip": "192.168.7.%d" % n}
        if n % 2 == 0:
            host.update(ansible_host="{{ sim_ip }}", sim_ip=address(n))
        hosts["unit%02d" % n] = host
    del hosts["unit01"]["ansible_host"]
    hosts[address(1)] = hosts.pop("unit01")
    return hosts


def logged(tolvoctl, folder, log):
    """A tolvoctl that logs its arguments, a line a run; its path."""
    path = folder / "tolvoctl"
    path.write_text('#!/bin/sh\necho "$*" >>"%s"\nexec "%s" "$@"\n' % (log, tolvoctl))
    path.chmod(0o700)
    return str(path)


def main():
    # The modules run in a folder of their own: the programs by absolute paths.
    tolvoctl, sim = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:3])
    collections = pathlib.Path(sys.argv[3]).resolve()
    work = pathlib.Path(tempfile.mkdtemp())
    inventory = work / "inventory.json"
    runs_log = work / "tolvoctl-runs.log"
    inventory.write_text(json.dumps({"tolvo": {"hosts": inventory_hosts(),
                                               "vars": {"tolvoctl": logged(tolvoctl, work, runs_log)}}}))
    # A module shipped to run would be kept here.
    kept = {"ANSIBLE_KEEP_REMOTE_FILES": "1", "ANSIBLE_REMOTE_TMP": str(work / "remote-tmp"),
            "ANSIBLE_LOCAL_TEMP": str(work / "local-tmp")}
    report = work / "report.json"
    sims = Simulators(sim, work)
    sims.start("main", 1, HOSTS - 1)
    sims.start("last", HOSTS, 1)
    check = Checks()

    def run(*arguments):
        return playbook(collections, inventory, report, *arguments, environment=kept)

    def values(n):
        out = subprocess.run([tolvoctl, "get", address(n), "--json"], capture_output=True,
                             text=True).stdout
        return json.loads(out)["devices"][0]["values"]

    try:
        first = run()
        stats = first.stats
        runs = runs_log.read_text().splitlines()
        check("each task is one tolvoctl run, its settings on standard input",
              len(runs) == HOSTS and all(r.startswith("restore ") and
                                         " - --only-changed" in r for r in runs), "\n".join(runs))
        shipped = [str(p) for p in work.rglob("*") if "AnsiballZ" in p.name]
        check("no module is shipped", not shipped, " ".join(shipped[:5]))
        check("the first run changes all 20, those with a templated ansible_host too",
              sum(s["changed"] for s in stats.values()) == HOSTS and
              all(s["failures"] == 0 for s in stats.values()),
              json.dumps(stats) + "\n" + first.output[-3000:])
        site = json.loads((HERE / "site.json").read_text())["settings"]
        wrong = [n for n in range(1, HOSTS + 1)
                 if any(values(n)[k] != v for k, v in site.items()) or
                 values(n)["DEVICEID"] != "Unit-%02d" % n or values(n)["IPADDRESS"] != "192.168.7.%d" % n]
        check("every module holds the site's and its own values", not wrong, str(wrong))

        second = run()
        check("a second run changes nothing",
              sum(s["changed"] for s in second.stats.values()) == 0, json.dumps(second.stats))
        delegated = run("-e", "delegate=localhost")
        check("delegated to localhost, each task still reaches its own module",
              all(s["ok"] == 1 and not s["failures"] for s in delegated.stats.values()) and
              len(delegated.stats) == HOSTS, json.dumps(delegated.results())[:2000])

        sets_before = len(sims.sets())
        extra = ["-e", json.dumps({"extra_settings": {"CHANNEL": "3", "TRANSPOWER": "8"}})]
        checked = run("--check", "--diff", *extra)
        check("--check reports the changes", sum(s["changed"] for s in checked.stats.values()) == HOSTS)
        check("--check sends nothing", len(sims.sets()) == sets_before,
              "\n".join(sims.sets()[sets_before:]))
        diff = checked.results()["unit05"].get("diff", {})
        check("--diff shows exactly the changed keys, before and after",
              diff.get("before") == {"CHANNEL": "11", "TRANSPOWER": "10"} and
              diff.get("after") == {"CHANNEL": "3", "TRANSPOWER": "8"}, json.dumps(diff))

        masked = run("--check", "--diff", "-e", json.dumps({"extra_settings": {"PASSWORD": "new-secret"}}))
        text = json.dumps(masked.results())
        diff = masked.results()["unit07"].get("diff", {})
        check("--check --diff shows the password's key with asterisks on both sides, and no "
              "result holds it",
              diff.get("before") == {"PASSWORD": "********"} and
              diff.get("after") == {"PASSWORD": "******** (changed)"} and
              "new-secret" not in text + masked.output and "site-secret" not in text + masked.output,
              text[:2000])

        # Module 20 answers a set of CHANNEL but keeps its value.
        sims.start("last", HOSTS, 1, "--ignore-set", "CHANNEL", "--set", "CHANNEL=1")
        for n in range(1, HOSTS):
            subprocess.run([tolvoctl, "set", address(n), "CHANNEL=1"], capture_output=True)
        ignored = run()
        failed = [h for h, s in ignored.stats.items() if s["failures"]]
        message = ignored.results().get("unit20", {}).get("msg", "")
        check("a module that keeps no value fails that host alone, naming the key",
              failed == ["unit20"] and "CHANNEL" in message, "%s %s" % (failed, message))

        # Module 20 holds a power level left pending by an interrupted write
        # (a setting the playbook does not give); the task's apply commits it.
        sims.start("last", HOSTS, 1, "--pending", "TRANSPOWER=3")
        pending = run("--diff", "--limit", "unit20")
        result = pending.results().get("unit20", {})
        check("a setting the apply changed unsent makes the task changed, with a warning, and the "
              "diff and the warning name it",
              pending.stats["unit20"]["failures"] == 0 and pending.stats["unit20"]["changed"] == 1 and
              result.get("changed") is True and
              result.get("unsent_changes") == ["TRANSPOWER"] and
              result.get("diff", {}).get("after", {}).get("TRANSPOWER") == "3" and
              "TRANSPOWER" in " ".join(result.get("warnings", [])) and
              "TRANSPOWER" in pending.output and values(HOSTS)["TRANSPOWER"] == "3",
              json.dumps(result)[:2000])

        # Module 20 applies and then answers nothing more: what it holds is
        # not known, so the task fails and is not "unchanged".
        sims.start("last", HOSTS, 1, "--apply-unanswered", "hang")
        hung = run("--limit", "unit20").results().get("unit20", {})
        check("a module silent after the apply fails its task as changed, saying it may have "
              "applied the settings",
              hung.get("failed") is True and hung.get("changed") is True and
              "may have applied" in hung.get("msg", ""), json.dumps(hung)[:2000])

        # Module 20 moves to the address the playbook gives it as it
        # applies: the task reads it back there and returns that address.
        moved_to = address(HOSTS + 1)
        sims.start("last", HOSTS, 1, "--move-after", "100", "--set", "IPADDRESS=" + address(HOSTS))
        moving = run("--limit", "unit20", "-e", "device_ip=" + moved_to).results().get("unit20", {})
        held = subprocess.run([tolvoctl, "get", moved_to, "IPADDRESS"], capture_output=True,
                              text=True).stdout.strip()
        check("a module given a new address is verified there, and the task returns it",
              not moving.get("failed") and moving.get("changed") is True and
              moving.get("verified_at") == moved_to and held == "IPADDRESS=" + moved_to,
              json.dumps(moving)[:2000] + " " + held)

        sets_before = len(sims.sets())
        invalid = run("-e", json.dumps({"extra_settings": {"CHANNEL": "15"}}))
        message = invalid.results()["unit03"].get("msg", "")
        check("an invalid value fails before anything is sent, naming the key and what is allowed",
              all(s["failures"] for s in invalid.stats.values()) and
              len(sims.sets()) == sets_before and "CHANNEL" in message and "allowed" in message,
              message)

        sets_before = len(sims.sets())
        slips = playbook(collections, inventory, report, "--limit", "unit03,unit04",
                         playbook_file="values.yml", environment=kept)
        for task, key in (("An empty value", "DEVICEID"), ("A block scalar", "IPADDRESS")):
            results = slips.task(task)
            check("%s fails its task before anything is sent, naming the key" % task.lower(),
                  sorted(results) == ["unit03", "unit04"] and
                  all(r.get("failed") and key in r.get("msg", "") and not r.get("changed")
                      for r in results.values()) and len(sims.sets()) == sets_before,
                  json.dumps(results) + "\n" + "\n".join(sims.sets()[sets_before:]))
        named = [values(n)["DEVICEID"] for n in (3, 4)]
        check("no module was named \"null\"", named == ["Unit-03", "Unit-04"], str(named))

        for why, options in (("nothing listens", None), ("it never answers", ["--silent"])):
            if options:
                sims.start("last", HOSTS, 1, *options)
            else:
                sims.stop("last")
            unreachable = run("--limit", "unit20")
            check("a module that cannot be reached (%s) is unreachable in the recap, not failed" % why,
                  unreachable.stats["unit20"]["unreachable"] == 1 and
                  unreachable.stats["unit20"]["failures"] == 0, json.dumps(unreachable.stats))
    finally:
        sims.stop_all()
    return check.finish(work)


if __name__ == "__main__":
    sys.exit(main())
