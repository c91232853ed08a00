# Shared by scripts/run and scripts/test: installs what the build needs and builds.
set -euo pipefail

QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUORVANE_PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev libjpeg62-turbo-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang
  xvfb xdotool matchbox-window-manager wmctrl python3 fonts-dejavu-core fonts-liberation2
)

# Installs the Debian packages that are missing, through sudo when not root.
quorvane_install_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# quorvane_build <build folder> [cmake options...]
quorvane_build() {
  local dir=$1
  shift
  cmake -S "$QUORVANE_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

# quorvane_prepare_run_folder <folder> <build folder>: a working folder for the program. A new
# folder gets the demo set-up (sample game files and the hints to find them); the catalogue and
# its pictures are refreshed every time. The program's own files there are never touched.
quorvane_prepare_run_folder() {
  local run=$1 build=$2
  if [ ! -d "$run" ]; then
    mkdir -p "$run"
    [ -d "$QUORVANE_ROOT/demo" ] && cp -R "$QUORVANE_ROOT/demo/." "$run/"
  fi
  mkdir -p "$run/Data"
  cp -R "$QUORVANE_ROOT/data/Data/." "$run/Data/"
  [ -d "$build/pictures/Data" ] && cp -R "$build/pictures/Data/." "$run/Data/"
  return 0
}
