#!/usr/bin/env bash
# Installs what is missing, builds Ormane and runs the whole test suite.
# Usage: scripts/test.sh [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build_dir=$(bash scripts/build.sh "$@" | tail -n 1)

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" --timeout 600
