#!/usr/bin/env bash
# Builds Umrido (installing what is missing) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${RUN_PACKAGES[@]}"
# A folder of its own: the program alone needs none of the test packages.
# The build shows its progress: the first one takes a few minutes.
echo "Building Umrido in build-app/ ..."
build build-app -DBUILD_TESTING=OFF -DUMRIDO_BUILD_BENCH=OFF
exec ./build-app/app/umrido "$@"
