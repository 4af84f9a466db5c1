#!/usr/bin/env bash
# Starts the program under a private X server and accessibility bus with Orca
# listening, and checks what Orca speaks along a keyboard journey
# (orca_check.py). Needs Xvfb, dbus, at-spi2-core, orca and xdotool; touches
# no display, bus or Orca of the user's, and gives up after 90 seconds.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A fresh home: default settings for the program and Orca, nothing of the
# user's read or written.
mkdir -m 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME"
unset QT_QPA_PLATFORM
# The comma as decimal separator, and Orca's own words in German.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LC_ALL=de_DE.UTF-8 LANGUAGE=de

timeout 90 bash "$here/desktop_session.sh" /usr/bin/python3 "$here/orca_check.py" "$program"
