#!/usr/bin/env bash
# Installs the Debian packages Korvanel needs to build, test and look at its
# output. Installs only what is missing; quick when everything is there.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config git
  qt6-base-dev libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig locales
  poppler-utils xvfb xauth imagemagick x11-utils
  clang libclang-rt-14-dev
  cups cups-client cups-bsd libcups2-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale proves that numbers are written with a point whatever
# the user's settings.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating de_DE.UTF-8"
  if [ -f /etc/locale.gen ] && grep -q '^# *de_DE.UTF-8' /etc/locale.gen; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
