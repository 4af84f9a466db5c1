#!/usr/bin/env bash
# Builds Umrido (installing what is missing) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${RUN_PACKAGES[@]}"
build build -DBUILD_TESTING=OFF -DUMRIDO_BUILD_BENCH=OFF >/dev/null
exec ./build/app/umrido "$@"
