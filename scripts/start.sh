#!/usr/bin/env bash
# Installs what is missing, builds Ormane and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build_dir=$(bash scripts/build.sh | tail -n 1)
if [[ -x "$build_dir/bin/ormane" ]]; then
  exec "$build_dir/bin/ormane" "$@"
fi
echo "The calculator window is not built yet; running the numeric benchmarks instead."
for b in "$build_dir"/bin/bench_*; do "$b"; done
