#!/usr/bin/env bash
# Builds with warnings as errors and runs every test: the normal build, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, the core alone
# without Qt, static analysis, a minute of fuzzing, and the core built for
# Windows and run under Wine.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages "${build_packages[@]}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0

run_suite() {
  local dir=$1
  shift
  echo "== $dir"
  configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DTARVOLA_WERROR=ON "$@"
  ctest --test-dir "$root/$dir" --output-on-failure --timeout 120 -j "$(nproc)"
}

# The benchmarks are built here so they keep compiling, but not run.
run_suite build/debug -DTARVOLA_BUILD_BENCH=ON
run_suite build/asan -DTARVOLA_SANITIZE=ON
run_suite build/core -DTARVOLA_BUILD_UI=OFF
"$root/scripts/analyze.sh"
"$root/scripts/fuzz.sh" 60
"$root/scripts/test-windows.sh"
