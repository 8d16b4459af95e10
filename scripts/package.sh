#!/usr/bin/env bash
# Builds the Debian package build/korvanel_1.00-1_amd64.deb (installing what
# is missing). The program is compiled for it with the qt preset in a folder
# of its own, build-deb/, with Debian's hardening flags (dpkg-buildflags:
# stack protector, fortified functions, read-only relocations, immediate
# binding), without the tests;
# CPack then packs what the install rules install, stripped, with the
# Depends line that dpkg-shlibdeps computes from the binary.
# Usage: scripts/package.sh   (prints the package's path last)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-deb"
out_dir="$root/build"

# Only the package's path goes to the standard output; the rest to errors.
exec 3>&1 1>&2
"$root/scripts/install-deps.sh" package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
"$root/scripts/build.sh" --deps package qt -B "$build_dir" -DKORVANEL_BUILD_TESTS=OFF \
  -DKORVANEL_BUILD_BENCHMARKS=OFF "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" -- korvanel

(cd "$build_dir" && cpack -G DEB -B "$build_dir/package")
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")"
deb="korvanel_${version}-1_$(dpkg --print-architecture).deb"
mkdir -p "$out_dir"
cp "$build_dir/package/$deb" "$out_dir/$deb"
echo "$out_dir/$deb" >&3
