# Shared by run.sh and test.sh: installs what the build needs from Debian's packages, once.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

need_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_packages=(cmake make g++ qt6-base-dev libgl-dev libgtest-dev)
# The program carries Liberation Sans, taken from here at build time.
build_packages+=(fonts-liberation2)
# The build draws the desktop theme's scalable icon with Qt's SVG writer.
build_packages+=(qt6-svg-dev)
