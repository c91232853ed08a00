# Shared by scripts/run and scripts/test: installs what the build needs and builds.
set -euo pipefail

QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUORVANE_PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev libjpeg62-turbo-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev
  xvfb xdotool fonts-dejavu-core fonts-liberation2
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
