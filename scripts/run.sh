#!/usr/bin/env bash
# Builds Umrido (installing what is missing) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build
exec ./build/app/umrido "$@"
