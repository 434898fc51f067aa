#!/usr/bin/env python3
"""The table of bench/ansible/run.sh from its JSON lines, and the target:
each playbook of tolvo_settings against 1.5 times the debug floor of the
same hosts and forks plus one module's tolvoctl restore."""
import json
import sys

rows = [json.loads(line) for line in open(sys.argv[1])]
one = min(r["wall"] for r in rows if r["name"] == "tolvoctl restore, one module")
print("CPU in seconds; tolvoctl: its runs and their wall times summed (runs overlap, so the sum\n"
      "may exceed the playbook's wall time); memory: peak resident of the main process, peak\n"
      "proportional set size of the main process and its workers together.")
print("%-38s %5s %5s %8s %9s | %8s %8s %13s | %9s %9s" % (
    "run", "hosts", "forks", "wall s", "s a host", "main CPU", "workers", "tolvoctl", "main MB",
    "tree MB"))
for r in rows:
    if "mainCpu" not in r:
        print("%-38s %5d %5s %8.2f %9.3f" % (r["name"], r["hosts"], "-", r["wall"],
                                             r["wall"] / r["hosts"]))
        continue
    workers = r["totalCpu"] - r["mainCpu"] - r["tolvoctlCpu"]
    tool = ("%d runs %.1f s" % (r["tolvoctlRuns"], r["tolvoctlWall"])) if r["tolvoctlRuns"] else "-"
    print("%-38s %5d %5d %8.2f %9.3f | %8.1f %8.1f %13s | %9.0f %9.0f%s" % (
        "playbook, " + r["name"], r["hosts"], r["forks"], r["wall"], r["wall"] / r["hosts"],
        r["mainCpu"], workers, tool, r["mainPeakKb"] / 1024, r["treePeakKb"] / 1024,
        "" if r["status"] == 0 else "  FAILED (exit status %d)" % r["status"]))
print("\none module's tolvoctl restore: %.2f s (the best of 3)" % one)
for r in rows:
    if r["name"] != "tolvo_settings":
        continue
    floor = next(f for f in rows if f["name"] == "debug" and f["hosts"] == r["hosts"] and
                 f["forks"] == r["forks"])["wall"]
    target = 1.5 * floor + one
    print("%4d modules, %2d forks: %6.2f s = %.2f x the debug floor (%.2f s); target 1.5 x floor + "
          "one restore = %.2f s: %s" % (r["hosts"], r["forks"], r["wall"], r["wall"] / floor, floor,
                                        target, "met" if r["wall"] <= target else "NOT met"))
