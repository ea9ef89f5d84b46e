# Sourced by the Windows test scripts, with the Qt for Windows as $1: a Wine prefix of our
# own beside the Qt build, made once, that writes no menu entries into the desktop's menus.
export WINEPREFIX="$(dirname "$1")/wine" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
export WINEARCH=win64
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot --init > /dev/null 2>&1 || true
  wineserver -w
fi
