#!/usr/bin/env bash
# Prints the folder of an arm64 Debian 12 system root for cross-building and
# running Velorix under qemu-user: Debian's own arm64 packages of Qt,
# libjpeg-turbo and MPFR with everything they depend on, unpacked with
# `dpkg -x` into ~/.cache/velorix/arm64-sysroot-KEY.  The host's package
# database is not touched: the arm64 package lists live in the cache, read
# by apt-get with its own state folders, and nothing is installed.
#
# The key covers what is unpacked: the name and version of every package.
#
# - A lock (flock) per key: a second run for the same key waits for the
#   first and then uses its root.  The root is moved into place only when
#   complete; a partial one is removed by the next run that finds its lock
#   free.
# - The arm64 package lists are updated when older than a day.
# - Roots are pruned: the two used last stay, and any root in use (see
#   tools/arm64/common.sh) or being built stays too.
#
#   VELORIX_CACHE   cache root (default ~/.cache/velorix)
set -euo pipefail
{
cache=${VELORIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velorix}
mkdir -p "$cache"

# What the build and the tests need, as arm64 packages; their dependencies
# (without recommendations) come with them.
roots=(
  libc6-dev libstdc++-12-dev
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev libmpfr-dev
)

# apt-get on the arm64 lists of Debian 12, kept in the cache.
apt_dir=$cache/arm64-apt
apt=(apt-get -q -o "Dir::State=$apt_dir/state" -o "Dir::Cache=$apt_dir/cache"
  -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=-
  -o APT::Architecture=arm64 -o APT::Architectures=arm64
  -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
exec {apt_lock}>"$cache/arm64-apt.lock"
flock "$apt_lock"
if [ -z "$(find "$apt_dir/updated" -mmin -1440 2>/dev/null)" ]; then
  mkdir -p "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial"
  printf '%s\n' \
    'deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main' \
    'deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main' \
    'deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main' \
    >"$apt_dir/sources.list"
  : >"$apt_dir/state/status"
  echo "Updating the arm64 package lists" >&2
  "${apt[@]}" -o Dir::State::status="$apt_dir/state/status" update >&2
  touch "$apt_dir/updated"
fi
apt+=(-o Dir::State::status="$apt_dir/state/status")
apt_cache=(apt-cache "${apt[@]:2}")

# The packages with every dependency, each once, and their versions.
mapfile -t packages < <("${apt_cache[@]}" depends --recurse --no-recommends --no-suggests \
  --no-conflicts --no-breaks --no-replaces --no-enhances "${roots[@]}" |
  grep -E '^[a-z0-9]' | sed 's/:arm64$//' | sort -u)
# Virtual packages have no candidate: a real one that provides them is in
# the list already.
mapfile -t versioned < <("${apt_cache[@]}" policy "${packages[@]}" |
  awk '/^[^ ]/ { name = $1; sub(/:$/, "", name); sub(/:arm64$/, "", name) }
       /^  Candidate:/ && $2 != "(none)" { print name "=" $2 }')
key=$(printf '%s\n' "${versioned[@]}" | sha256sum | cut -c1-16)
root=$cache/arm64-sysroot-$key

exec {lock}>"$root.lock"
if [ ! -f "$root/.complete" ]; then
  if ! flock -n "$lock"; then
    echo "Waiting for another run building $root" >&2
    flock "$lock"
  fi
fi
if [ ! -f "$root/.complete" ]; then
  rm -rf "$root.partial" "$root"
  mkdir -p "$root.partial"
  trap 'rm -rf "$root.partial"' EXIT
  echo "Unpacking ${#versioned[@]} arm64 packages into $root" >&2
  (cd "$apt_dir/cache/archives" && "${apt[@]}" download "${versioned[@]}" >&2)
  db=$root.partial/var/lib/dpkg
  mkdir -p "$db/info"
  printf '%s\n' amd64 arm64 >"$db/arch"
  echo 1 >"$db/info/format"
  for p in "${versioned[@]}"; do
    name=${p%%=*} version=${p#*=}
    deb=$(echo "$apt_dir/cache/archives/${name}_${version//:/%3a}_"*.deb)
    dpkg -x "$deb" "$root.partial"
    # A dpkg database of the root, for dpkg-shlibdeps (DPKG_ADMINDIR) to
    # find which package, of which version, gives each library the arm64
    # package links: its status entry, its file list (with the paths the
    # files have in the root) and its symbols and shlibs files.
    { dpkg-deb -f "$deb" | grep -v '^Status:'; echo 'Status: install ok installed'; echo; } >>"$db/status"
    # (In the multiarch database format, 1, the files of a package that
    # may be installed for several architectures carry its architecture.)
    info=$db/info/$name
    [ "$(dpkg-deb -f "$deb" Multi-Arch)" != same ] || info=$info:arm64
    dpkg-deb --fsys-tarfile "$deb" | tar -t | sed "s|^\./|$root/|; s|/$||; s|^\.$|/|" >"$info.list"
    control=$(mktemp -d)
    dpkg-deb -e "$deb" "$control"
    for f in symbols shlibs; do [ ! -f "$control/$f" ] || cp "$control/$f" "$info.$f"; done
    rm -rf "$control"
  done
  # The fonts' configuration is the host's, as on the machine the program
  # runs on (the root's own, under qemu, would place text differently).
  rm -rf "$root.partial/etc/fonts"
  # Absolute symbolic links point into the host: make them relative, so
  # that the linker and qemu stay inside the root.
  find "$root.partial" -type l -lname '/*' -print0 | while IFS= read -r -d '' l; do
    ln -sfn "$(realpath -m --relative-to="$(dirname "$l")" "$root.partial$(readlink "$l")")" "$l"
  done
  touch "$root.partial/.complete"
  mv -T "$root.partial" "$root"
  trap - EXIT
  # The downloaded packages are in the root now.
  rm -f "$apt_dir/cache/archives/"*.deb
fi
touch "$root"
exec {lock}>&-
exec {apt_lock}>&-

# Pruning: of the complete roots the two used last stay; one whose lock
# another run holds is in use and stays.
while IFS= read -r -d '' f; do
  k=${f##*/arm64-sysroot-}
  k=${k%.partial}
  [ "$k" != "$key" ] && [ -f "$cache/arm64-sysroot-$k.lock" ] || continue
  exec {old_lock}<"$cache/arm64-sysroot-$k.lock"
  if flock -n "$old_lock"; then
    echo "Removing $f" >&2
    rm -rf "$f"
  fi
  exec {old_lock}>&-
done < <(
  find "$cache" -mindepth 1 -maxdepth 1 -type d -name 'arm64-sysroot-*' ! -name '*.partial' \
    -printf '%T@ %p\0' | sort -z -r -n | tail -z -n +3 | cut -z -d' ' -f2-
  find "$cache" -mindepth 1 -maxdepth 1 -type d -name 'arm64-sysroot-*.partial' -print0)
echo "$root"
exit
}
