# Sourced by the Windows test scripts: start_display [WIDTHxHEIGHT] starts a virtual X
# display of its own (1280 x 1024 unless told), so that nothing else's windows are in the
# way, sets DISPLAY and leaves the server's process in $xvfb.
start_display() {
  local number
  exec 3< <(Xvfb -displayfd 1 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 2> /dev/null)
  xvfb=$!
  if ! read -r -t 30 number <&3; then
    echo "no virtual display (Xvfb)" >&2
    return 1
  fi
  export DISPLAY=":$number"
}
