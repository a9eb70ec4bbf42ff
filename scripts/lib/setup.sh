# Shared by scripts/test and scripts/run: install what the build needs, then
# configure and build into build/. Sourced, not run.
set -euo pipefail

TAVRIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Debian 12 packages, and why each is here.
TAVRIN_PACKAGES=(
  cmake ninja-build g++ pkg-config   # the build
  qt6-base-dev qt6-webengine-dev     # the windows and the report view
  libopencc-dev                      # simplified-to-traditional forms of characters
  liberfa-dev                        # positions of the Sun and Moon for the calendar
  libgtest-dev libbenchmark-dev      # tests and benchmarks
  unicode-data opencc python3        # the dictionary tables' sources, checked by the tests
  fonts-noto-cjk                     # Chinese glyphs in the windows and pages
  xvfb xauth                         # a display for the window when there is none
)

tavrin_install_packages() {
  local missing=()
  local package
  for package in "${TAVRIN_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing Debian packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq >/dev/null
  "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# tavrin_build DIR [CMAKE OPTIONS...]: configure once, then build incrementally.
tavrin_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$TAVRIN_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)"
}
