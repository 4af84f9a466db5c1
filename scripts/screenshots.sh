#!/usr/bin/env bash
# Renders the README's screenshots from the program itself: the real window,
# drawn off screen, once in each language, and the all-units panel.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${RUN_PACKAGES[@]}"
cmake -S . -B build-app -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DUMRIDO_BUILD_BENCH=OFF >/dev/null
cmake --build build-app --parallel "$(nproc)" --target window_shot >/dev/null
export QT_QPA_PLATFORM=offscreen
./build-app/tools/window_shot docs/umrido-de.png de calc
./build-app/tools/window_shot docs/umrido-en.png en info
./build-app/tools/window_shot docs/umrido-all-units.png en all
echo "Wrote docs/umrido-de.png, docs/umrido-en.png and docs/umrido-all-units.png"
