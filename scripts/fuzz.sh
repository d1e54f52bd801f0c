#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time,
# starting from the seed corpus in fuzz/corpus/<target>/ (new inputs go to build-fuzz/corpus/,
# the committed seeds stay as they are).
# Usage: scripts/fuzz.sh [seconds-per-target]   (default 60)
# Fails on any crash, sanitizer report, timeout or memory excess.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "usage: scripts/fuzz.sh [seconds-per-target]" >&2
  exit 2
fi

build_dir=build-fuzz
cmake -S . -B "$build_dir" -G Ninja -DORMANE_FUZZ=ON -DORMANE_WERROR=ON \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --parallel 2

status=0
for target in fuzz_reading fuzz_format fuzz_csv; do
  corpus="$build_dir/corpus/$target"
  artifacts="$build_dir/artifacts/$target"
  log="$build_dir/$target.log"
  mkdir -p "$corpus" "$artifacts"
  echo "== $target: ${seconds}s"
  # -timeout: one input taking more than 10 s is a hang.
  if ! "$build_dir/bin/$target" "$corpus" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1; then
    echo "$target FAILED (see $log and $artifacts/)" >&2
    tail -n 40 "$log" >&2
    status=1
    continue
  fi
  if grep -qE "runtime error:|ERROR: (AddressSanitizer|libFuzzer|UndefinedBehaviorSanitizer)" "$log"; then
    echo "$target FAILED: sanitizer report in $log" >&2
    status=1
    continue
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$log" || true
  echo "$target: no failure"
done
exit "$status"
