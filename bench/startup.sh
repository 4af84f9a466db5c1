#!/usr/bin/env bash
# Start-up and memory of Umrido against two floors of the same fixed size: a
# Qt window showing one label of text, and a bare one. On X11 each run goes
# from exec to the first paint into the mapped window. The three programs
# alternate so that machine noise hits them alike.
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
cmake --build build --parallel "$(nproc)" --target umrido bare_window label_window startup_probe keystroke_bench >/dev/null

# Settings in a throw-away folder: the real user's stay untouched.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"; [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
mkdir -m 700 "$tmp/run"
export XDG_CONFIG_HOME="$tmp/config" HOME="$tmp" XDG_RUNTIME_DIR="$tmp/run"
unset QT_QPA_PLATFORM
if [ -z "${DISPLAY:-}" ]; then
  # A free display number, written by the server once it takes connections.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$tmp/display")"
fi

probe=./build/bench/startup_probe
declare -A prog=([umrido]=./build/app/umrido [label]=./build/bench/label_window [bare]=./build/bench/bare_window)
order=(umrido label bare)
# One warm-up run each fills the file cache.
for p in "${order[@]}"; do : >"$tmp/$p.txt"; $probe "${prog[$p]}" >/dev/null; done
for _ in $(seq "$runs"); do
  for p in "${order[@]}"; do $probe "${prog[$p]}" >>"$tmp/$p.txt"; done
done

declare -A ms kb
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
for p in "${order[@]}"; do
  ms[$p]=$(cut -d' ' -f1 "$tmp/$p.txt" | median)
  kb[$p]=$(cut -d' ' -f2 "$tmp/$p.txt" | median)
done
printf '| measure (median of %s alternating runs) | Umrido | one-label Qt window | bare Qt window | Umrido / label | Umrido / bare |\n' "$runs"
printf '|---|---|---|---|---|---|\n'
awk -v u="${ms[umrido]}" -v l="${ms[label]}" -v b="${ms[bare]}" 'BEGIN {
  printf "| start-up to first paint | %.1f ms | %.1f ms | %.1f ms | %.3f | %.3f |\n", u, l, b, u/l, u/b }'
awk -v u="${kb[umrido]}" -v l="${kb[label]}" -v b="${kb[bare]}" 'BEGIN {
  printf "| peak resident memory | %.1f MB | %.1f MB | %.1f MB | %.3f | %.3f |\n", u/1024, l/1024, b/1024, u/l, u/b }'
if [ -x ./build/bench/keystroke_bench ]; then
  ./build/bench/keystroke_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ {printf "| one keystroke in the input field, Qt event to updated result | %s %s | | | | |\n", $2, $3}'
fi
