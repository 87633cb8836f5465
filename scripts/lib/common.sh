# Shared by the project's scripts: package installation and the build.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Installs the Debian packages that are not there yet.
install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_packages=(cmake ninja-build g++ pkg-config python3 unicode-data libxml2-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-translations-l10n libgl-dev fonts-noto-cjk)
fuzz_packages=(clang-14 libclang-rt-14-dev)
analysis_packages=(clang-tidy-14 cppcheck)

# A CMake toolchain for the libraries the Windows builds make from Debian's
# source: the posix MinGW-w64 compilers and their sysroot.
mingw_toolchain_text='set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
'

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$root" -B "$root/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$root/$dir"
}

# fetch_debian_source NAME VERSION DIR: Debian's source package NAME=VERSION,
# unpacked in DIR. A deb-src entry made from the machine's own sources is
# there for the download only: it is removed again whatever happens.
fetch_debian_source() {
  local name=$1 version=$2 dir=$3
  local entry=/etc/apt/sources.list.d/tarvola-$name-source.sources
  local sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | "${sudo[@]}" tee "$entry" >/dev/null
  local status=0
  { "${sudo[@]}" apt-get update -qq && (cd "$dir" && apt-get source -qq "$name=$version"); } >&2 || status=$?
  "${sudo[@]}" rm -f "$entry"
  "${sudo[@]}" apt-get update -qq >&2 || true
  return "$status"
}
