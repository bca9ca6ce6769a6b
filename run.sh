#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vyr_install_deps

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_SANITIZE=OFF
cmake --build "$build" -j "$(vyr_jobs)"

# The main window comes in a later step; until then start the simulated
# tester so the protocol can be watched at work.
exec "$build/tests/sim/vyrsim" --tcp 55555 --verbose "$@"
