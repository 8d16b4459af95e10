#!/usr/bin/env bash
# Makes (once) a Wine prefix for the Win32 build (scripts/lib/wine.sh) and
# sets its screen DPI. With --unmanaged Wine frames its windows itself, for a
# display without window manager (the tests); without it a window manager
# does (the screenshots, under openbox).
# Usage: scripts/make-wine-prefix.sh PREFIX [DPI] [--unmanaged]   (DPI 96 by default)
set -euo pipefail
"$(dirname "$0")/install-deps.sh" win32-test
source "$(dirname "$0")/lib/wine.sh"
use_wine_prefix "$(realpath -m "${1:?usage: $0 PREFIX [DPI] [--unmanaged]}")"
make_wine_prefix "${2:-96}" "${3:-}"
