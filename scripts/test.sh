#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test: the host
# tests (with sanitizers) and the Windows tests under Wine on a private Xvfb.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
jobs=$(nproc)

cmake --preset native -DKEYVANE_WERROR=$werror >/dev/null || exit 1
cmake --build --preset native -j"$jobs" || exit 1
cmake --preset windows -DKEYVANE_WERROR=$werror >/dev/null || exit 1
cmake --build --preset windows -j"$jobs" || exit 1

source scripts/wine-env.sh
source scripts/xvfb.sh
start_xvfb || exit 1

status=0
echo "== host tests"
ctest --preset native || status=1
echo "== Windows tests under Wine"
ctest --preset windows || status=1
stop_xvfb
exit $status
