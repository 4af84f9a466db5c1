#!/usr/bin/env bash
# Builds Umrido with every test (installing what is missing) and runs them all:
#   1. the unit and window tests (window tests on Qt's offscreen platform);
#   2. a fixed sample of the mutation check (scripts/mutation.sh --sample);
#   3. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. each fuzz target for a bounded time (UMRIDO_FUZZ_SECONDS, default 30);
#   5. the static checks: clang-format and clang-tidy.
# `--quick` runs step 1 only.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
quick=0
[ "${1:-}" = "--quick" ] && quick=1

export QT_QPA_PLATFORM=offscreen
# Nothing a test does may reach the real user's settings or runtime folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME"

echo "== Tests"
build build -DUMRIDO_WERROR=ON -DBUILD_TESTING=ON -DUMRIDO_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300
((quick)) && exit 0

echo "== Mutation check, sample (the whole list: bash scripts/mutation.sh)"
# Every listed snippet must still be found, or a fault of the whole list would
# go unplanted on the next full run.
bash scripts/mutation.sh --check
bash scripts/mutation.sh --sample --build-dir build --skip-baseline

echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
build build-asan -DUMRIDO_SANITIZE=ON -DUMRIDO_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
  LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" --timeout 600

echo "== Fuzzing"
CC=clang CXX=clang++ build build-fuzz -DUMRIDO_FUZZ=ON -DBUILD_TESTING=OFF -DUMRIDO_BUILD_BENCH=OFF
seconds="${UMRIDO_FUZZ_SECONDS:-30}"
for target in build-fuzz/tests/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$scratch/corpus-$name"
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/"${name#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  echo "-- $name (${seconds} s)"
  ASAN_OPTIONS="detect_leaks=0" "$target" -max_total_time="$seconds" -max_len=512 \
    -artifact_prefix="$scratch/" "$corpus" 2>"$scratch/$name.log" || {
    tail -n 40 "$scratch/$name.log"
    echo "$name found a fault; the input is in the log above" >&2
    exit 1
  }
  grep -E '^Done' "$scratch/$name.log" || true
done

echo "== Static checks"
bash scripts/static_checks.sh build
echo "All checks passed."
