#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and
# packaging need, and only those that are missing: Qt's Russian texts, Qt
# Linguist's lupdate and lrelease with their CMake functions (the English
# edition's translation is built from translations/velorix_en.ts), Qt's
# SVG module for the icon generator's scalable icon, Qt Charts for the
# characteristic windows (with Qt OpenGL's CMake files, which its CMake
# package needs and Debian's qt6-charts-dev does not bring), and the tools
# that check the desktop entry, the AppStream metadata and the Debian package,
# and MPFR, which the test of the software extended arithmetic links.
# `install-deps.sh bench` adds what the benchmarks need: an X server in
# memory (Xvfb), xauth for its cookie, and valgrind to count instructions.
# `install-deps.sh fuzz` installs what `make fuzz` needs instead: clang and
# its libFuzzer and sanitizer runtimes.  `install-deps.sh windows` adds what the Windows
# edition needs: the MinGW-w64 cross compiler, Wine to run and test it, NSIS
# for its installer, nasm and Ninja for building Qt and libjpeg-turbo from
# Debian's source packages (a deb-src entry is added when there is none),
# Xvfb with xwininfo to see the installed program's windows and xdotool to
# type into them, and the ru_RU.UTF-8 and en_US.UTF-8 locales, which Wine
# needs to give the locale tests Russian and English regional settings.
# `install-deps.sh arm64` adds the arm64 cross compiler and qemu-user for
# `make arm64` and `make test-arm64` (the arm64 libraries come as packages
# unpacked into the cache, never installed).
set -euo pipefail

packages=(
  cmake make g++
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev
  fonts-wine fonts-dejavu-core qt6-svg-dev
  qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  desktop-file-utils appstream lintian dpkg-dev file
  libmpfr-dev
  python3
)
case "${1:-}" in
  '') ;;
  bench) packages+=(xvfb xauth valgrind) ;;
  fuzz) packages=(cmake make clang libclang-rt-14-dev qt6-base-dev) ;;
  windows)
    packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine nsis nasm ninja-build
      patch xvfb xauth x11-utils xdotool) ;;
  arm64) packages+=(g++-aarch64-linux-gnu qemu-user-static) ;;
  *) echo "usage: $0 [bench|fuzz|windows|arm64]" >&2; exit 2 ;;
esac

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# Debian's source packages: the same suites as the binary ones, security
# updates included, main only.  The entry is ours when we wrote it, and then
# kept up to date; a system's own deb-src entry is left as it is.
sources_added=
deb_src=/etc/apt/sources.list.d/velorix-deb-src.sources
if [ "${1:-}" = windows ] &&
  { [ -f "$deb_src" ] || ! apt-get source --print-uris qt6-base >/dev/null 2>&1; }; then
  entry=$(printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
    'Suites: bookworm bookworm-updates' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' '' \
    'Types: deb-src' 'URIs: http://deb.debian.org/debian-security' \
    'Suites: bookworm-security' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg')
  if [ "$(cat "$deb_src" 2>/dev/null)" != "$entry" ]; then
    printf '%s\n' "$entry" | "${sudo[@]}" tee "$deb_src" >/dev/null
    sources_added=1
  fi
fi

[ "${1:-}" != windows ] || packages+=(locales)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
elif [ -n "$sources_added" ]; then
  "${sudo[@]}" apt-get update
fi

# Wine takes a program's regional settings from LC_ALL only when the system
# has that locale: the Russian and English ones the locale tests ask for.
if [ "${1:-}" = windows ]; then
  generate=
  for l in ru_RU en_US; do
    locale -a | grep -qx "$l.utf8" && continue
    "${sudo[@]}" sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$l.UTF-8 UTF-8" /etc/locale.gen ||
      echo "$l.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    generate=1
  done
  [ -z "$generate" ] || "${sudo[@]}" locale-gen
fi
