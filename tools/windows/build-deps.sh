#!/usr/bin/env bash
# Prints the prefix of Qt and libjpeg-turbo cross-built for 64-bit Windows,
# building it first (recipe.sh) when the cache has none for this key.
#
# The key covers what is built: the versions of the source packages, the
# host Qt version, the MinGW compiler version, and the text of recipe.sh,
# toolchain.cmake and the patches.  Nothing in this file is part of it.
#
# - A lock (flock) per key: a second run for the same key waits for the
#   first and then uses its prefix.  The prefix is moved into place only when
#   complete, and the work folder goes whatever happens (a folder left by a
#   killed run is removed by the next run that finds its lock free).
# - Package lists older than a day are updated before the versions are read.
# - Prefixes are pruned: the two used last stay, and any prefix whose key's
#   lock another run holds (in use or being built) stays too.
#
# The recipe runs from a copy taken when the key is computed, and this
# script is read whole before it runs, so that a file changed in the
# checkout during a build (an edit, a checkout of another branch) changes
# neither the build nor its key.
#
#   VELORIX_CACHE   cache root (default ~/.cache/velorix)
#   VELORIX_JOBS    parallel build jobs (default: the number of cores)
set -euo pipefail
{
here=$(cd "$(dirname "$0")" && pwd)
cache=${VELORIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velorix}
mkdir -p "$cache"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# apt-get update when this cache last saw the lists updated more than a day
# ago, so that apt-get source finds the versions Debian serves today.
stamp=$cache/apt-lists-updated
if [ -z "$(find "$stamp" -mmin -1440 2>/dev/null)" ]; then
  exec {apt_lock}>"$cache/apt-lists.lock"
  flock "$apt_lock"
  if [ -z "$(find "$stamp" -mmin -1440 2>/dev/null)" ]; then
    echo "Updating the package lists (last updated here more than a day ago)" >&2
    # Another apt run may hold the lists: wait for it a while, and go on with
    # the lists as they are if the update fails.
    if "${sudo[@]}" apt-get update -qq -o DPkg::Lock::Timeout=300 >&2; then
      touch "$stamp"
    else
      echo "build-deps.sh: apt-get update failed; using the package lists as they are" >&2
    fi
  fi
  exec {apt_lock}>&-
fi

# The version apt-get source would fetch: the highest of the deb-src lists.
source_version() {
  local v best=
  for v in $(apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p'); do
    if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
  done
  [ -n "$best" ] || {
    echo "build-deps.sh: no source package $1; is the deb-src entry there?" >&2
    return 1
  }
  echo "$best"
}
recipe_dir=$(mktemp -d)
work=
# shellcheck disable=SC2317 # run by the trap
cleanup() { rm -rf "$recipe_dir" ${work:+"$work" "$prefix.partial"}; }
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
cp "$here/recipe.sh" "$here/toolchain.cmake" "$here"/*.patch "$recipe_dir/"
sources=()
for p in $("$recipe_dir/recipe.sh" --sources); do
  sources+=("$p=$(source_version "$p")")
done
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
mingw=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
recipe=$(cat "$recipe_dir/recipe.sh" "$recipe_dir/toolchain.cmake" "$recipe_dir"/*.patch | sha256sum | cut -c1-12)
key=$(printf '%s\n' "${sources[@]}" "$host_qt" "$mingw" "$recipe" | sha256sum | cut -c1-16)
prefix=$cache/mingw-qt-$key

# Everything of one key is guarded by its lock file, which is never removed.
exec {lock}>"$prefix.lock"
if [ ! -f "$prefix/.complete" ]; then
  if ! flock -n "$lock"; then
    echo "Waiting for another build of $prefix" >&2
    flock "$lock"
  fi
fi
if [ ! -f "$prefix/.complete" ]; then
  work=$cache/work-$key
  rm -rf "$work" "$prefix.partial" "$prefix"
  mkdir -p "$work"
  echo "Cross-building ${sources[*]} into $prefix" >&2
  (cd "$work" && "$recipe_dir/recipe.sh" "$prefix.partial" "${sources[@]}") >&2
  touch "$prefix.partial/.complete"
  mv -T "$prefix.partial" "$prefix"
  rm -rf "$work"
fi
# The prefix's time is its last use.
touch "$prefix"
exec {lock}>&-

# Pruning: a folder whose key's lock another run holds is in use or being
# built.  Of the complete prefixes, the two used last stay.  (flock takes an
# exclusive lock on a file opened for reading too.)
old=()
while IFS= read -r -d '' f; do old+=("$f"); done < <(
  find "$cache" -mindepth 1 -maxdepth 1 -type d -name 'mingw-qt-*' ! -name '*.partial' \
    -printf '%T@ %p\0' | sort -z -r -n | tail -z -n +3 | cut -z -d' ' -f2-
  find "$cache" -mindepth 1 -maxdepth 1 -type d \( -name 'work-*' -o -name '*.partial' \) -print0)
for f in "${old[@]}"; do
  k=${f##*/}
  k=${k%.partial}
  k=${k#mingw-qt-}
  k=${k#work-}
  # Without a lock file the folder is an older script's, which locks
  # nothing: it may be in use, and stays.
  if [ "$k" = "$key" ] || [ ! -f "$cache/mingw-qt-$k.lock" ]; then continue; fi
  exec {old_lock}<"$cache/mingw-qt-$k.lock"
  if flock -n "$old_lock"; then
    echo "Removing $f" >&2
    rm -rf "$f"
  fi
  exec {old_lock}>&-
done
echo "$prefix"
exit
}
