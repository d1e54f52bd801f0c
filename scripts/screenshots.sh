#!/usr/bin/env bash
# Redoes the README's pictures of the calculator window and of its K-prime dialog, in English
# and in French, on Qt's offscreen platform: docs/screenshots/ormane-en.png, ormane-fr.png,
# kprime-en.png and kprime-fr.png.
# Each starts from a settings file of its own holding the language and the picture pane
# shown on the t scale: the window shows the default example, every result ticked, with
# its picture.
# Usage: bash scripts/screenshots.sh [BUILD_DIR]
#   without BUILD_DIR it builds first (scripts/build.sh); with one it uses the screenshot
#   tool already built there.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -ge 1 ]]; then
  build_dir=$1
else
  build_dir=$(bash scripts/build.sh | tail -n 1)
fi
mkdir -p docs/screenshots
for language in en fr; do
  config=$(mktemp -d)
  mkdir -p "$config/ormane"
  # The stored language is the language menu's code: 1 English, 0 French.
  code=1
  [[ $language == fr ]] && code=0
  printf "[Options]\nL=%s\nImage=1\nEchelleImage=0\n" "$code" >"$config/ormane/ormane.ini"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" \
    "$build_dir/bin/screenshot_window" "docs/screenshots/ormane-$language.png"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" \
    "$build_dir/bin/screenshot_window" --kprime "docs/screenshots/kprime-$language.png"
  rm -rf "$config"
done
