# Shared by scripts/run, scripts/test and bench/run: the Debian packages the
# project needs, installed when missing, and the CMake build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

BUILD_PACKAGES=(cmake g++ make pkg-config libglib2.0-dev-bin libgtk-3-dev libwebkit2gtk-4.1-dev
  libcurl4-openssl-dev libx11-dev libxtst-dev googletest libgtest-dev ca-certificates)
# What the launcher wants at run time beyond its libraries: video codecs for the
# service's film and TV pages, and a font with the Chinese texts of the window.
RUN_PACKAGES=(gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav fonts-noto-cjk
  nginx-light)
HEADLESS_PACKAGES=(xvfb openbox xdotool x11-utils xauth imagemagick)
TEST_PACKAGES=(iproute2 desktop-file-utils appstream dpkg-dev file ffmpeg openssl)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are not installed yet; nothing when all are there.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [CMAKE ARGS...]
configure_and_build() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# A TCP port on loopback that nothing listens on, from START up.
free_port() {
  local port="${1:-8936}"
  while ss -Htln "sport = :$port" | grep -q .; do port=$((port + 1)); done
  echo "$port"
}
