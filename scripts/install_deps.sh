#!/usr/bin/env bash
# Installs the Debian packages a task needs, when any is missing.
# Usage: scripts/install_deps.sh run|test|bench
# As root on Debian it installs them; otherwise it says what to install.
set -euo pipefail

run_packages=(cmake make g++-mingw-w64-x86-64 wine wine64)
test_packages=("${run_packages[@]}" g++ libgtest-dev g++-mingw-w64-i686 wine32:i386
               python3 python3-pefile tmux qemu-user-static clang libclang-rt-14-dev)
bench_packages=("${run_packages[@]}" hyperfine)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  bench) wanted=("${bench_packages[@]}") ;;
  *) echo "usage: $0 run|test|bench" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them (as root on Debian 12: dpkg --add-architecture i386; apt-get update;" \
       "apt-get install ${missing[*]}) and run again." >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
