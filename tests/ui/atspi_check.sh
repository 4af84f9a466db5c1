#!/usr/bin/env bash
# Starts the program under a private X server and accessibility bus and reads
# it with a real AT-SPI client (atspi_check.py). Needs Xvfb, dbus,
# at-spi2-core, python3-pyatspi and xdotool; touches no display or bus of
# the user's, and gives up after 90 seconds.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A fresh home: default settings, and nothing of the user's is read or written.
mkdir -m 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME"
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LC_ALL=C.UTF-8

# The system's python: pyatspi comes as a Debian package.
timeout 90 bash "$here/desktop_session.sh" /usr/bin/python3 "$here/atspi_check.py" "$program"
