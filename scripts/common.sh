# shellcheck shell=bash
# What scripts/test.sh and scripts/demo.sh share: the tools a fresh Debian 12
# lacks, and the three builds.

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)
((JOBS > 2)) && JOBS=2

REQUIRED_PACKAGES=(mingw-w64 wine wine64 xvfb imagemagick x11-utils fonts-ipafont-gothic liblnk-utils cmake
  ninja-build g++ googletest libgtest-dev clang-format clang libclang-rt-14-dev
  xorriso genisoimage libarchive-tools locales)

# Runs a command as root: directly, or through sudo.
as_root() {
  if ((EUID == 0)); then "$@"; else sudo "$@"; fi
}

# Installs with apt-get only what is missing (one "apt-get update" at most).
install_missing_packages() {
  local missing=() package
  for package in "${REQUIRED_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "installing: ${missing[*]}"
  ((EUID == 0)) || command -v sudo >/dev/null ||
    { echo "missing packages: ${missing[*]} (run as root to install)" >&2; return 1; }
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q >/dev/null && as_root apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine takes its ANSI code page from the Unix locale, and the program's users
# run Windows with code page 932; the Japanese locale gives Wine that page.
make_japanese_locale() {
  locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' && return 0
  as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen &&
    { grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null; } &&
    as_root locale-gen >/dev/null
}

# Configures DIR once (further arguments go to cmake) and builds it; with
# BUILD_TARGET set, only that target.
configure_and_build() {
  local dir=$1
  shift
  [[ -f $REPO/$dir/build.ninja ]] || cmake -S "$REPO" -B "$REPO/$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" \
    >/dev/null || return 1
  local target=()
  [[ -n ${BUILD_TARGET:-} ]] && target=(--target "$BUILD_TARGET")
  cmake --build "$REPO/$dir" -j "$JOBS" "${target[@]}" 2>&1 | grep -Ev '^\[[0-9]+/[0-9]+\] |^-- |GLOB mismatch'
  local statuses=("${PIPESTATUS[@]}")
  return "${statuses[0]}"
}

# Host (tools, unit tests) and Windows x86_64 (run under Wine) in full; of
# i686, the CD's build, only the program: tests/e2e/i686 drives it with the
# x86_64 tools.
build_all() {
  echo "== build host" && configure_and_build build-host || return 1
  echo "== build win64" &&
    configure_and_build build-win64 -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/toolchain-x86_64-w64-mingw32.cmake" || return 1
  echo "== build win32 (the program)" && BUILD_TARGET=kivo68i \
    configure_and_build build-win32 -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/toolchain-i686-w64-mingw32.cmake" || return 1
}

# The host's unit tests and the fuzz harnesses, built by clang with the address
# and undefined-behaviour sanitizers. Lightly optimised: the sanitizers need no
# more, and the build stays short.
build_sanitized() {
  echo "== build host with sanitizers" &&
    configure_and_build build-sanitize -DKIVO_SANITIZE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -gline-tables-only" "-DCMAKE_C_FLAGS_RELEASE=-O1 -gline-tables-only"
}
