#!/usr/bin/env python3
"""Runs one ansible-playbook and prints one JSON line of what it cost: the
wall time; the CPU time of the controller's main process and of all its
workers together; each tolvoctl run's wall and CPU time (from the log of
the tolvoctl wrapper, a line a run: start, end, then the shell's `times`);
and the peak memory of the main process (resident) and of the whole process
tree (proportional set size, so that what the forks share counts once;
sampled every 50 ms).

usage: measure.py TOLVOCTL_LOG COMMAND...
"""
import json
import os
import resource
import subprocess
import sys
import time

TICK = os.sysconf("SC_CLK_TCK")


def children_of():
    """Each process's children, by pid."""
    tree = {}
    for name in os.listdir("/proc"):
        if name.isdigit():
            try:
                with open("/proc/%s/stat" % name) as stream:
                    parent = int(stream.read().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):
                continue
            tree.setdefault(parent, []).append(int(name))
    return tree


def tree_pss_kb(root):
    tree, total, stack = children_of(), 0, [root]
    while stack:
        pid = stack.pop()
        stack.extend(tree.get(pid, []))
        try:  # proportional: pages the forks share count once in all
            with open("/proc/%d/smaps_rollup" % pid) as stream:
                total += next(int(line.split()[1]) for line in stream if line.startswith("Pss:"))
        except (OSError, StopIteration):
            pass
    return total


def own_cpu_and_hwm(pid):
    """The process's own CPU seconds (not its children's) and peak RSS in kB."""
    with open("/proc/%d/stat" % pid) as stream:
        fields = stream.read().rsplit(")", 1)[1].split()
    with open("/proc/%d/status" % pid) as stream:
        hwm = next(int(line.split()[1]) for line in stream if line.startswith("VmHWM"))
    return (int(fields[11]) + int(fields[12])) / TICK, hwm


def seconds(text):  # "1m2.50s"
    minutes, rest = text.split("m")
    return int(minutes) * 60 + float(rest.rstrip("s"))


def tolvoctl_runs(log):
    runs = []
    if os.path.exists(log):
        for line in open(log):
            start, end, _, _, user, system = line.split()
            runs.append((float(end) - float(start), seconds(user) + seconds(system)))
    return runs


def main():
    log, command = sys.argv[1], sys.argv[2:]
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    main_cpu, main_hwm, tree_peak = 0.0, 0, 0
    while process.poll() is None:
        try:
            main_cpu, main_hwm = own_cpu_and_hwm(process.pid)
            tree_peak = max(tree_peak, tree_pss_kb(process.pid))
        except (OSError, StopIteration):
            pass
        time.sleep(0.05)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    total_cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    runs = tolvoctl_runs(log)
    print(json.dumps({"status": process.returncode, "wall": wall, "mainCpu": main_cpu,
                      "totalCpu": total_cpu, "mainPeakKb": main_hwm, "treePeakKb": tree_peak,
                      "tolvoctlRuns": len(runs), "tolvoctlWall": sum(r[0] for r in runs),
                      "tolvoctlCpu": sum(r[1] for r in runs)}))


if __name__ == "__main__":
    main()
