# shellcheck shell=bash
# Wine's own server for a private prefix, started once and kept up between
# the programs (each would otherwise start and wait for its own):
# start_wine PREFIX exports WINEPREFIX and Wine's settings, stop_wine ends
# the server (the sourcing script's EXIT trap calls it). Sourced.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
WINE_UP=
start_wine() {  # start_wine PREFIX
  export WINEPREFIX=$1 WINEDEBUG=-all
  # No Mono or Gecko: their installers would ask to download them.
  export WINEDLLOVERRIDES='mscoree,mshtml='
  WINE_UP=1
  # A server left by an interrupted run would not take -p.
  "$WINESERVER" -k 2>/dev/null || true
  mkdir -p "$WINEPREFIX"
  # A new prefix goes on being set up, its services restarting, for seconds
  # after wineboot returns; under a server that stays up, programs started
  # meanwhile were slowed by about 15 s each, hung, or saw the server fail an
  # assertion. So the prefix is made first under a server that ends once
  # everything in it has ended.
  "$WINE" wineboot --init >/dev/null 2>&1
  timeout 120 "$WINESERVER" -w || { echo "the new Wine prefix did not settle within 120 s" >&2; exit 1; }
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  # Wine's services start with the session's first program and outlive it:
  # started here, they hold no test's or build step's output open.
  "$WINE" wineboot --init >/dev/null 2>&1
}
stop_wine() {
  [ -n "$WINE_UP" ] || return 0
  "$WINESERVER" -k 2>/dev/null || true
  WINE_UP=
}
wine_server_pid() {  # the Wine server of WINEPREFIX
  local dir
  for dir in /proc/[0-9]*; do
    case $(cat "$dir/comm" 2>/dev/null) in wineserver*) ;; *) continue ;; esac
    tr '\0' '\n' < "$dir/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "${dir#/proc/}"; return; }
  done
}
