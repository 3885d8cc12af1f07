#!/usr/bin/env bash
# Times `Tollvane.exe -s` against Wine's own `reg.exe query` of the same value,
# under one warm persistent wineserver and a private throwaway prefix, and
# prints both medians, their ratio (goal: at most 1.0) and the size of the
# shipping program. A benchmark, not a test: it passes or fails nothing.
# Usage: bench/bench.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-30}

"$root/scripts/install_deps.sh" bench
"$root/scripts/build.sh" windows windows-x64 >/dev/null

prefix=$(mktemp -d /tmp/tollvane-bench-XXXXXX)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
export PROMPT='$P$G'
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT

wine=/usr/lib/wine/wine64
key='HKLM\SYSTEM\CurrentControlSet\Control\CrashControl'
wineserver -p
timeout 300 "$wine" wineboot -i </dev/null >/dev/null 2>&1
timeout 60 "$wine" reg add "$key" /v AutoReboot /t REG_DWORD /d 1 /f >/dev/null

exe="$root/build/windows-x64/Tollvane.exe"
json="$prefix/times.json"
hyperfine --style basic --warmup 5 --runs "$runs" --export-json "$json" \
  -n tollvane "$wine '$exe' -s" \
  -n reg.exe "$wine reg query '$key' /v AutoReboot" >&2

python3 - "$json" "$root/build/windows/Tollvane.exe" <<'PY'
import json, os, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
tool, reg = results["tollvane"]["median"], results["reg.exe"]["median"]
print("Tollvane.exe -s median:       %.1f ms" % (tool * 1000))
print("reg.exe query median:         %.1f ms" % (reg * 1000))
print("ratio (goal <= 1.0):          %.3f" % (tool / reg))
print("shipping Tollvane.exe size:   %d bytes" % os.path.getsize(sys.argv[2]))
PY
