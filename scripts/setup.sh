#!/usr/bin/env bash
# Installs what building and testing Keyvane needs, only what is missing, and
# prepares a private Wine prefix under build/. Safe to run again.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

need_pkgs=(cmake make g++ googletest g++-mingw-w64-i686 mingw-w64-i686-dev
  binutils-mingw-w64-i686 wine wine32:i386 wine64 xvfb xauth x11-utils
  imagemagick python3)

missing=()
for p in "${need_pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Private Wine prefix: first boot takes a while, later runs reuse it.
# shellcheck source=wine-env.sh
source "$here/scripts/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w || true
fi
# Wine's own virtual desktop draws window frames and captions, which a bare
# Xvfb (no window manager) would not.
if ! grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w || true
fi
echo "setup: ready"
