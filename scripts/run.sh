#!/usr/bin/env bash
# Installs what is missing, builds Keyvane and starts it under Wine: on $DISPLAY
# when there is one, otherwise on a virtual display, leaving a screenshot in
# build/keyvane.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Keyvane -j"$(nproc)"
source scripts/wine-env.sh
exe="$root/build/windows/src/Keyvane.exe"

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Keyvane on $DISPLAY"
  exec wine "$exe"
fi

source scripts/xvfb.sh
start_xvfb
echo "No display: running Keyvane on the virtual display $DISPLAY"
wine "$exe" &
for _ in $(seq 60); do
  sleep 0.5
  if xwininfo -root -tree 2>/dev/null | grep -q '"Keyvane"'; then break; fi
done
sleep 2
import -window root "$root/build/keyvane.png"
echo "Screenshot of the main window: $root/build/keyvane.png"
wineserver -k >/dev/null 2>&1 || true
