# Sourced by the scripts: the environment every Wine run of the project shares.
_kv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KEYVANE_WINEPREFIX:-$_kv_root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
