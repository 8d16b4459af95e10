#!/usr/bin/env bash
# Builds korvanel.exe (scripts/build-win32.sh's build-win32/, the program
# alone) and packs it twice:
#   build-win32/korvanel-VERSION-x64.msi  the Windows Installer package, made
#       with wixl from packaging/win32/korvanel.wxs (per machine, Program
#       Files\Korvanel, Start menu shortcut, Installed apps entry);
#   build-win32/korvanel-VERSION-x64.zip  the program and a short read-me
#       (plain text, CRLF line ends), for use without installing.
# Prints the paths of both, the MSI last but one and the zip last.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win32"
version="$(sed -n 's/^project(Korvanel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
[ -n "$version" ] || {
  echo "package-win32: no version in CMakeLists.txt" >&2
  exit 1
}

"$root/scripts/build-win32.sh" -- korvanel >/dev/null

msi="$build_dir/korvanel-$version-x64.msi"
zip="$build_dir/korvanel-$version-x64.zip"
rm -f "$msi" "$zip"

# wixl finds the files only by paths relative to the current folder.
(cd "$root" && wixl -a x64 -D Version="$version" -D ExePath=build-win32/korvanel.exe \
  -D IconPath=resources/icons/korvanel.ico -o "$msi" packaging/win32/korvanel.wxs)

# The zip holds one folder, so that unpacking it leaves nothing loose.
staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
folder="$staging/korvanel-$version-x64"
mkdir "$folder"
cp "$build_dir/korvanel.exe" "$folder/"
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$root/packaging/win32/README.txt" \
  >"$folder/README.txt"
# Same bytes from the same sources: the files' times are the program's.
touch -r "$build_dir/korvanel.exe" "$folder" "$folder"/*
(cd "$staging" && zip -q -X -r "$zip" "korvanel-$version-x64")

echo "$msi"
echo "$zip"
