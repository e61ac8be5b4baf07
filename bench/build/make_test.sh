#!/usr/bin/env bash
# What `make test` costs from a fresh clone: the repository cloned into a
# scratch folder, then configure, build and the whole test run timed one by
# one (wall time and the CPU time of everything started), as a user's first
# `make test` does them. The set-up script is not run (it only installs
# packages). With --cold, ccache is bypassed, as on a machine that has never
# built Pinewick; without it the cache of earlier builds is used, as on a
# developer's machine and in CI.
#
#   bash bench/build/make_test.sh [--cold] [REPOSITORY]
set -euo pipefail
cold=0
if [ "${1:-}" = --cold ]; then
  cold=1
  shift
fi
repo=$(realpath "${1:-$(dirname "$0")/../..}")
scratch=$(mktemp -d /tmp/pinewick-make-test-XXXXXX)
# The scratch clone stays when a phase fails, for its logs.
trap '[ -f "$scratch/failed" ] || rm -rf "$scratch"' EXIT
git clone -q "$repo" "$scratch/src"
cd "$scratch/src"
[ "$cold" = 1 ] && export CCACHE_DISABLE=1

# phase NAME COMMAND...: runs the command, prints its wall and CPU seconds.
phase() {
  local name=$1
  shift
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -f "%U %S" -o "$scratch/cpu" "$@" > "$scratch/$name.log" 2>&1 ||
    { touch "$scratch/failed"; echo "$name failed, see $scratch/$name.log"; tail -30 "$scratch/$name.log"; exit 1; }
  end=$(date +%s.%N)
  read -r user sys < "$scratch/cpu"
  printf '%-10s %7.1f s wall %8.1f s CPU\n' "$name" "$(echo "$end - $start" | bc)" "$(echo "$user + $sys" | bc)"
  echo "$end - $start" | bc >> "$scratch/total"
}

echo "make test from a fresh clone of $repo ($(nproc) cores$([ "$cold" = 1 ] && echo ', ccache off'))"
phase configure cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
phase build cmake --build build -j "$(nproc)"
printf '%-10s %7s\n' steps "$(grep -vc "^#" build/.ninja_log)"
phase tests bash scripts/run-tests build
printf '%-10s %7.1f s wall (goal: under 300 s on a quiet machine)\n' total "$(paste -sd+ "$scratch/total" | bc)"
