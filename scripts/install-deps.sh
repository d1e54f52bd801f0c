#!/usr/bin/env bash
# Installs the Debian packages Ormane needs to build, test and run; only the missing ones.
# Works as root (apt-get directly) and as a user with sudo.
# Usage: scripts/install-deps.sh [--web]   (--web: also what the web page's build and its
# browser tests need: emscripten, Node.js with npm, Chromium)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
  libboost-math-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev libxml2-dev
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream dpkg-dev file
  locales
)
if [[ "${1:-}" == "--web" ]]; then
  # emscripten's own dependencies bring its compiler and node-acorn. A Node.js from outside
  # Debian (which then has no npm package) counts as installed.
  packages+=(emscripten chromium)
  command -v node >/dev/null 2>&1 || packages+=(nodejs)
  command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  as_root=(false)
fi

# The formatting tests read numbers under a locale whose decimal symbol is a comma.
french_locale() {
  locale -a 2>/dev/null | grep -qix 'fr_FR.utf8' && return 0
  command -v locale-gen >/dev/null 2>&1 || return 0
  echo "install-deps: generating the fr_FR.UTF-8 locale"
  "${as_root[@]}" sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'fr_FR.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
}
french_locale_or_say() {
  french_locale || echo "install-deps: could not generate fr_FR.UTF-8; the decimal-comma test will be skipped" >&2
}

if ((${#missing[@]} == 0)); then
  echo "install-deps: every package is already installed"
  french_locale_or_say
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [[ ${as_root[*]} == false ]]; then
  echo "install-deps: missing packages and neither root nor sudo: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
french_locale_or_say
