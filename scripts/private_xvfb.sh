# Sourced by the scripts that need an X server of their own (end-to-end tests, benchmarks).
# start_private_xvfb WORKDIR [XVFB-OPTION...]: starts Xvfb on the first free display number, sets
# xvfb_pid for the caller's cleanup, and exports DISPLAY. A loaded machine can take many seconds
# to start it, so it waits up to a minute before giving up with a clear message.
start_private_xvfb() {
  local work=$1
  shift
  exec 3>"$work/display"
  Xvfb -displayfd 3 "$@" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 600); do [[ -s "$work/display" ]] && break; sleep 0.1; done
  if [[ ! -s "$work/display" ]]; then
    echo "FAILED: Xvfb gave no display number within 60 s"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}
