#!/usr/bin/env bash
# Builds the Windows packages (scripts/package-windows.sh) and checks them:
#
#  1. The MSI read back with msiinfo: its properties (name, version,
#     publisher, the upgrade code that every version keeps, the Installed
#     apps icon), the folder in Program Files, the Start menu shortcut and
#     the upgrade rows. The zip: the program, byte for byte, and the
#     read-me with CRLF line ends, in one folder.
#  2. Under Wine, in a throw-away prefix on an Xvfb display of its own:
#     `msiexec /i ... /qn` installs; the program, the shortcut and the
#     uninstall entry (HKLM\...\Uninstall\{ProductCode}) are there; the
#     installed korvanel.exe starts, and a click on Compute (korvanel_drive)
#     fills its list with 27 rows; `msiexec /x ... /qn` leaves no file,
#     shortcut or registry key behind.
#  3. An upgrade: the same package as version 9.99 installed over it
#     replaces it (one program, one entry), the older one cannot go back
#     over the newer, and removing the newer leaves nothing.
#
# Everything it starts (Xvfb, the prefix's wineserver) it stops on exit.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$root/build-win"
upgrade_code='{0A848133-6311-4ED2-B2BD-740D53F17994}'
started=$SECONDS

say() { echo "package-windows-test: $*"; }
fail() {
  say "FAILED: $*"
  exit 1
}

"$root/scripts/install-deps.sh" windows-test
packages="$("$root/scripts/package-windows.sh")"
msi="$(sed -n 1p <<<"$packages")"
zip="$(sed -n 2p <<<"$packages")"
cmake --build "$build_dir" --parallel 2 --target korvanel_drive >/dev/null
say "built $(basename "$msi") and $(basename "$zip")"

scratch="$(mktemp -d /tmp/korvanel-package-windows-test.XXXXXX)"
xvfb_pid=""
cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- The packages read back ---
# In the scratch folder: msiinfo writes the streams of a table (icons) as files.
table() { (cd "$scratch" && msiinfo export "$1" "$2") | tail -n +4 | tr -d '\r'; }
property() { table "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
expect_property() {
  local value
  value="$(property "$msi" "$1")"
  [ "$value" = "$2" ] || fail "the MSI's $1 is \"$value\", not \"$2\"."
}
expect_property ProductName Korvanel
expect_property ProductVersion 1.00
expect_property Manufacturer "Korvanel's authors"
expect_property UpgradeCode "$upgrade_code"
expect_property ALLUSERS 1
expect_property ARPPRODUCTICON korvanel.ico
table "$msi" Icon | grep -qP '^korvanel\.ico\t' || fail "no icon korvanel.ico in the Icon table."
cmp -s "$scratch/Icon/Icon.korvanel.ico" "$root/resources/icons/korvanel.ico" ||
  fail "the MSI's icon is not the program icon."
msiinfo suminfo "$msi" | grep -qx 'Template: x64;1033' || fail "the MSI is not for x64."
table "$msi" Directory | grep -qP '^INSTALLDIR\tProgramFiles64Folder\tKorvanel$' ||
  fail "the program does not go into Program Files\\Korvanel."
# Shortcut, folder, name, component, target, arguments, description, hotkey, icon
table "$msi" Shortcut |
  grep -qP '^\w+\tProgramMenuFolder\tKorvanel\t\w+\t\[INSTALLDIR\]korvanel\.exe\t\t[^\t]*\t\tkorvanel\.ico\t' ||
  fail "no Start menu shortcut to korvanel.exe with the program icon."
# Older versions of the same upgrade code are found (to be removed), newer ones too (to refuse).
table "$msi" Upgrade | grep -qP "^\\Q$upgrade_code\\E\\t\\t1\\.00\\t.*WIX_UPGRADE_DETECTED$" ||
  fail "the MSI would not replace an older version."
say "MSI tables: properties, icon, Program Files\\Korvanel, shortcut, upgrade rows"

mkdir "$scratch/zip"
unzip -q "$zip" -d "$scratch/zip"
[ "$(cd "$scratch/zip" && find . -type f | sort | tr '\n' ' ')" = \
  "./korvanel-1.00-x64/README.txt ./korvanel-1.00-x64/korvanel.exe " ] ||
  fail "the zip holds: $(cd "$scratch/zip" && find . | sort | tr '\n' ' ')"
cmp -s "$scratch/zip/korvanel-1.00-x64/korvanel.exe" "$build_dir/korvanel.exe" ||
  fail "the zip's korvanel.exe is not the program."
readme="$scratch/zip/korvanel-1.00-x64/README.txt"
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "README.txt has lines without CRLF."
head -n 1 "$readme" | grep -q 'Korvanel 1\.00' || fail "README.txt does not name Korvanel 1.00."
grep -q '@' "$readme" && fail "README.txt keeps a placeholder."
say "zip: korvanel.exe and README.txt (CRLF) in korvanel-1.00-x64/"

# The same package as a later version, with a product code of its own.
newer="$scratch/korvanel-9.99-x64.msi"
(cd "$root" && wixl -a x64 -D Version=9.99 -D ExePath=build-win/korvanel.exe \
  -D IconPath=resources/icons/korvanel.ico -o "$newer" packaging/windows/korvanel.wxs)

# --- Wine: a throw-away prefix on a display of its own ---
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null
wineboot -i >/dev/null 2>&1 </dev/null
say "Wine prefix made after $((SECONDS - started)) s"

drive_c="$WINEPREFIX/drive_c"
program_dir="$drive_c/Program Files/Korvanel"
# Windows puts the shortcut of a per-machine package into the all users'
# Start menu; Wine 8 into the installing user's.
start_menus=("$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
  "$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
shortcuts() { find "${start_menus[@]}" -maxdepth 1 -iname 'Korvanel*.lnk' 2>/dev/null || true; }
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null </dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
has_key() { wine reg query "$1" >/dev/null 2>&1 </dev/null; }
msiexec() {
  local status=0
  wine msiexec "$@" /qn /l "$scratch/msiexec.log" </dev/null || status=$?
  return "$status"
}
product_code() { property "$1" ProductCode; }

expect_installed() { # MSI VERSION
  local code
  code="$(product_code "$1")"
  cmp -s "$program_dir/korvanel.exe" "$build_dir/korvanel.exe" ||
    fail "no Program Files\\Korvanel\\korvanel.exe after installing $2."
  [ "$(find "$program_dir" -mindepth 1 | wc -l)" = 1 ] ||
    fail "Program Files\\Korvanel holds more than the program: $(ls "$program_dir")"
  local links
  links="$(shortcuts)"
  [ "$(grep -c . <<<"$links")" = 1 ] || fail "Start menu shortcuts after installing $2: '$links'"
  # The link holds its target's path and its icon's (the program icon that
  # the installer keeps for the product).
  { strings -a "$links" && strings -a -el "$links"; } >"$scratch/link.txt"
  grep -qixF 'C:\Program Files\Korvanel\korvanel.exe' "$scratch/link.txt" ||
    fail "the shortcut does not start C:\\Program Files\\Korvanel\\korvanel.exe."
  grep -qiF "C:\windows\Installer\\$code\korvanel.ico" "$scratch/link.txt" ||
    fail "the shortcut does not carry the program icon."
  [ "$(reg_value "$uninstall_key\\$code" DisplayName)" = Korvanel ] ||
    fail "no Installed apps entry Korvanel under $uninstall_key\\$code."
  [ "$(reg_value "$uninstall_key\\$code" DisplayVersion)" = "$2" ] ||
    fail "the Installed apps entry's version is not $2."
  [ "$(reg_value "$uninstall_key\\$code" Publisher)" = "Korvanel's authors" ] ||
    fail "the Installed apps entry has no publisher."
  # Installed apps takes the icon of an MSI product from its cached copy.
  [ -f "$drive_c/windows/Installer/$code/korvanel.ico" ] ||
    fail "the Installed apps icon is not in C:\\windows\\Installer\\$code."
}

expect_removed() { # MSI
  local code
  code="$(product_code "$1")"
  [ ! -e "$program_dir" ] || fail "Program Files\\Korvanel is left: $(ls -A "$program_dir")"
  [ -z "$(shortcuts)" ] || fail "a Start menu shortcut is left: $(shortcuts)"
  ! has_key "$uninstall_key\\$code" || fail "the uninstall entry $code is left."
  ! has_key 'HKCU\Software\Korvanel' || fail "HKCU\\Software\\Korvanel is left."
  ! has_key 'HKLM\Software\Korvanel' || fail "HKLM\\Software\\Korvanel is left."
  [ ! -e "$drive_c/windows/Installer/$code" ] || fail "the cached icon of $code is left."
}

# --- Install, run, remove ---
msiexec /i "$msi" || fail "msiexec /i failed: $(tail -n 20 "$scratch/msiexec.log")"
expect_installed "$msi" 1.00
say "installed: the program, the Start menu shortcut, the Installed apps entry"

drive() { wine "$build_dir/tests/win32/korvanel_drive.exe" "$@" </dev/null; }
wine 'C:\Program Files\Korvanel\korvanel.exe' </dev/null &
program_pid=$!
# A fresh prefix is slow to show its first window.
drive wait Korvanel 2>/dev/null || drive wait Korvanel 2>/dev/null || drive wait Korvanel ||
  fail "the installed program shows no main window."
drive rows Korvanel 0 || fail "the list is not empty before Compute."
drive click Korvanel Compute
drive rows Korvanel 27 || fail "Compute does not fill the list of the installed program."
# Closing the main window (as its close box does) ends the program.
wine taskkill /im korvanel.exe >/dev/null 2>&1 </dev/null
status=0
wait "$program_pid" || status=$?
[ "$status" = 0 ] || fail "the installed program ended with $status."
say "the installed program ran: Compute filled 27 rows"

msiexec /x "$(product_code "$msi")" || fail "msiexec /x failed: $(tail -n 20 "$scratch/msiexec.log")"
expect_removed "$msi"
say "removed: no file, shortcut or registry key left"

# --- A later version replaces this one ---
msiexec /i "$msi" || fail "msiexec /i failed again."
msiexec /i "$newer" || fail "the newer version does not install over 1.00."
expect_installed "$newer" 9.99
! has_key "$uninstall_key\\$(product_code "$msi")" || fail "1.00 stays installed beside 9.99."
if msiexec /i "$msi"; then fail "1.00 installs over the newer version."; fi
expect_installed "$newer" 9.99
msiexec /x "$(product_code "$newer")" || fail "msiexec /x of the newer version failed."
expect_removed "$newer"
expect_removed "$msi"
say "9.99 replaced 1.00, 1.00 did not go back over it, and left nothing once removed"

say "passed in $((SECONDS - started)) s"
