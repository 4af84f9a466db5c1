# Shared by run.sh and test.sh: installs what is missing, then configures and
# builds incrementally into ./build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build() {
  local werror="${UMRIDO_WERROR:-OFF}"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUMRIDO_WERROR="$werror" >/dev/null
  cmake --build build --parallel "$(nproc)"
}
