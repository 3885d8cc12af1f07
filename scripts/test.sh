#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest:
# first the host tests under AddressSanitizer and UBSan with the fuzz target,
# then the unit tests and the Windows programs under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install_deps.sh test
scripts/build.sh windows windows-x64 host host-sanitize
(cd build/host-sanitize && ctest --output-on-failure)
cd build/host
ctest --output-on-failure
