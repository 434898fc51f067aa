#!/usr/bin/env bash
# What the orchestrator costs: the playbook of tests/ansible over 100
# simulated modules at 5 ms a reply, with Ansible's default 5 forks and with
# 50, beside "tolvoctl restore --hosts" of the same settings to the same 100.
# Each run starts from factory values, so every module changes. tolvoctl runs
# through a wrapper that logs how long each run took, to tell Ansible's own
# time per task from tolvoctl's.
#   bash bench/ansible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${TOLVO_IN_NAMESPACE:-}" ]; then
  bash scripts/deps.sh
  bash scripts/build.sh >/dev/null
  exec unshare -n env TOLVO_IN_NAMESPACE=1 bash "$0"
fi
ip link set lo up
devices=100
work=$(mktemp -d)
sim=""
trap '[ -n "$sim" ] && kill $sim; rm -rf "$work"' EXIT
now() { date +%s.%N; }

start_sim() {
  [ -n "$sim" ] && kill $sim && wait $sim 2>/dev/null || true
  build/sim/tolvo-sim --address 127.0.11.1 --devices $devices --delay 5 >/dev/null &
  sim=$!
  sleep 1
}

cat >"$work/tolvoctl" <<WRAP
#!/bin/sh
start=\$(date +%s.%N)
$PWD/build/cli/tolvoctl "\$@"
status=\$?
echo "\$start \$(date +%s.%N)" >>"$work/tolvoctl.times"
exit \$status
WRAP
chmod +x "$work/tolvoctl"
python3 - "$work" "$devices" <<'PY'
import json, sys
work, count = sys.argv[1], int(sys.argv[2])
hosts = {"unit%03d" % n: {"ansible_host": "127.0.11.%d" % n, "device_name": "Unit-%03d" % n,
                          "device_ip": "192.168.7.%d" % n} for n in range(1, count + 1)}
json.dump({"tolvo": {"hosts": hosts, "vars": {"tolvoctl": work + "/tolvoctl"}}},
          open(work + "/inventory.json", "w"))
open(work + "/hosts.txt", "w").write("".join("127.0.11.%d\n" % n for n in range(1, count + 1)))
PY

export ANSIBLE_COLLECTIONS_PATH=$PWD/ansible ANSIBLE_LOCALHOST_WARNING=false
for forks in 5 50; do
  start_sim
  : >"$work/tolvoctl.times"
  t0=$(now)
  ansible-playbook -i "$work/inventory.json" tests/ansible/site.yml --forks $forks >"$work/run.log"
  t1=$(now)
  grep -q "failed=0" "$work/run.log"
  python3 - "$work/tolvoctl.times" "$t0" "$t1" "$forks" "$devices" <<'PY'
import sys
times, t0, t1, forks, n = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
runs = [tuple(map(float, line.split())) for line in open(times)]
tool = sum(end - start for start, end in runs)
wall = t1 - t0
# Each fork holds one host's task at a time: the task time per host is at
# most wall * forks / n; tolvoctl's share of it is its own run time.
task = wall * forks / n
print("playbook  forks %2d: %6.1f s for %d modules, %5.3f s a module; a task takes about %.2f s, "
      "of which tolvoctl %.2f s (%d runs, %.3f s each), Ansible %.2f s"
      % (forks, wall, n, wall / n, task, tool / n, len(runs), tool / len(runs), task - tool / n))
PY
done
start_sim
t0=$(now)
build/cli/tolvoctl restore --hosts "$work/hosts.txt" tests/ansible/site.json --only-changed >/dev/null
t1=$(now)
python3 -c "import sys; w=float(sys.argv[2])-float(sys.argv[1]); print('tolvoctl restore --hosts (16 at once): %6.2f s for %s modules, %5.3f s a module' % (w, sys.argv[3], w/int(sys.argv[3])))" "$t0" "$t1" "$devices"
