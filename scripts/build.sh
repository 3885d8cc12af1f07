#!/usr/bin/env bash
# Configures and builds: scripts/build.sh [windows] [windows-x64] [host] [host-sanitize]
# (all three when none is named). Incremental: only what changed is rebuilt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

builds=("$@")
[ ${#builds[@]} -eq 0 ] && builds=(windows windows-x64 host)
jobs=$(nproc 2>/dev/null || echo 2)

for build in "${builds[@]}"; do
  case "$build" in
    windows) options=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake) ;;
    windows-x64) options=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake) ;;
    host) options=(-DCMAKE_BUILD_TYPE=Debug) ;;
    host-sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DTOLLVANE_SANITIZE=ON -DTOLLVANE_FUZZ=ON) ;;
    *) echo "unknown build: $build" >&2; exit 2 ;;
  esac
  if [ ! -f "build/$build/CMakeCache.txt" ]; then
    cmake -S . -B "build/$build" "${options[@]}" >/dev/null
  fi
  cmake --build "build/$build" -j "$jobs"
done
