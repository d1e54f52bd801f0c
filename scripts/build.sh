#!/usr/bin/env bash
# Configures and builds Ormane. Usage: scripts/build.sh [--sanitize]
#   default:     build/          optimised, with tests and benchmarks
#   --sanitize:  build-sanitize/ AddressSanitizer + UndefinedBehaviorSanitizer, tests only
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DORMANE_WERROR=ON)
if [[ "${1:-}" == "--sanitize" ]]; then
  build_dir=build-sanitize
  options+=(-DORMANE_SANITIZE=ON -DORMANE_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
            "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g")
fi

cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
echo "$build_dir"
