#!/usr/bin/env bash
# Mutation check: plants each fault listed in tests/mutation/faults.txt, one at
# a time, rebuilds, runs the tests and reports per folder which faults no test
# caught. Run it in full before resolving work that touches tests or engines:
#   bash scripts/mutation.sh                 # every fault (about an hour on 2 cores)
#   bash scripts/mutation.sh --sample        # the few faults marked with * (CI)
#   bash scripts/mutation.sh --folder core   # one folder (repeatable)
#   bash scripts/mutation.sh --check         # only check that every snippet is found
# It builds in build-mutation (configured once; --build-dir to change) and
# leaves the tree as it found it, also when interrupted.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

export QT_QPA_PLATFORM=offscreen
# Nothing a test does may reach the real user's settings or runtime folder.
scratch=$(mktemp -d)
mkdir -m 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME"

build_dir=build-mutation
args=("$@")
for ((i = 0; i < ${#args[@]}; i++)); do
  [ "${args[$i]}" = "--build-dir" ] && build_dir="${args[$((i + 1))]}"
done
# ccache turns the recompiling of each restored original into a cache hit.
export CCACHE_DIR="${CCACHE_DIR:-$PWD/$build_dir/ccache}"
# The helper restores the planted file itself on Ctrl+C and SIGTERM; this is
# the last line of defence when it is killed outright.
restore() { python3 scripts/mutation.py --build-dir "$build_dir" --check >/dev/null 2>&1 || true; rm -rf "$scratch"; }
trap restore EXIT
trap 'exit 130' INT TERM HUP
python3 scripts/mutation.py "$@"
