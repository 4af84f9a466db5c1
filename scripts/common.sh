# Shared by run.sh and test.sh: installs what is missing, then configures and
# builds incrementally.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# What building and starting the program needs.
RUN_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev zlib1g-dev fonts-liberation)
# What the tests and checks need besides.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang clang-format clang-tidy python3 ccache
  dbus at-spi2-core python3-pyatspi xdotool orca)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  # libFuzzer's runtime has its own package on newer Debian releases.
  if printf '%s\n' "${missing[@]}" | grep -qx clang && apt-cache show libclang-rt-dev >/dev/null 2>&1; then
    missing+=(libclang-rt-dev)
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# One compiler cache for every build folder and for the mutation check's copy
# of the tree (built in the image of build/, so its unchanged files are hits).
export CCACHE_DIR="${CCACHE_DIR:-$PWD/.cache/ccache}" CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1

# build DIR [cmake options...]: configure once, then build incrementally.
build() {
  local dir="$1"
  shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
