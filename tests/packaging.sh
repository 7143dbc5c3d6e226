#!/usr/bin/env bash
# The desktop integration and the Debian package, checked with Debian's tools.
# CTest runs one check per entry, from a build tree whose targets are built:
#   packaging.sh desktop  BUILD ID VERSION PROBE   desktop-file-validate
#   packaging.sh metainfo BUILD ID VERSION PROBE   appstreamcli validate
#   packaging.sh install  BUILD ID VERSION PROBE   cmake --install into a temporary prefix
#   packaging.sh package  BUILD ID VERSION PROBE   cpack, lintian, the package's fields
#                                                  and files, and its program started
# lintian must find neither errors nor warnings.
# PROBE is the folder of the test plugin that reports the first shown window.
set -euo pipefail

mode=$1 build=$2 id=$3 version=$4 probe=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

# The files that installing puts in place, relative to the prefix.
expected_files() {
  echo "bin/velorix"
  echo "lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/velorix/velorix_plots.so"
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for size in 16 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  echo "share/man/man1/velorix.1.gz"
  echo "share/doc/velorix/changelog.gz"
  echo "share/doc/velorix/copyright"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/p' "$1" | sed -n "s/^$2=//p"
}

# Checks an installed tree under ROOT/PREFIX: every file there, nothing more,
# the icons of their stated sizes, and the desktop entry pointing at them.
check_tree() {
  local root=$1
  (cd "$root" && find . -type f -printf '%P\n' | sort) >"$work/found"
  expected_files | sort >"$work/expected"
  check "installed files are exactly the expected ones" diff -u "$work/expected" "$work/found"
  check "bin/velorix is an executable ELF program" \
    bash -c "[ -x '$root/bin/velorix' ] && file -b '$root/bin/velorix' | grep -q '^ELF 64-bit LSB pie executable'"
  for size in 16 32 48 64 128 256; do
    local icon="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    check "icon ${size}x${size} decodes as a ${size} x ${size} PNG" \
      bash -c "file -b '$icon' | grep -q '^PNG image data, $size x $size, 8-bit/color RGBA'"
  done
  local svg="$root/share/icons/hicolor/scalable/apps/$id.svg"
  check "the scalable icon is an SVG drawn on a square" \
    bash -c "file -b '$svg' | grep -q '^SVG Scalable Vector Graphics image' && grep -q 'viewBox=\"0 0 48 48\"' '$svg'"
  local entry="$root/share/applications/$id.desktop"
  check "the desktop entry starts the installed program" test "$(desktop_value "$entry" Exec)" = velorix
  check "the desktop entry names the installed icon" test "$(desktop_value "$entry" Icon)" = "$id"
  check "the metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/share/metainfo/$id.metainfo.xml"
  check "the metainfo releases version $version" \
    grep -q "<release version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml"
  check "the changelog is for version $version" \
    bash -c "gzip -dc '$root/share/doc/velorix/changelog.gz' | head -1 | grep -q '^velorix ($version) '"
}

case $mode in
desktop)
  out=$(desktop-file-validate "$build/data/$id.desktop" 2>&1) || fail "desktop-file-validate failed"
  echo "$out"
  [ -z "$out" ] || fail "desktop-file-validate reported: $out"
  ;;
metainfo)
  out=$(appstreamcli validate --no-net "$build/data/$id.metainfo.xml" 2>&1) || fail "appstreamcli failed"
  echo "$out"
  ! grep -qE '^[EW]: ' <<<"$out" || fail "appstreamcli reported errors or warnings"
  ;;
install)
  cmake --install "$build" --prefix "$work/prefix" >"$work/log" || { cat "$work/log"; fail "cmake --install"; }
  check_tree "$work/prefix"
  ;;
package)
  arch=$(dpkg-architecture -qDEB_HOST_ARCH) # arm64 when cross-built (DEB_HOST_ARCH)
  (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1) ||
    { cat "$work/log"; fail "cpack"; exit 1; }
  deb="$work/out/velorix_${version}_${arch}.deb"
  check "cpack wrote velorix_${version}_${arch}.deb" test -f "$deb"
  [ -f "$deb" ] || { ls "$work/out"; exit 1; }

  echo "lintian:"
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian reports errors or warnings"

  field() { dpkg-deb -f "$deb" "$1"; }
  check "Package is velorix" test "$(field Package)" = velorix
  check "Version is $version" test "$(field Version)" = "$version"
  check "Architecture is $arch" test "$(field Architecture)" = "$arch"
  check "Section is science" test "$(field Section)" = science
  check "Recommends fonts-wine" grep -qw fonts-wine <<<"$(field Recommends)"
  check "Maintainer is set" grep -q '<.*@.*>' <<<"$(field Maintainer)"
  check "Description has a synopsis and a long text" test "$(field Description | wc -l)" -ge 3
  depends=$(field Depends)
  echo "Depends: $depends"
  # dpkg-shlibdeps finds the libraries the program links, with versions.
  for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo libqt6charts6; do
    check "Depends on $lib (>= version)" grep -qF ", $lib (>= " <<<", $depends"
  done
  if [ -n "${VELORIX_EMULATOR:-}" ]; then
    # Cross-built (arm64): its dependencies among the packages of the root it
    # was built against, whose dpkg database DPKG_ADMINDIR names.
    check "dpkg would install it among the packages it was built against" \
      dpkg --dry-run --install "$deb"
  else
    check "apt-get would install it with its dependencies" \
      bash -c "apt-get install -s -q '$deb' 2>&1 | grep -q '^Inst velorix '"
  fi

  dpkg-deb -x "$deb" "$work/root"
  check_tree "$work/root/usr"

  # The packaged program, started on the offscreen platform, shows its main
  # window; the probe plugin then reports it and ends the program.
  status=0
  # (Cross-built, through the emulator, with the Qt plugins it names.)
  read -ra emulator <<<"${VELORIX_EMULATOR:-}"
  QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$probe${QT_PLUGIN_PATH:+:$QT_PLUGIN_PATH}" \
    QT_QPA_GENERIC_PLUGINS=velorixprobe \
    timeout 60 "${emulator[@]}" "$work/root/usr/bin/velorix" 2>"$work/run" || status=$?
  cat "$work/run"
  check "the packaged program ended normally" test "$status" -eq 0
  check "its main window, and only it, is shown" \
    bash -c "[ \"\$(grep -c '^shown: ' '$work/run')\" = 1 ] && grep -qE '^shown: Form1 \"Velorix\" [0-9]+x[0-9]+$' '$work/run'"
  wmclass=$(desktop_value "$work/root/usr/share/applications/$id.desktop" StartupWMClass)
  check "it runs as \"$wmclass\" $version, desktop file $id (StartupWMClass)" \
    grep -qx "application: \"$wmclass\" $version $id" "$work/run"
  ;;
*)
  echo "unknown check: $mode" >&2
  exit 2
  ;;
esac

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
