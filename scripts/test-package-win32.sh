#!/usr/bin/env bash
# Builds the Windows packages (scripts/package-win32.sh) and checks them:
# the MSI's upgrade code read back with msiinfo and the zip's files; then, under
# Wine in a throw-away prefix on an Xvfb display of its own, msiexec installs
# the MSI (program, Start menu shortcut, uninstall entry), the installed
# program fills its list with 27 rows on Compute (korvanel_drive), msiexec
# removes it without a trace; last, the same package as version 9.99
# replaces 1.00, 1.00 cannot go back over it, and removing 9.99 leaves
# nothing. Whatever it starts (Xvfb, the prefix's wineserver) it stops.
# Checks read "A && B || fail": either failing fails.
# shellcheck disable=SC2015
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/display.sh"
source "$root/scripts/lib/wine.sh"
build_dir="$root/build-win32"
started=$SECONDS
say() { echo "test-package-win32: $*"; }
fail() {
  say "FAILED: $*"
  exit 1
}

"$root/scripts/install-deps.sh" win32-test
packages="$("$root/scripts/package-win32.sh")"
msi="${packages%$'\n'*}" zip="${packages##*$'\n'}"
"$root/scripts/build-win32.sh" -- korvanel_drive >/dev/null

scratch="$(mktemp -d /tmp/korvanel-test-package-win32.XXXXXX)"
cleanup() {
  stop_wineserver
  stop_display
  rm -rf "$scratch"
}
trap cleanup EXIT

# --- The packages read back (msiinfo writes a table's streams as files) ---
table() { (cd "$scratch" && msiinfo export "$1" "$2") | tail -n +4 | tr -d '\r'; }
property() { table "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
# The upgrade code never changes: a later version finds this one by it.
[ "$(property "$msi" UpgradeCode)" = "{0A848133-6311-4ED2-B2BD-740D53F17994}" ] ||
  fail "the MSI's upgrade code changed."
unzip -q "$zip" -d "$scratch/zip"
folder="$scratch/zip/korvanel-1.00-x64"
[ "$(find "$scratch/zip" -type f | wc -l)" = 2 ] && cmp -s "$folder/korvanel.exe" "$build_dir/korvanel.exe" ||
  fail "the zip holds more or less than korvanel-1.00-x64/{korvanel.exe,README.txt}."
[ "$(grep -c $'\r$' "$folder/README.txt")" = "$(wc -l <"$folder/README.txt")" ] &&
  head -n 1 "$folder/README.txt" | grep -q '^Korvanel 1\.00 ' || fail "README.txt: no CRLF or no version."
say "the MSI's upgrade code and the zip's files are right"

newer="$scratch/korvanel-9.99-x64.msi"
(cd "$root" && wixl -a x64 -D Version=9.99 -D ExePath=build-win32/korvanel.exe \
  -D IconPath=resources/icons/korvanel.ico -o "$newer" packaging/win32/korvanel.wxs)

# --- Wine: a throw-away prefix on a display of its own ---
use_wine_prefix "$scratch/prefix"
start_display
make_wine_prefix 96 --unmanaged
start_wineserver

drive_c="$WINEPREFIX/drive_c"
program_dir="$drive_c/Program Files/Korvanel"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Windows puts a per-machine package's shortcut into the all users' Start menu, Wine 8 into the user's.
shortcuts() {
  find "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" \
    -maxdepth 1 -iname 'Korvanel*.lnk' 2>/dev/null || true
}
reg_value() { wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }
has_key() { wine reg query "$1" >/dev/null 2>&1 </dev/null; }
msiexec() { wine msiexec "$@" /qn /l "$scratch/msiexec.log" </dev/null; }

expect_installed() { # MSI VERSION
  local code link
  code="$(property "$1" ProductCode)"
  link="$(shortcuts)"
  [ "$(ls -A "$program_dir")" = korvanel.exe ] && cmp -s "$program_dir/korvanel.exe" "$build_dir/korvanel.exe" ||
    fail "Program Files\\Korvanel does not hold korvanel.exe alone after installing $2."
  [ "$(grep -c . <<<"$link")" = 1 ] || fail "Start menu shortcuts after installing $2: '$link'"
  # The link holds its target's path and the icon that the installer keeps for the product.
  { strings -a "$link" && strings -a -el "$link"; } >"$scratch/link.txt"
  grep -qixF 'C:\Program Files\Korvanel\korvanel.exe' "$scratch/link.txt" &&
    grep -qiF "C:\\windows\\Installer\\$code\\korvanel.ico" "$scratch/link.txt" ||
    fail "the shortcut does not start the installed program with its icon."
  [ -f "$drive_c/windows/Installer/$code/korvanel.ico" ] || fail "no icon of $code for Installed apps."
  [ "$(reg_value "$uninstall_key\\$code" DisplayName)" = Korvanel ] &&
    [ "$(reg_value "$uninstall_key\\$code" DisplayVersion)" = "$2" ] &&
    [ "$(reg_value "$uninstall_key\\$code" Publisher)" = "Korvanel's authors" ] ||
    fail "no uninstall entry Korvanel $2 by Korvanel's authors under $uninstall_key\\$code."
}

expect_removed() { # MSI
  local code
  code="$(property "$1" ProductCode)"
  [ ! -e "$program_dir" ] || fail "Program Files\\Korvanel is left: $(ls -A "$program_dir")"
  [ -z "$(shortcuts)" ] || fail "a Start menu shortcut is left: $(shortcuts)"
  [ ! -e "$drive_c/windows/Installer/$code" ] || fail "the cached icon of $code is left."
  for key in "$uninstall_key\\$code" 'HKCU\Software\Korvanel' 'HKLM\Software\Korvanel'; do
    ! has_key "$key" || fail "$key is left."
  done
}

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
# Closing the main window, as its close box does, ends the program.
wine taskkill /im korvanel.exe >/dev/null 2>&1 </dev/null
wait "$program_pid" || fail "the installed program ended with $?."
say "the installed program ran: Compute filled 27 rows"

msiexec /x "$(property "$msi" ProductCode)" || fail "msiexec /x failed."
expect_removed "$msi"
say "removed: no file, shortcut or registry key left"

msiexec /i "$msi" && msiexec /i "$newer" || fail "9.99 does not install over 1.00."
expect_installed "$newer" 9.99
! has_key "$uninstall_key\\$(property "$msi" ProductCode)" || fail "1.00 stays beside 9.99."
! msiexec /i "$msi" || fail "1.00 installs over 9.99."
msiexec /x "$(property "$newer" ProductCode)" || fail "msiexec /x of 9.99 failed."
expect_removed "$newer"
say "9.99 replaced 1.00, 1.00 did not go back over it, and left nothing once removed"
say "passed in $((SECONDS - started)) s"
