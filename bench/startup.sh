#!/usr/bin/env bash
# Start-up and memory of Umrido against a bare Qt window of the same size, on
# X11: each run goes from exec to the first paint into the mapped window. The
# two programs alternate so that machine noise hits both alike.
#   bash bench/startup.sh [runs]       (default 21 runs of each)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
runs="${1:-21}"
for p in xvfb xauth libxdamage-dev pkg-config; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=" $p"
done
if [ -n "${missing:-}" ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target umrido bare_window startup_probe keystroke_bench >/dev/null

# Settings in a throw-away folder: the real user's stay untouched.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"; [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
mkdir -m 700 "$tmp/run"
export XDG_CONFIG_HOME="$tmp/config" HOME="$tmp" XDG_RUNTIME_DIR="$tmp/run"
unset QT_QPA_PLATFORM
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:97
  for _ in $(seq 50); do [ -S /tmp/.X11-unix/X97 ] && break; sleep 0.1; done
fi

probe=./build/bench/startup_probe
: >"$tmp/umrido.txt"; : >"$tmp/bare.txt"
# One warm-up run each fills the file cache.
$probe ./build/app/umrido >/dev/null; $probe ./build/bench/bare_window >/dev/null
for _ in $(seq "$runs"); do
  $probe ./build/app/umrido >>"$tmp/umrido.txt"
  $probe ./build/bench/bare_window >>"$tmp/bare.txt"
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
u_ms=$(cut -d' ' -f1 "$tmp/umrido.txt" | median); b_ms=$(cut -d' ' -f1 "$tmp/bare.txt" | median)
u_kb=$(cut -d' ' -f2 "$tmp/umrido.txt" | median); b_kb=$(cut -d' ' -f2 "$tmp/bare.txt" | median)
printf '| measure (median of %s runs) | Umrido | bare Qt window | ratio |\n|---|---|---|---|\n' "$runs"
awk -v u="$u_ms" -v b="$b_ms" 'BEGIN {printf "| start-up to first paint | %.1f ms | %.1f ms | %.2f |\n", u, b, u/b}'
awk -v u="$u_kb" -v b="$b_kb" 'BEGIN {printf "| peak resident memory | %.1f MB | %.1f MB | %.2f |\n", u/1024, b/1024, u/b}'
if [ -x ./build/bench/keystroke_bench ]; then
  ./build/bench/keystroke_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ {printf "| one keystroke in the input field, Qt event to updated result | %s %s | | |\n", $2, $3}'
fi
