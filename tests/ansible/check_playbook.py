#!/usr/bin/env python3
"""The Ansible collection against tolvo-sim: a playbook over 20 simulated
modules on loopback, run as a user would, checked by Ansible's own JSON
report and by what the simulators logged and hold.

usage: check_playbook.py TOLVOCTL TOLVO_SIM COLLECTIONS_FOLDER
"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
HOSTS = 20
BASE = "127.0.10."  # the modules are .1 to .20


def address(n):
    return BASE + str(n)


class Simulators:
    """Modules 1-19 in one simulator, module 20 in one of its own (so that
    it alone can be made to ignore a set)."""

    def __init__(self, sim, work):
        self.sim, self.work, self.processes = sim, work, {}

    def start(self, name, first, count, *options):
        self.stop(name)
        log = self.work / (name + ".log")
        process = subprocess.Popen([self.sim, "--address", address(first), "--devices", str(count),
                                    "--log", str(log), *options], stdout=subprocess.PIPE, text=True)
        for _ in range(count):
            if "listening on" not in process.stdout.readline():
                raise SystemExit("tolvo-sim did not start")
        self.processes[name] = (process, log)

    def stop(self, name):
        if name in self.processes:
            process, _ = self.processes.pop(name)
            process.kill()
            process.wait()

    def sets(self):
        """The set commands logged so far, by all simulators."""
        lines = []
        for _, log in self.processes.values():
            lines += [line for line in log.read_text().splitlines() if "RECV set " in line]
        return lines


def playbook(collections, inventory, *arguments):
    environment = dict(os.environ, ANSIBLE_COLLECTIONS_PATH=str(collections),
                       ANSIBLE_STDOUT_CALLBACK="report",
                       ANSIBLE_CALLBACK_PLUGINS=str(HERE / "callback_plugins"),
                       ANSIBLE_LOCALHOST_WARNING="false",
                       ANSIBLE_INVENTORY_UNPARSED_WARNING="false")
    run = subprocess.run(["ansible-playbook", "-i", str(inventory), str(HERE / "site.yml"),
                          *arguments], capture_output=True, text=True, env=environment, timeout=600)
    try:
        return json.loads(run.stdout)
    except ValueError:
        raise SystemExit("ansible-playbook gave no report:\n" + run.stdout + run.stderr)


def results(report):
    """Each host's result of the one task."""
    return report["tasks"][0]["hosts"]


def main():
    # The modules run in a folder of their own: the programs by absolute paths.
    tolvoctl, sim = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:3])
    collections = pathlib.Path(sys.argv[3]).resolve()
    work = pathlib.Path(tempfile.mkdtemp())
    hosts = {"unit%02d" % n: {"ansible_host": address(n), "device_name": "Unit-%02d" % n,
                              "device_ip": "192.168.7.%d" % n} for n in range(1, HOSTS + 1)}
    inventory = work / "inventory.json"
    inventory.write_text(json.dumps({"tolvo": {"hosts": hosts, "vars": {"tolvoctl": tolvoctl}}}))
    sims = Simulators(sim, work)
    sims.start("main", 1, HOSTS - 1)
    sims.start("last", HOSTS, 1)
    checks = []

    def check(name, holds, detail=""):
        checks.append((name, holds))
        print("%s: %s%s" % ("ok" if holds else "FAIL", name, "" if holds else " -- " + detail))

    def values(n):
        out = subprocess.run([tolvoctl, "get", address(n), "--json"], capture_output=True,
                             text=True).stdout
        return json.loads(out)["devices"][0]["values"]

    try:
        first = playbook(collections, inventory)
        stats = first["stats"]
        check("the first run changes all 20",
              sum(s["changed"] for s in stats.values()) == HOSTS and
              all(s["failures"] == 0 for s in stats.values()), json.dumps(stats))
        site = json.loads((HERE / "site.json").read_text())["settings"]
        wrong = [n for n in range(1, HOSTS + 1)
                 if any(values(n)[k] != v for k, v in site.items()) or
                 values(n)["DEVICEID"] != "Unit-%02d" % n or values(n)["IPADDRESS"] != "192.168.7.%d" % n]
        check("every module holds the site's and its own values", not wrong, str(wrong))

        second = playbook(collections, inventory)
        check("a second run changes nothing",
              sum(s["changed"] for s in second["stats"].values()) == 0, json.dumps(second["stats"]))

        sets_before = len(sims.sets())
        extra = ["-e", json.dumps({"extra_settings": {"CHANNEL": "3", "TRANSPOWER": "8"}})]
        checked = playbook(collections, inventory, "--check", "--diff", *extra)
        check("--check reports the changes", sum(s["changed"] for s in checked["stats"].values()) == HOSTS)
        check("--check sends nothing", len(sims.sets()) == sets_before,
              "\n".join(sims.sets()[sets_before:]))
        diff = results(checked)["unit05"].get("diff", {})
        check("--diff shows exactly the changed keys, before and after",
              diff.get("before") == {"CHANNEL": "11", "TRANSPOWER": "10"} and
              diff.get("after") == {"CHANNEL": "3", "TRANSPOWER": "8"}, json.dumps(diff))

        masked = playbook(collections, inventory, "--check", "--diff",
                          "-e", json.dumps({"extra_settings": {"PASSWORD": "new-secret"}}))
        text = json.dumps(results(masked))
        check("--diff shows the password as asterisks, and no result holds it",
              "********" in text and "new-secret" not in text and "site-secret" not in text, text)

        # Module 20 answers a set of CHANNEL but keeps its value.
        sims.start("last", HOSTS, 1, "--ignore-set", "CHANNEL", "--set", "CHANNEL=1")
        for n in range(1, HOSTS):
            subprocess.run([tolvoctl, "set", address(n), "CHANNEL=1"], capture_output=True)
        ignored = playbook(collections, inventory)
        failed = [h for h, s in ignored["stats"].items() if s["failures"]]
        message = results(ignored).get("unit20", {}).get("msg", "")
        check("a module that keeps no value fails that host alone, naming the key",
              failed == ["unit20"] and "CHANNEL" in message, "%s %s" % (failed, message))

        sets_before = len(sims.sets())
        invalid = playbook(collections, inventory, "-e",
                           json.dumps({"extra_settings": {"CHANNEL": "15"}}))
        message = results(invalid)["unit01"].get("msg", "")
        check("an invalid value fails before anything is sent, naming the key and what is allowed",
              all(s["failures"] for s in invalid["stats"].values()) and
              len(sims.sets()) == sets_before and "CHANNEL" in message and "allowed" in message,
              message)

        sims.stop("last")
        unreachable = playbook(collections, inventory, "--limit", "unit20")
        check("a module that cannot be reached fails its host",
              unreachable["stats"]["unit20"]["failures"] == 1,
              json.dumps(results(unreachable)))
    finally:
        sims.stop("main")
        sims.stop("last")
    failed = sum(1 for _, holds in checks if not holds)
    print("%d passed, %d failed" % (len(checks) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
