#!/usr/bin/env bash
# Checks by hand that the Debian package installs and runs on a clean Debian 12 (bookworm):
# makes a minimal root with debootstrap, installs the package there with apt, which fetches
# its dependencies (recommended packages left out) from the Debian mirror this machine's apt
# uses, then runs `ormane --version`, `ormane compute` and the window on Qt's offscreen
# platform. Not part of CI: it needs root, the mirror and a few minutes.
# Usage: packaging/check-deb-in-clean-debian.sh [package.deb]
#   Without a package, builds one in build/ with cpack first.
#   MIRROR=<url> to use another mirror; KEEP_ROOT=1 to leave the clean root for a look.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $(id -u) -ne 0 ]]; then
  echo "check-deb: run as root (debootstrap and chroot need it)" >&2
  exit 1
fi
if ! command -v debootstrap >/dev/null 2>&1; then
  echo "== installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null
fi

deb=${1:-}
if [[ -z "$deb" ]]; then
  build_dir=$(bash scripts/build.sh | tail -n 1)
  echo "== cpack -G DEB in $build_dir"
  (cd "$build_dir" && cpack -G DEB >/dev/null)
  deb=$(ls "$build_dir"/ormane_*_"$(dpkg --print-architecture)".deb)
fi
deb=$(realpath "$deb")

mirror=${MIRROR:-$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
  awk '$2 == "bookworm" { print $1; exit }')}
if [[ -z "$mirror" ]]; then
  echo "check-deb: this machine's apt has no bookworm source; give one with MIRROR=<url>" >&2
  exit 1
fi

root=$(mktemp -d /tmp/clean-debian.XXXXXX)
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  if [[ -n "${KEEP_ROOT:-}" ]]; then echo "== clean root left in $root"; else rm -rf "$root"; fi
}
trap cleanup EXIT
in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

echo "== debootstrap --variant=minbase bookworm"
start=$SECONDS
if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1; then
  tail -n 20 "$root.log" >&2
  exit 1
fi
rm -f "$root.log"
echo "   $((SECONDS - start)) s, $(du -sh "$root" | cut -f1)"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The program finds libbasfun through /proc/self/exe.
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"

echo "== apt-get install --no-install-recommends ./$(basename "$deb")"
start=$SECONDS
before=$(in_root dpkg-query -W -f '.\n' | wc -l)
in_root apt-get update -q >/dev/null
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >"$root/tmp/apt.log" 2>&1 ||
  { tail -n 30 "$root/tmp/apt.log" >&2; exit 1; }
after=$(in_root dpkg-query -W -f '.\n' | wc -l)
echo "   $((SECONDS - start)) s, $((after - before)) packages installed"
in_root dpkg-query -W -f '   ${Package} ${Version}\n' ormane

echo "== ormane --version"
in_root ormane --version
echo "== ormane compute --t 2.5 --df 20"
in_root ormane compute --t 2.5 --df 20
echo "== help pages, manual page and desktop files"
for file in /usr/share/ormane/help/en/11.html /usr/share/ormane/help/fr/1.html \
  /usr/lib/ormane/libbasfun.so /usr/share/applications/ormane.desktop \
  /usr/share/metainfo/io.github.ormane.Ormane.metainfo.xml \
  /usr/share/icons/hicolor/48x48/apps/ormane.png /usr/share/doc/ormane/copyright \
  /usr/share/man/man1/ormane.1.gz; do
  if [[ -e "$root$file" ]]; then echo "   $file"; else echo "check-deb: $file is missing" >&2; exit 1; fi
done
echo "== the window, on Qt's offscreen platform, for 3 seconds"
status=0
in_root env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=/tmp/config timeout 3 ormane || status=$?
if ((status != 124)); then
  echo "check-deb: the window ended with exit code $status before 3 seconds" >&2
  exit 1
fi
echo "   still open after 3 seconds"
echo "== apt-get remove ormane"
in_root apt-get remove -y -q ormane >/dev/null
in_root sh -c '! command -v ormane' && echo "   removed"
echo "check-deb: the package installs and runs on a clean Debian 12"
