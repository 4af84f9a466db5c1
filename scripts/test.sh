#!/usr/bin/env bash
# Builds Umrido with every test (installing what is missing) and runs them all.
# The window tests run on Qt's offscreen platform, so no display is needed.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
UMRIDO_WERROR="${UMRIDO_WERROR:-ON}" build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 300
