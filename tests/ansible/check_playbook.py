#!/usr/bin/env python3
"""The Ansible collection against tolvo-sim: a playbook over 20 simulated
modules on loopback, run as a user would, checked by Ansible's own JSON
report and by what the simulators logged and hold.

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
    ansible_host, as an inventory that keeps addresses in variables has it."""
    hosts = {}
    for n in range(1, HOSTS + 1):
        host = {"ansible_host": address(n), "device_name": "Unit-%02d" % n,
                "device_ip": "192.168.7.%d" % n}
        if n % 2 == 0:
            host.update(ansible_host="{{ sim_ip }}", sim_ip=address(n))
        hosts["unit%02d" % n] = host
    return hosts


def main():
    # The modules run in a folder of their own: the programs by absolute paths.
    tolvoctl, sim = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:3])
    collections = pathlib.Path(sys.argv[3]).resolve()
    work = pathlib.Path(tempfile.mkdtemp())
    inventory = work / "inventory.json"
    inventory.write_text(json.dumps({"tolvo": {"hosts": inventory_hosts(),
                                               "vars": {"tolvoctl": tolvoctl}}}))
    report = work / "report.json"
    sims = Simulators(sim, work)
    sims.start("main", 1, HOSTS - 1)
    sims.start("last", HOSTS, 1)
    check = Checks()

    def run(*arguments):
        return playbook(collections, inventory, report, *arguments)

    def values(n):
        out = subprocess.run([tolvoctl, "get", address(n), "--json"], capture_output=True,
                             text=True).stdout
        return json.loads(out)["devices"][0]["values"]

    try:
        first = run()
        stats = first.stats
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
        check("--diff shows the password as asterisks, and no result holds it",
              "********" in text and "new-secret" not in text and "site-secret" not in text, text)

        # Module 20 answers a set of CHANNEL but keeps its value.
        sims.start("last", HOSTS, 1, "--ignore-set", "CHANNEL", "--set", "CHANNEL=1")
        for n in range(1, HOSTS):
            subprocess.run([tolvoctl, "set", address(n), "CHANNEL=1"], capture_output=True)
        ignored = run()
        failed = [h for h, s in ignored.stats.items() if s["failures"]]
        message = ignored.results().get("unit20", {}).get("msg", "")
        check("a module that keeps no value fails that host alone, naming the key",
              failed == ["unit20"] and "CHANNEL" in message, "%s %s" % (failed, message))

        sets_before = len(sims.sets())
        invalid = run("-e", json.dumps({"extra_settings": {"CHANNEL": "15"}}))
        message = invalid.results()["unit01"].get("msg", "")
        check("an invalid value fails before anything is sent, naming the key and what is allowed",
              all(s["failures"] for s in invalid.stats.values()) and
              len(sims.sets()) == sets_before and "CHANNEL" in message and "allowed" in message,
              message)

        sims.stop("last")
        unreachable = run("--limit", "unit20")
        check("a module that cannot be reached fails its host",
              unreachable.stats["unit20"]["failures"] == 1, json.dumps(unreachable.results()))
    finally:
        sims.stop_all()
    return check.finish(work)


if __name__ == "__main__":
    sys.exit(main())
