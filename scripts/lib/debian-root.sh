# Throw-away Debian roots for the scripts that try the program on a fresh
# Debian (scripts/test-package.sh, scripts/test-debian13.sh,
# scripts/test-web-fresh.sh). Sourced, not run. Needs root: debootstrap,
# chroot and mounts.
#
# A minimal root of each release (debootstrap --variant=minbase) is made once
# and kept as a tarball in /var/cache/korvanel-debian/, made anew when a month
# old; the packages apt fetches inside are kept beside it, so a second run
# downloads nothing. A root is unpacked onto a memory file system in a mount
# namespace of its own: every mount ends with the namespace, and the machine
# running the script is not touched.

debian_cache_dir=/var/cache/korvanel-debian
debian_mirror=http://deb.debian.org/debian
debian_security_mirror=http://deb.debian.org/debian-security
debian_root_lib="${BASH_SOURCE[0]}"

# skip_unless_root SCRIPT WHAT: ends the calling script, passed, with a note
# when it does not run as root.
skip_unless_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "$1: skipped: $2 needs root (debootstrap, chroot, mounts)."
    exit 0
  fi
}

# make_scratch NAME: sets scratch to a new folder in /tmp, removed when the
# script exits. The mounts belong to the namespace of the step that made
# them and are gone with it; should one still show, the folder is kept
# rather than deleted through it.
make_scratch() {
  scratch="$(mktemp -d "/tmp/$1.XXXXXX")"
  trap remove_scratch EXIT
}

remove_scratch() {
  if findmnt -rn -o TARGET | grep -qF "$scratch"; then
    echo "left $scratch in place: something is still mounted in it."
  else
    rm -rf "$scratch"
  fi
}

# debian_root_tarball SUITE SCRATCH: makes the cached root of SUITE (bookworm,
# trixie) unless a fresh one is there; SCRATCH is a folder for the work.
debian_root_tarball() {
  local suite=$1 scratch=$2
  local tarball="$debian_cache_dir/$suite-minbase.tar.gz"
  mkdir -p "$debian_cache_dir/$suite/archives/partial"
  if [ -n "$(find "$tarball" -mtime -30 2>/dev/null)" ]; then return 0; fi
  echo "making a minimal Debian $suite with debootstrap (cached in $debian_cache_dir)"
  rm -rf "$scratch/base-$suite"
  if ! debootstrap --variant=minbase "$suite" "$scratch/base-$suite" "$debian_mirror" \
    >"$scratch/debootstrap-$suite.log" 2>&1; then
    tail -n 30 "$scratch/debootstrap-$suite.log"
    echo "debootstrap could not make the Debian $suite root."
    return 1
  fi
  cat >"$scratch/base-$suite/etc/apt/sources.list" <<SOURCES
deb $debian_mirror $suite main
deb $debian_mirror $suite-updates main
deb $debian_security_mirror $suite-security main
SOURCES
  # A throw-away system: dpkg need not sync every file it writes.
  echo force-unsafe-io >"$scratch/base-$suite/etc/dpkg/dpkg.cfg.d/korvanel-unsafe-io"
  rm -f "$scratch/base-$suite"/var/cache/apt/archives/*.deb
  tar -C "$scratch/base-$suite" -czf "$tarball.part" .
  mv "$tarball.part" "$tarball"
  rm -rf "$scratch/base-$suite"
}

# run_in_debian_root SUITE CHROOT_DIR [ARGS...] < SCRIPT: runs the bash
# SCRIPT in a private mount namespace where CHROOT_DIR holds a fresh root of
# SUITE, with /proc, /dev/pts and apt's package cache mounted. SCRIPT sees
# ARGS as $1..., $chroot_dir, and in_root COMMAND... to run a command inside
# the root as root with a plain environment (stdin from /dev/null).
run_in_debian_root() {
  local suite=$1 chroot_dir=$2
  shift 2
  mkdir -p "$chroot_dir"
  {
    printf 'source %q\n' "$debian_root_lib"
    printf 'debian_root_mount %q %q\n' "$suite" "$chroot_dir"
    cat
  } | unshare --mount --propagation private bash -euo pipefail -s -- "$@"
}

# Inside the namespace of run_in_debian_root.
debian_root_mount() {
  local suite=$1
  chroot_dir=$2
  mount -t tmpfs -o size=16g,mode=755 "korvanel-$suite" "$chroot_dir"
  tar -C "$chroot_dir" -xzf "$debian_cache_dir/$suite-minbase.tar.gz"
  cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
  # The machine's own certificate authorities (a site's TLS proxy) are
  # trusted there too once ca-certificates is installed, so that npm reaches
  # its registry from the root as it does from here.
  if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    mkdir -p "$chroot_dir/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$chroot_dir/usr/local/share/ca-certificates/"
  fi
  mount -t proc proc "$chroot_dir/proc"
  mount -t devpts -o newinstance,ptmxmode=0666 devpts "$chroot_dir/dev/pts"
  mkdir -p "$chroot_dir/dev/shm"
  mount -t tmpfs -o mode=1777 shm "$chroot_dir/dev/shm"
  mount --bind "$debian_cache_dir/$suite/archives" "$chroot_dir/var/cache/apt/archives"
}

# Inside run_in_debian_root: clone_korvanel SOURCE COMMIT WERROR clones the
# repository SOURCE at COMMIT into the root's /root/korvanel, as a new user
# would get it; in_korvanel COMMAND... then runs a command there, with
# KORVANEL_WARNINGS_AS_ERRORS set to WERROR.
clone_korvanel() {
  korvanel_dir=/root/korvanel
  korvanel_werror=$3
  git clone -q --no-checkout "$1" "$chroot_dir$korvanel_dir"
  git -C "$chroot_dir$korvanel_dir" checkout -q "$2"
}

in_korvanel() {
  in_root env KORVANEL_WARNINGS_AS_ERRORS="$korvanel_werror" bash -c 'cd "$0" && "$@"' \
    "$korvanel_dir" "$@"
}

in_root() {
  chroot "$chroot_dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@" </dev/null
}
