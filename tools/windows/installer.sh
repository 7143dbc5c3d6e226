#!/usr/bin/env bash
# Builds the installer of a portable folder:
#   installer.sh FOLDER VERSION APP_ID OUTFILE [--store]
# --store leaves the files uncompressed, which takes seconds instead of the
# minute or more that LZMA takes here (test.sh's older version).
# The installer lists every file it installs, so that the uninstaller
# removes exactly those and then the folders it made, if empty.  APP_ID names
# the mutexes by which the installer sees that the program runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(cd "$1" && pwd)
version=$2
app_id=$3
outfile=$4
store=()
[ "${5:-}" != --store ] || store=(-DSTORE)

lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT
# Text in NSIS's quotes: a $ doubled; a path inside the folder with
# Windows' separators.
esc() { printf '%s' "${1//\$/\$\$}"; }
nsis() { esc "${1//\//\\}"; }
(
  cd "$dist"
  while IFS= read -r -d '' d; do
    echo "SetOutPath \"\$INSTDIR$(nsis "${d#.}")\""
    while IFS= read -r -d '' f; do
      echo "File \"$(esc "$dist/${f#./}")\""
    done < <(find "$d" -mindepth 1 -maxdepth 1 -type f -print0 | sort -z)
  done < <(find . -type d -print0 | sort -z) >"$lists/install.nsh"
  while IFS= read -r -d '' f; do
    echo "Delete \"\$INSTDIR\\$(nsis "${f#./}")\""
  done < <(find . -type f -print0 | sort -z) >"$lists/uninstall-files.nsh"
  while IFS= read -r -d '' d; do
    echo "RMDir \"\$INSTDIR\\$(nsis "${d#./}")\""
  done < <(find . -mindepth 1 -type d -print0 | sort -z -r) >"$lists/uninstall-dirs.nsh"
)
makensis -V2 "${store[@]}" -DVERSION="$version" -DAPP_ID="$app_id" -DOUTFILE="$outfile" -DFILES="$lists" \
  -DICON="$root/assets/icon.ico" -DLICENSE="$root/LICENSE" "$root/tools/windows/velorix.nsi"
