#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz/*_fuzz.cpp; clang, core only, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each one for its
# share of the time, on its committed seeds and on what earlier runs found.
#   scripts/fuzz.sh [seconds]   time for all targets together (default 60)
# A failing input is kept in build/fuzz/artifacts/ and ends the script with an error.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages "${build_packages[@]}" "${fuzz_packages[@]}"

seconds=${1:-60}
dir=$root/build/fuzz
names=()
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  names+=("$(basename "$source" _fuzz.cpp)")
done

configure_and_build_targets() {
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARVOLA_BUILD_UI=OFF -DTARVOLA_FUZZ=ON -DTARVOLA_WERROR=ON >/dev/null
  cmake --build "$dir" --target "${names[@]/%/_fuzz}"
}
configure_and_build_targets

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
share=$((seconds / ${#names[@]}))
((share > 0)) || share=1
mkdir -p "$dir/artifacts"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== fuzzing ${#names[@]} targets, ${share} s each"
for name in "${names[@]}"; do
  found=$dir/corpus/$name
  mkdir -p "$found"
  if ! "$dir/tests/fuzz/${name}_fuzz" -max_total_time="$share" -max_len=8192 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$dir/artifacts/${name}-" "$found" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed; the input is in $dir/artifacts/" >&2
    exit 1
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  echo "$name: $runs executions in ${share} s, corpus $(find "$found" -type f | wc -l) inputs"
done
