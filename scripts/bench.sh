#!/usr/bin/env bash
# Builds the benchmarks and prints one table of medians: start-up and peak
# memory against a bare Qt program, every handler against its floor, a delete
# with the deletions kept at their bound against the same with none, finding
# websites against reading every file once, and each keystroke's search
# against an absolute bound (a target in ms: no floor, no ratio).
#   TARVOLA_BENCH_DIR          build directory (default build/bench)
#   TARVOLA_BENCH_REPETITIONS  repetitions of each handler benchmark (default 9)
#   TARVOLA_BENCH_ROUNDS       rounds of the start-up comparison (default 21)
# Arguments are passed on to the handler benchmarks (e.g. --benchmark_filter=website).
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages "${build_packages[@]}" libbenchmark-dev jq

dir=${TARVOLA_BENCH_DIR:-$root/build/bench}
repetitions=${TARVOLA_BENCH_REPETITIONS:-9}
rounds=${TARVOLA_BENCH_ROUNDS:-21}

cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTARVOLA_BUILD_TESTS=OFF -DTARVOLA_BUILD_BENCH=ON -DTARVOLA_WERROR=ON >/dev/null
cmake --build "$dir" >&2

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
rows=$(mktemp)
results=$(mktemp)
medians=$(mktemp)
trap 'rm -f "$rows" "$results" "$medians"' EXIT

echo "== start-up, $rounds rounds" >&2
"$dir/bench/tarvola_bench_startup_compare" "$rounds" >>"$rows"

echo "== handlers, $repetitions repetitions, interleaved" >&2
"$dir/bench/tarvola_bench_handlers" \
  --benchmark_repetitions="$repetitions" \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$results" --benchmark_out_format=json "$@" >&2

# "<workload>/<program|floor>/iterations:N/real_time" -> one row per workload;
# a workload whose run failed its own check (or gave no median) gets a row
# that says so, with the message, instead of figures. A target is a ratio to
# the floor, or a time ("50 ms") that the program's median must stay within.
jq -r '
  [.benchmarks[]
   | (.run_name | split("/")) as $name
   | {workload: $name[0], kind: $name[1], median: (if .aggregate_name == "median" then .real_time else null end),
      unit: .time_unit, error: (if .error_occurred == true then "\($name[1]): \(.error_message)" else null end)}]
  | group_by(.workload)[]
  | {workload: .[0].workload, unit: .[0].unit,
     program: (map(select(.kind == "program" and .median != null))[0].median),
     floor: (map(select(.kind == "floor" and .median != null))[0].median),
     errors: ([.[].error | select(. != null)] | unique | join("; "))}
  | .target = (if (.workload | test("against none kept$")) then "2"
               elif (.workload | test("^keystroke to results")) then "50 ms"
               else "1.5" end)
  | .absolute = (.target | test(" ms$"))
  | .errors = (if .errors == "" and (.program == null or (.floor == null and (.absolute | not))) then "no median"
               else .errors end)
  | [.workload, (.program // 0), (.floor // 0), (if .unit == "us" then "µs" else .unit end), .target, .errors] | @tsv
' "$results" >"$medians"
# In the order the benchmarks are registered.
"$dir/bench/tarvola_bench_handlers" --benchmark_list_tests "$@" | cut -d/ -f1 | awk '!seen[$0]++' |
  while IFS= read -r workload; do
    row=$(awk -F'\t' -v w="$workload" '$1 == w' "$medians")
    printf '%s\n' "${row:-$workload$'\t'0$'\t'0$'\t'ms$'\t'1.5$'\t'no result}"
  done >>"$rows"

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
memory=$(free -g | awk '/^Mem:/ {print $2 " GiB"}')
echo
echo "Machine: $(nproc) cores, $cpu, $memory RAM; $(uname -sr); Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)."
echo "Date: $(date -u +%Y-%m-%d). Medians of $rounds start-up rounds and of $repetitions interleaved repetitions."
echo
echo "| workload | program | floor | ratio | target | met |"
echo "|---|---:|---:|---:|---:|:---:|"
awk -F'\t' '
  function shown(x) { return sprintf(x < 1 ? "%.3f" : x < 10 ? "%.2f" : x < 100 ? "%.1f" : "%.0f", x) }
  function target(t) { return t ~ / ms$/ ? "≤ " t : t "×" }
  function inMs(x, unit) { return unit == "s" ? x * 1000 : unit == "µs" ? x / 1000 : unit == "ns" ? x / 1e6 : x }
  $6 != "" {
    printf "| %s | FAILED: %s | | | %s | **no** |\n", $1, $6, target($5)
    next
  }
  $5 ~ / ms$/ {
    printf "| %s | %s %s | — | — | %s | %s |\n", $1, shown($2), $4, target($5), (inMs($2, $4) <= $5 + 0 ? "yes" : "no")
    next
  }
  {
    ratio = $3 > 0 ? $2 / $3 : 0
    printf "| %s | %s %s | %s %s | %.2f× | %s× | %s |\n", $1, shown($2), $4, shown($3), $4, ratio, $5,
      (ratio <= $5 ? "yes" : "no")
  }' "$rows"

failed=$(awk -F'\t' '$6 != ""' "$rows")
if [[ -n $failed ]]; then
  {
    echo
    echo "!!! $(wc -l <<<"$failed") benchmark row(s) FAILED their check; their figures mean nothing:"
    awk -F'\t' '{ printf "!!!   %s: %s\n", $1, $6 }' <<<"$failed"
  } >&2
  exit 1
fi
