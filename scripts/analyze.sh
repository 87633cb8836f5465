#!/usr/bin/env bash
# Static analysis of the project's own sources (src/, bench/, tests/): clang-tidy
# with .clang-tidy's checks and cppcheck (warning, performance, portability).
# Either one's finding fails the script. Needs build/debug configured (its
# compile_commands.json); scripts/test.sh runs this after that build.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages "${analysis_packages[@]}" python3

database=$root/build/analysis
mkdir -p "$database"
# The project's files only: generated sources (moc, resources) are not ours to check.
python3 - "$root" "$root/build/debug/compile_commands.json" "$database/compile_commands.json" <<'PY'
import json, sys
root, source, target = sys.argv[1:]
ours = tuple(f"{root}/{folder}/" for folder in ("src", "bench", "tests"))
entries = [entry for entry in json.load(open(source)) if entry["file"].startswith(ours)]
json.dump(entries, open(target, "w"), indent=1)
PY

echo "== clang-tidy"
start=$SECONDS
run-clang-tidy-14 -p "$database" -j "$(nproc)" -quiet >"$database/clang-tidy.log" 2>&1 || {
  grep -E -A3 ': (warning|error):' "$database/clang-tidy.log" >&2 || tail -n 40 "$database/clang-tidy.log" >&2
  echo "clang-tidy found problems (all of them: $database/clang-tidy.log)" >&2
  exit 1
}
echo "clean, $((SECONDS - start)) s"

echo "== cppcheck"
start=$SECONDS
cppcheck --project="$database/compile_commands.json" --enable=warning,performance,portability --inline-suppr \
  --library=googletest --library=qt --library=posix --suppress=missingIncludeSystem --std=c++20 --error-exitcode=1 --quiet -j "$(nproc)" \
  --cppcheck-build-dir="$database" 2>&1
echo "clean, $((SECONDS - start)) s"
