#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install_deps.sh test
scripts/build.sh windows windows-x64 host
cd build/host
ctest --output-on-failure --timeout 1800
