"""What the playbook tests share: simulated modules on loopback addresses and
ansible-playbook run as a user runs it, with the collection of this tree."""
import json
import os
import pathlib
import shutil
import subprocess

HERE = pathlib.Path(__file__).resolve().parent
BASE = "127.0.10."  # module n is at BASE + n


def address(n):
    return BASE + str(n)


class Simulators:
    """tolvo-sim processes by name, each simulating consecutive modules."""

    def __init__(self, sim, folder):
        self.sim, self.folder, self.processes = sim, folder, {}

    def start(self, name, first, count, *options):
        self.stop(name)
        log = self.folder / (name + ".log")
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

    def stop_all(self):
        for name in list(self.processes):
            self.stop(name)

    def sets(self):
        """The set commands logged so far, by all simulators."""
        lines = []
        for _, log in self.processes.values():
            lines += [line for line in log.read_text().splitlines() if "RECV set " in line]
        return lines


class Run:
    """One ansible-playbook run: its whole output, and the report of the
    callback plugin `report` (each task's result per host, the statistics)."""

    def __init__(self, completed, report):
        self.output = completed.stdout + completed.stderr
        self.report = report

    def results(self, task=0):
        """Each host's result of the task with this index."""
        return self.report["tasks"][task]["hosts"]

    def task(self, name):
        """Each host's result of the task with this name."""
        return next(t["hosts"] for t in self.report["tasks"] if t["name"] == name)

    @property
    def stats(self):
        return self.report["stats"]


def playbook(collections, inventory, report, *arguments, playbook_file="site.yml", environment=None):
    """Runs the playbook; the report is written to the file report."""
    pathlib.Path(report).unlink(missing_ok=True)
    env = dict(os.environ, ANSIBLE_COLLECTIONS_PATH=str(collections),
               ANSIBLE_CALLBACK_PLUGINS=str(HERE / "callback_plugins"),
               ANSIBLE_CALLBACKS_ENABLED="report", TOLVO_ANSIBLE_REPORT=str(report),
               ANSIBLE_LOCALHOST_WARNING="false", ANSIBLE_INVENTORY_UNPARSED_WARNING="false",
               **(environment or {}))
    completed = subprocess.run(["ansible-playbook", "-i", str(inventory), str(HERE / playbook_file),
                                *arguments], capture_output=True, text=True, errors="backslashreplace",
                               env=env, timeout=600)
    try:
        return Run(completed, json.loads(pathlib.Path(report).read_text()))
    except (OSError, ValueError):
        raise SystemExit("ansible-playbook gave no report:\n" + completed.stdout + completed.stderr)


class Checks:
    """Named checks, each printed as it is made."""

    def __init__(self):
        self.failed = 0
        self.passed = 0

    def __call__(self, name, holds, detail=""):
        if holds:
            self.passed += 1
        else:
            self.failed += 1
        print("%s: %s%s" % ("ok" if holds else "FAIL", name, "" if holds else " -- " + str(detail)),
              flush=True)
        return holds

    def finish(self, work=None):
        """The exit status; the folder work is kept for a look when a check
        failed, removed otherwise."""
        if work is not None and self.failed:
            print("The run's files are kept in", work)
        elif work is not None:
            shutil.rmtree(work)
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 1 if self.failed else 0
