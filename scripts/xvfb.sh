# shellcheck shell=bash
# A private X display: start_xvfb exports DISPLAY, stop_xvfb ends it (the
# sourcing script's EXIT trap calls it). Sourced, after scripts/lib.sh.
XVFB_PID=
start_xvfb() {
  local n ready waited fifo
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/lookout-xvfb.XXXXXX")
  mkfifo -m 600 "$fifo"
  for n in $(seq 90 140); do
    { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
    # Xvfb writes the number to fd 3 once it accepts connections; on a taken
    # number (also one held by a server in another root, which shares the
    # abstract socket but not /tmp) it exits and the pipe closes unwritten.
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -displayfd 3 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    ready= waited=0
    read -r -t 10 ready <"$fifo" || waited=$?
    if [ "$ready" = "$n" ]; then
      rm -f "$fifo"
      export DISPLAY=":$n"
      say "Xvfb on $DISPLAY"
      return 0
    fi
    # Silent for 10 s (read timed out) is not a taken number; another would
    # hang too. A taken number closes the pipe at once.
    if [ "$waited" -gt 128 ]; then
      stop_xvfb
      rm -f "$fifo"
      echo "Xvfb :$n was not ready within 10 s" >&2
      exit 1
    fi
    stop_xvfb
  done
  rm -f "$fifo"
  echo "no private X display came up: Xvfb failed on every number from :90 to :140" >&2
  exit 1
}
stop_xvfb() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}
