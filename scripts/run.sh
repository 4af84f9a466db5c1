#!/usr/bin/env bash
# Builds Umrido (installing what is missing) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${RUN_PACKAGES[@]}"
# A folder of its own: the program alone needs none of the test packages.
build build-app -DBUILD_TESTING=OFF -DUMRIDO_BUILD_BENCH=OFF >/dev/null
exec ./build-app/app/umrido "$@"
