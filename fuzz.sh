#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz/ with clang and libFuzzer (under
# AddressSanitizer and UndefinedBehaviorSanitizer, in build-fuzz/) and runs
# each for SECONDS (default 60). New inputs go to build-fuzz/corpus/<target>/,
# findings to build-fuzz/findings/. Exits non-zero when a target found one.
#   ./fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vyr_install_fuzz_deps

seconds=${1:-60}
build=build-fuzz
targets=(packetlink updatepackage remotereplies)

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" \
  -DVYR_SANITIZE=ON -DVYR_BUILD_BENCH=OFF
cmake --build "$build" -j 4 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
failed=()
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  findings="$build/findings"
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$t for $seconds s"
  if ! "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/$t-" "$corpus" "tests/fuzz/corpus/$t"; then
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]} (inputs in $build/findings/)"
  exit 1
fi
echo "no findings"
