#!/usr/bin/env bash
# Mutation check: plants faults one at a time in a copy of the tree, rebuilds,
# runs the tests and reports per folder which faults no test caught.
#   bash scripts/mutation.sh                          # every listed fault (about an hour on 2 cores)
#   bash scripts/mutation.sh --sample                 # the listed faults marked with * (CI)
#   bash scripts/mutation.sh --folder core            # one folder (repeatable)
#   bash scripts/mutation.sh --check                  # only check that every listed snippet is found
#   bash scripts/mutation.sh --generate 150 --seed 7  # 150 faults made from seed 7
# The copy and its build live in BUILD/mutation (BUILD is build-mutation, or
# --build-dir); the checkout itself is only read.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

export QT_QPA_PLATFORM=offscreen
# Nothing a test does may reach the real user's settings or runtime folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME"

# ccache turns the recompiling of each original after its fault into a cache
# hit, and, sharing the test command's cache, the copy's first build too.
export CCACHE_DIR="${CCACHE_DIR:-$PWD/.cache/ccache}" CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
python3 scripts/mutation.py "$@"
