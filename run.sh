#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts VyrRemote.
#
#   ./run.sh                     VyrRemote against the simulated tester
#   ./run.sh --type N            ... simulating tester model N (0-8; without it
#                                vyrsim's default, a model of the family and
#                                release VyrRemote is built for)
#   ./run.sh --ip ADDRESS[:PORT] VyrRemote against a real tester
#
# Further arguments go to VyrRemote (for example -dev or -update).
# VyrRemote runs in ./data/, which holds its user database "db.sqlite" and
# its settings store, away from the source tree; the home folder stays the
# user's own (scripts/runenv.sh).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
source scripts/deps.sh
source scripts/runenv.sh
vyr_install_deps

ip=""
type=""
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --ip) ip="${2:?--ip needs an address}"; shift 2 ;;
    --type) type="${2:?--type needs a model number}"; shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_SANITIZE=OFF
cmake --build "$build" -j "$(vyr_jobs)"

sim_pid=""
stop_sim() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
}
trap stop_sim EXIT

if [ -z "$ip" ]; then
  port=${VYR_SIM_PORT:-55555}
  "$root/$build/tests/sim/vyrsim" --tcp "$port" ${type:+--type "$type"} &
  sim_pid=$!
  sleep 0.5
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "The simulated tester did not start (is port $port in use? set VYR_SIM_PORT)" >&2
    exit 1
  fi
  ip="127.0.0.1:$port"
  echo "Simulated tester on $ip"
fi

vyr_remote_env "$root"
status=0
"$root/$build/VyrRemote/VyrRemote" -ip "$ip" ${args[@]+"${args[@]}"} || status=$?
exit $status
