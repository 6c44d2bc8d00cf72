#!/usr/bin/env bash
# Processor time of a 5 s wait for a late answer in the window's pump, beside
# FLTK's own socket polling and an idle window, each a run of its own
# (lookout-pump-wait.exe). The wait alone as the program counts it, and the
# whole run as Linux counts it: the program and Wine's server. Runs under the
# caller's Wine server (scripts/wine.sh: WINEPREFIX exported, server up).
#   pump-wait.sh BIN_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine.sh"
bin=$1
work=$(mktemp -d)
demo=
trap '[ -z "$demo" ] || kill "$demo" 2>/dev/null; rm -rf "$work"' EXIT

cpu_ticks() {  # user and system clock ticks of a process so far
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}
name_of() {
  case $1 in
    idle) echo "idle window, 5 s" ;;
    pump) echo "GET answered after 5 s, the pump" ;;
    add_fd) echo "the same GET, FLTK's Fl::add_fd" ;;
  esac
}

mkfifo "$work/started"
"$WINE" "$bin/lookout-demo-service.exe" --port 0 --interval 3600 > "$work/started" &
demo=$!
read -r -t 60 line < "$work/started" || { echo "the demo service did not start" >&2; exit 1; }
port=$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/.*|\1|p' <<< "$line")
server=$(wine_server_pid)
printf '    %-36s %12s %26s\n' "" "the wait" "whole run, program+server"
idle=
for mode in idle pump add_fd; do
  TIMEFORMAT='%3U %3S'
  before=$(cpu_ticks "$server")
  { time "$WINE" "$bin/lookout-pump-wait.exe" "$port" "$mode" > "$work/out.txt"; } 2> "$work/time.txt"
  after=$(cpu_ticks "$server")
  read -r _ wait _ < "$work/out.txt"
  times=$(tail -n 1 "$work/time.txt")
  cpu=$(awk -v t="$times" -v s=$((after - before)) -v hz="$(getconf CLK_TCK)" \
    'BEGIN { split(t, a, " "); printf "%.0f", (a[1] + a[2]) * 1000 + s * 1000 / hz }')
  [ -n "$idle" ] || idle=$cpu
  printf '    %-36s %9s ms %20s ms %s\n' "$(name_of "$mode")" "$wait" "$cpu" \
    "$(awk -v c="$cpu" -v i="$idle" 'BEGIN { if (i > 0) printf "(%.2fx idle)", c / i }')"
done
kill -INT "$demo"
wait "$demo" || true
demo=
