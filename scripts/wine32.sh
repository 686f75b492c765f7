# shellcheck shell=bash
# A 32-bit Wine for running the CD's i686 build on a 64-bit machine whose
# kernel starts no 32-bit programs: the wine32:i386 packages unpacked into a
# folder of their own (never installed, so /usr/bin/wine keeps the 64-bit
# loader), run by qemu-user through a binfmt_misc entry that lives only as long
# as the run. Source this file; tests/e2e/i686/run.sh uses it.

: "${WINE32_CACHE:=/var/cache/kivo68i-wine32}"
# The entry's name: ours only, so removing it never removes a machine's own.
WINE32_BINFMT_NAME=kivo68i-i386
: "${WINE32_BINFMT_DIR:=/proc/sys/fs/binfmt_misc}"
: "${WINE32_QEMU:=/usr/bin/qemu-i386}"

wine32_as_root() {
  if ((EUID == 0)); then
    "$@"
  else
    sudo -n "$@"
  fi
}

# apt-get install, once more after an update when the package lists are stale.
wine32_apt_install() {
  export DEBIAN_FRONTEND=noninteractive
  wine32_as_root apt-get install -y -q --no-install-recommends "$@" >/dev/null 2>&1 && return 0
  wine32_as_root apt-get update -q >/dev/null 2>&1
  wine32_as_root apt-get install -y -q --no-install-recommends "$@" >/dev/null 2>&1
}

# Why this machine cannot run the 32-bit Wine, or nothing when it can (after
# installing qemu-user). The reason is one line for a "skipped" report.
wine32_unsupported_reason() {
  [[ $(uname -m) == x86_64 ]] || { echo "the machine is $(uname -m), not x86_64"; return; }
  command -v dpkg >/dev/null && command -v apt-get >/dev/null || { echo "no dpkg/apt-get"; return; }
  ((EUID == 0)) || sudo -n true 2>/dev/null || { echo "neither root nor sudo without a password"; return; }
  [[ -d $WINE32_BINFMT_DIR ]] || { echo "the kernel has no binfmt_misc"; return; }
  if [[ ! -x $WINE32_QEMU ]]; then
    wine32_apt_install qemu-user || { echo "qemu-user cannot be installed"; return; }
    [[ -x $WINE32_QEMU ]] || { echo "qemu-user has no $WINE32_QEMU"; return; }
  fi
}

# The version of wine32:i386 that apt would take, after making i386 packages
# known to apt (one "apt-get update" at most).
wine32_package_version() {
  local version
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    wine32_as_root dpkg --add-architecture i386 || return 1
  fi
  version=$(apt-cache show --no-all-versions wine32:i386 2>/dev/null | sed -n 's/^Version: //p')
  if [[ -z $version ]]; then
    wine32_as_root apt-get update -q >/dev/null 2>&1
    version=$(apt-cache show --no-all-versions wine32:i386 2>/dev/null | sed -n 's/^Version: //p')
  fi
  [[ -n $version ]] || return 1
  printf '%s\n' "$version"
}

# Prints the root folder of the unpacked 32-bit Wine, making it when this
# machine has none for the current package version yet. Kept between runs.
wine32_root() {
  local version root
  version=$(wine32_package_version) || { echo "wine32: no wine32:i386 package known to apt" >&2; return 1; }
  root=$WINE32_CACHE/root-${version//[^A-Za-z0-9.+-]/_}
  if [[ ! -f $root/.complete ]]; then
    wine32_make_root "$root" || return 1
  fi
  printf '%s\n' "$root"
}

wine32_make_root() {
  local root=$1 debs=$WINE32_CACHE/debs deb
  echo "wine32: downloading wine32:i386 and what it needs" >&2
  wine32_as_root mkdir -p "$debs/partial" || return 1
  # -d: downloaded, never installed.
  DEBIAN_FRONTEND=noninteractive wine32_as_root apt-get install -d -y -q --no-install-recommends \
    -o Dir::Cache::archives="$debs" wine32:i386 >/dev/null || {
    echo "wine32: the download failed" >&2
    return 1
  }
  echo "wine32: unpacking into $root" >&2
  wine32_as_root rm -rf "$root" "$root.new"
  wine32_as_root mkdir -p "$root.new" || return 1
  for deb in "$debs"/*.deb; do
    wine32_as_root dpkg -x "$deb" "$root.new" || { echo "wine32: cannot unpack $deb" >&2; return 1; }
  done
  # The package scripts that dpkg -x skips: the loader's search path, and the
  # zlib1.dll that user32 needs (the 64-bit package carries the i386 copy).
  wine32_as_root mkdir -p "$root.new/etc" "$root.new/var/cache/fontconfig"
  echo 'include /etc/ld.so.conf.d/*.conf' | wine32_as_root tee "$root.new/etc/ld.so.conf" >/dev/null
  wine32_as_root ldconfig -r "$root.new" || return 1
  wine32_as_root cp /usr/lib/x86_64-linux-gnu/wine/i386-windows/zlib1.dll \
    "$root.new/usr/lib/i386-linux-gnu/wine/i386-windows/" || return 1
  # The 32-bit loader starts 64-bit programs (wineboot, services) with the
  # "wine64" beside itself: the machine's.
  wine32_as_root ln -sfn /usr/lib/wine/wine64 "$root.new/usr/lib/wine/wine64"
  wine32_as_root touch "$root.new/.complete"
  wine32_as_root mv "$root.new" "$root"
  wine32_as_root rm -rf "$debs"
}

# Lets the kernel hand 32-bit x86 programs to qemu. Leaves alone what the
# machine had: a mounted binfmt_misc, an entry of its own for i386.
WINE32_MOUNTED_BINFMT=0
WINE32_REGISTERED=0
wine32_binfmt_on() {
  if [[ ! -e $WINE32_BINFMT_DIR/register ]]; then
    wine32_as_root mount -t binfmt_misc binfmt_misc "$WINE32_BINFMT_DIR" || return 1
    WINE32_MOUNTED_BINFMT=1
  fi
  local entry
  for entry in "$WINE32_BINFMT_DIR"/*; do
    [[ -f $entry && $entry != */register && $entry != */status ]] || continue
    grep -q '^enabled' "$entry" && grep -q '^magic 7f454c4601010100000000000000000002000300' "$entry" &&
      return 0
  done
  printf '%s' ":$WINE32_BINFMT_NAME:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$WINE32_QEMU:" |
    wine32_as_root tee "$WINE32_BINFMT_DIR/register" >/dev/null || return 1
  WINE32_REGISTERED=1
}

wine32_binfmt_off() {
  if ((WINE32_REGISTERED)) && [[ -e $WINE32_BINFMT_DIR/$WINE32_BINFMT_NAME ]]; then
    echo -1 | wine32_as_root tee "$WINE32_BINFMT_DIR/$WINE32_BINFMT_NAME" >/dev/null
  fi
  WINE32_REGISTERED=0
  if ((WINE32_MOUNTED_BINFMT)); then
    wine32_as_root umount "$WINE32_BINFMT_DIR" 2>/dev/null
    WINE32_MOUNTED_BINFMT=0
  fi
}
