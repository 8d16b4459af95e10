#!/usr/bin/env bash
# Cross-builds the Win32 runtime (core, report, ui, platform/win32, the
# program and their tests) with mingw-w64 into build-win32/: the win32 preset,
# installing the cross compiler if missing.
# Usage: scripts/build-win32.sh [extra cmake arguments] [-- build targets]
# KORVANEL_WARNINGS_AS_ERRORS=ON makes compiler warnings errors, as in
# scripts/build.sh.
set -euo pipefail
exec "$(dirname "$0")/build.sh" win32 "$@"
