#!/usr/bin/env bash
# Prints the prefix of Qt, Qt Charts and libjpeg-turbo cross-built for
# 64-bit Windows, building it first when the cache has none for this key, in
# two cached steps: qtbase and libjpeg-turbo (recipe.sh), then Qt Charts on a
# copy of that prefix (recipe-charts.sh), so that a change to the second
# step rebuilds only the second.
#
# Each step's key covers what it builds: the versions of its source
# packages, and the text of its recipe, toolchain.cmake (and the patches);
# the first step's also the host Qt and MinGW compiler versions, and the
# second step's the first step's key.  Nothing in this file is part of them.
#
# - A lock (flock) per key: a second run for the same key waits for the
#   first and then uses its prefix.  A prefix is moved into place only when
#   complete, and the work folder goes whatever happens (a folder left by a
#   killed run is removed by the next run that finds its lock free).
# - Package lists older than a day are updated before the versions are read.
# - Prefixes are pruned: the two used last stay, and any prefix whose key's
#   lock another run holds (in use, see use_prefix in common.sh, or being
#   built) stays too.
#
# The recipes run from copies taken when the keys are computed, and this
# script is read whole before it runs, so that a file changed in the
# checkout during a build (an edit, a checkout of another branch) changes
# neither the build nor its key.
#
#   VELORIX_CACHE   cache root (default ~/.cache/velorix)
#   VELORIX_JOBS    parallel build jobs (default: the number of cores)
#   VELORIX_SOURCES a folder of upstream archives, for a mirror that serves
#                   a source package's .dsc but not its archives
#                   (recipe-charts.sh)
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
prefix=
# shellcheck disable=SC2317 # run by the trap
cleanup() { rm -rf "$recipe_dir" ${work:+"$work" "$prefix.partial"}; }
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
cp "$here"/recipe*.sh "$here/toolchain.cmake" "$here"/*.patch "$recipe_dir/"

# build_prefix KEY RECIPE ARGS...: $cache/mingw-qt-KEY, made by
# `RECIPE PARTIAL ARGS...` in an empty work folder when the cache has no
# complete one.  Everything of one key is guarded by its lock file, which is
# never removed; the lock stays held (in fd lock_KEY) until this script ends,
# so that no later step's pruning removes it meanwhile.
declare -A held=()
build_prefix() {
  local key=$1 recipe=$2 lock
  shift 2
  prefix=$cache/mingw-qt-$key
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
    mkdir -p "$work" "$prefix.partial"
    echo "Cross-building $* into $prefix" >&2
    (cd "$work" && "$recipe_dir/$recipe" "$prefix.partial" "$@") >&2
    touch "$prefix.partial/.complete"
    mv -T "$prefix.partial" "$prefix"
    rm -rf "$work"
    work=
  fi
  # The prefix's time is its last use.
  touch "$prefix"
  held[$key]=$lock
}
hash_of() { cat "$@" | sha256sum | cut -c1-12; }

# Qt (qtbase) and libjpeg-turbo.
sources=()
for p in $("$recipe_dir/recipe.sh" --sources); do
  sources+=("$p=$(source_version "$p")")
done
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
mingw=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
recipe=$(hash_of "$recipe_dir/recipe.sh" "$recipe_dir/toolchain.cmake" "$recipe_dir"/*.patch)
base_key=$(printf '%s\n' "${sources[@]}" "$host_qt" "$mingw" "$recipe" | sha256sum | cut -c1-16)
build_prefix "$base_key" recipe.sh "${sources[@]}"
base=$prefix

# Qt Charts, on top of that prefix: its own step, so that it never rebuilds
# qtbase.
charts=()
for p in $("$recipe_dir/recipe-charts.sh" --sources); do
  charts+=("$p=$(source_version "$p")")
done
recipe=$(hash_of "$recipe_dir/recipe-charts.sh" "$recipe_dir/toolchain.cmake")
key=charts-$(printf '%s\n' "$base_key" "${charts[@]}" "$recipe" | sha256sum | cut -c1-16)
build_prefix "$key" recipe-charts.sh "$base" "${charts[@]}"

# Pruning: a folder whose key's lock another run holds is in use or being
# built, and this run's own prefixes stay.  Of the complete prefixes, the
# two used last stay: a qtbase prefix and the Qt Charts prefix on it.
# (flock takes an exclusive lock on a file opened for reading too.)
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
  if [ -n "${held[$k]:-}" ] || [ ! -f "$cache/mingw-qt-$k.lock" ]; then continue; fi
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
