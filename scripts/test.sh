#!/usr/bin/env bash
# Installs what is missing, builds Ormane and runs the whole test suite.
# Usage: scripts/test.sh [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build_dir=$(bash scripts/build.sh "$@" | tail -n 1)

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" --timeout 600

# The web page: its build (which runs the numeric core's and the binding's tests under Node)
# and its tests in Chromium, against the native program just built. Not under the
# sanitizers, which the WebAssembly build does not have.
if [[ "${1:-}" != "--sanitize" ]]; then
  bash scripts/web.sh --build-only >/dev/null
  ctest --test-dir build-web --output-on-failure --parallel "$(nproc)" --timeout 600
  (cd tests/web/browser && npm ci --no-audit --no-fund --silent &&
    ORMANE_NATIVE="$PWD/../../../$build_dir/bin/ormane" node --test)
fi
