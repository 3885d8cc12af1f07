#!/usr/bin/env bash
# Runs Tollvane on Linux: builds the 64-bit Windows program if needed and runs
# it under Wine against a private registry in build/wineprefix.
# Usage: scripts/run.sh [1 | 0 | -s | -h]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install_deps.sh" run
"$root/scripts/build.sh" windows-x64 >/dev/null

export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the private Wine prefix $WINEPREFIX (once)..." >&2
  mkdir -p "$WINEPREFIX"
  timeout 300 /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1
  # Let the new registry reach the disk before the first run reads it.
  timeout 60 wineserver -w
fi
exec /usr/lib/wine/wine64 "$root/build/windows-x64/Tollvane.exe" "$@"
