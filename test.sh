#!/usr/bin/env bash
# Installs what is missing, builds the test configuration (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vyr_install_deps

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DVYR_SANITIZE=ON -DVYR_BUILD_BENCH=OFF
cmake --build "$build" -j "$(vyr_jobs)"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(vyr_jobs)" "$@"
