#!/usr/bin/env bash
# Installs what is missing, builds the web page into build-web/site/ (a folder of static
# files: the page, the WebAssembly module, the help pages) and serves it on 127.0.0.1.
# Usage: scripts/web.sh [--build-only]   (PORT=8080 by default)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --web
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DORMANE_WERROR=ON >/dev/null
cmake --build build-web --parallel "$(nproc)"
echo "build-web/site"
[[ "${1:-}" == "--build-only" ]] && exit 0
exec node web/tools/serve.mjs build-web/site "${PORT:-8080}"
