#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and
# packaging need, and only those that are missing: Qt's Russian texts, Qt's
# SVG module for the icon generator's scalable icon, and the tools that check
# the desktop entry, the AppStream metadata and the Debian package.
# `install-deps.sh bench` adds what the benchmarks need: an X server in
# memory (Xvfb) and xauth for its cookie.  `install-deps.sh fuzz`
# installs what `make fuzz` needs instead: clang and its libFuzzer and
# sanitizer runtimes.
set -euo pipefail

packages=(
  cmake make g++
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev
  fonts-wine fonts-dejavu-core qt6-svg-dev
  qt6-translations-l10n
  desktop-file-utils appstream lintian dpkg-dev file
)
case "${1:-}" in
  '') ;;
  bench) packages+=(xvfb xauth) ;;
  fuzz) packages=(cmake make clang libclang-rt-14-dev qt6-base-dev) ;;
  *) echo "usage: $0 [bench|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
