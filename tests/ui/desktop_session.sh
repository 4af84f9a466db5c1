#!/usr/bin/env bash
# Runs a command in a private desktop session: its own X server, its own
# session bus and the accessibility bus on it, as a screen reader's desktop
# has them.
# Nothing of the user's display or buses is used; all of it ends with the
# command.
set -euo pipefail
if [ "${1:-}" != "--inside" ]; then
  scratch=$(mktemp -d)
  xvfb=""
  # Waiting for the server's end keeps it from removing the socket of the next one.
  trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
  # A display number far from the usual ones, another if it is taken. No
  # reset when a client leaves: the accessibility bus's launcher connects and
  # leaves at once, and a reset then would turn the program away.
  for _ in $(seq 20); do
    display=$((200 + RANDOM % 700))
    [ -e "/tmp/.X$display-lock" ] && continue
    : >"$scratch/display"
    Xvfb ":$display" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
      [ -s "$scratch/display" ] || ! kill -0 "$xvfb" 2>/dev/null && break
      sleep 0.1
    done
    [ -s "$scratch/display" ] && break
    kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
    xvfb=""
  done
  [ -n "$xvfb" ] || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
  DISPLAY=":$(head -n1 "$scratch/display")" dbus-run-session -- bash "${BASH_SOURCE[0]}" --inside "$@"
  exit
fi
shift
# Asking for its address starts the accessibility bus, which Qt then finds.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
exec "$@"
