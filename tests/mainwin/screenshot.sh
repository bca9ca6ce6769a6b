#!/usr/bin/env bash
# Writes a PNG picture of the main window connected to the simulated tester
# (offscreen, no display needed): ./tests/mainwin/screenshot.sh [OUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/build-screenshot/mainwindow.png}")
build="$root/build-screenshot"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_SANITIZE=OFF -DVYR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target tst_mainwin
mkdir -p "$(dirname "$out")" "$build/screenshot-home"
chmod 700 "$build/screenshot-home"
cd "$build/screenshot-home"
HOME="$PWD" XDG_CONFIG_HOME="$PWD/.config" XDG_RUNTIME_DIR="$PWD" QT_QPA_PLATFORM=offscreen VYR_SCREENSHOT="$out" \
  "$build/tests/mainwin/tst_mainwin" picture >/dev/null
echo "$out"
