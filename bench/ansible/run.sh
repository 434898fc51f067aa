#!/usr/bin/env bash
# What the orchestrator costs, all measured in one run on the machine at
# hand: Ansible's own floor (ansible.builtin.debug, a task that does no
# work) beside the playbook of tests/ansible (tolvo_settings) over the same
# simulated modules at 5 ms a reply, with 5 forks and with 50; one module's
# "tolvoctl restore" and "tolvoctl restore --hosts" of all of them; then
# 1,000 modules with 50 forks. Each playbook run starts from factory values,
# so every module changes; a run with "throttle: 4" shows what a site behind
# one gateway costs. For each run: where the time goes (the controller's
# main process, its workers, tolvoctl) and peak memory.
#   bash bench/ansible/run.sh [MODULES [MANY]]     (defaults 100 and 1000)
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ -z "${TOLVO_IN_NAMESPACE:-}" ]; then
  bash scripts/deps.sh
  bash scripts/build.sh >/dev/null
  exec unshare -n env TOLVO_IN_NAMESPACE=1 bash "$0" "$@"
fi
ip link set lo up
modules=${1:-100}
many=${2:-1000}
bench=$PWD/bench/ansible
work=$(mktemp -d)
sim=""
trap '[ -n "$sim" ] && kill $sim; rm -rf "$work"' EXIT

start_sim() { # COUNT: factory values on COUNT modules from 127.0.11.1
  [ -n "$sim" ] && kill $sim && wait $sim 2>/dev/null || true
  build/sim/tolvo-sim --address 127.0.11.1 --devices "$1" --delay 5 >"$work/sim.out" &
  sim=$!
  until [ "$(grep -c listening "$work/sim.out")" -ge "$1" ]; do sleep 0.2; done
}

# tolvoctl through a wrapper that logs each run: start, end, and the
# shell's times (its own, then its children's: tolvoctl's CPU).
cat >"$work/tolvoctl" <<WRAP
#!/bin/sh
start=\$(date +%s.%N)
$PWD/build/cli/tolvoctl "\$@"
status=\$?
echo "\$start \$(date +%s.%N) \$(times | tr '\n' ' ')" >>"$work/tolvoctl.log"
exit \$status
WRAP
chmod +x "$work/tolvoctl"

inventory() { # COUNT: an inventory of COUNT modules from 127.0.11.1
  python3 - "$work" "$1" <<'PY'
import ipaddress, json, sys
work, count = sys.argv[1], int(sys.argv[2])
first = ipaddress.IPv4Address("127.0.11.1")
hosts = {"unit%04d" % n: {"ansible_host": str(first + n - 1), "device_name": "Unit-%04d" % n,
                          "device_ip": "192.168.%d.%d" % (7 + n // 250, 1 + n % 250)}
         for n in range(1, count + 1)}
json.dump({"tolvo": {"hosts": hosts, "vars": {"tolvoctl": work + "/tolvoctl"}}},
          open("%s/inventory-%d.json" % (work, count), "w"))
open("%s/hosts-%d.txt" % (work, count), "w").write("".join("%s\n" % h["ansible_host"]
                                                          for h in hosts.values()))
PY
}

export ANSIBLE_COLLECTIONS_PATH=$PWD/ansible ANSIBLE_LOCALHOST_WARNING=false
results=$work/results.jsonl
measure() { # NAME COUNT FORKS PLAYBOOK
  : >"$work/tolvoctl.log"
  python3 "$bench/measure.py" "$work/tolvoctl.log" ansible-playbook -i "$work/inventory-$2.json" \
    "$4" --forks "$3" | python3 -c "import json,sys; d=json.load(sys.stdin); d.update(name='$1', hosts=$2, forks=$3); print(json.dumps(d))" >>"$results"
}
timed() { # NAME COUNT COMMAND...: wall time of a tolvoctl command
  local name=$1 count=$2
  shift 2
  local t0 t1
  t0=$(date +%s.%N)
  "$@" >/dev/null
  t1=$(date +%s.%N)
  python3 -c "import json, sys; print(json.dumps({'name': sys.argv[1], 'hosts': int(sys.argv[2]),
    'wall': float(sys.argv[4]) - float(sys.argv[3])}))" "$name" "$count" "$t0" "$t1" >>"$results"
}

inventory "$modules"
for forks in 5 50; do
  start_sim "$modules"
  measure debug "$modules" $forks "$bench/floor.yml"
  measure tolvo_settings "$modules" $forks tests/ansible/site.yml
done
start_sim "$modules"
measure "tolvo_settings, throttle: 4" "$modules" 50 "$bench/throttled.yml"
start_sim 1
for _ in 1 2 3; do
  timed "tolvoctl restore, one module" 1 build/cli/tolvoctl restore 127.0.11.1 tests/ansible/site.json
done
start_sim "$modules"
timed "tolvoctl restore --hosts (16 at once)" "$modules" \
  build/cli/tolvoctl restore --hosts "$work/hosts-$modules.txt" tests/ansible/site.json --only-changed
if [ "$modules" -lt "$many" ]; then
  inventory $many
  start_sim $many
  measure debug $many 50 "$bench/floor.yml"
  measure tolvo_settings $many 50 tests/ansible/site.yml
fi
python3 "$bench/report.py" "$results"
