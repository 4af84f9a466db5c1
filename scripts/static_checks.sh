#!/usr/bin/env bash
# clang-format and clang-tidy over the project's own sources.
#   bash scripts/static_checks.sh BUILD_DIR   (a configured build with compile_commands.json)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build="${1:-build}"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find catalogue core calculator ui app tests bench tools -name '*.cpp' -o -name '*.h')
echo "-- clang-format (${#sources[@]} files)"
clang-format --dry-run --Werror "${sources[@]}"
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep -E '^(catalogue|core|calculator|ui|app)/.*\.cpp$')
echo "-- clang-tidy (${#units[@]} files)"
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
