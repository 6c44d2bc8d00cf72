#!/usr/bin/env bash
# The console programs under Wine, driven as from a terminal: lookout-status
# reads the demo service's pages, writes UTF-8 into a pipe, names Windows'
# folders in --help and says --notify is not there, and both end
# at Ctrl+C, which Wine hands a program when it gets SIGINT. Every wait is a
# bounded read of the program's own output, never a sleep.
#   consoles.sh WINE BIN
set -euo pipefail
wine=$1 bin=$2
work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "consoles: $*" >&2; exit 1; }
# ended FD: the program writing to FD ends (closes it) within 30 seconds.
ended() {
  local rc=0
  while [ "$rc" -eq 0 ]; do read -r -t 30 _ <&"$1" && rc=0 || rc=$?; done
  [ "$rc" -le 128 ]
}

mkfifo "$work/demo.out" "$work/watch.out"
"$wine" "$bin/lookout-demo-service.exe" --port 0 --interval 3600 > "$work/demo.out" &
demo=$!; pids+=("$demo")
exec 3< "$work/demo.out"
read -r -t 60 ready <&3 || fail "the demo service printed no ready line"
port=$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/.*|\1|p' <<< "$ready")
[ -n "$port" ] || fail "no port in: $ready"

printf '0\r\n0\r\nhttp://127.0.0.1:%s/\r\nhttp://127.0.0.1:%s/ipmap/\r\nworld1\r\n' "$port" "$port" > "$work/SERVER.INI"
config="Z:${work//\//\\}\\SERVER.INI"

# One refresh as JSON, into a pipe; the exit status tells the servers' health
# (0 to 2). Login's hint, Japanese, arrives as UTF-8 bytes.
status=0
"$wine" "$bin/lookout-status.exe" --config "$config" --json | cat > "$work/json" || status=$?
[ "$status" -le 2 ] || fail "lookout-status --json ended with $status"
grep -q '"GameServer15"' "$work/json" || fail "no GameServer15 in the JSON"
LC_ALL=C grep -q 'ログイン認証' "$work/json" || fail "Login's hint is not ログイン認証 in UTF-8"

"$wine" "$bin/lookout-status.exe" --help | grep -qF '%APPDATA%\Lookout\SERVER.INI' ||
  fail "--help names no installed copy's SERVER.INI"

status=0
"$wine" "$bin/lookout-status.exe" --config "$config" --notify 2> "$work/notify" || status=$?
[ "$status" -eq 3 ] || fail "--notify ended with $status, not 3"
grep -q 'not available on Windows' "$work/notify" || fail "--notify said: $(cat "$work/notify")"

# Watching: Ctrl+C once the table is out ends it the way Ctrl+C ends a
# console program, STATUS_CONTROL_C_EXIT (its low byte, 0x3A, under Wine).
"$wine" "$bin/lookout-status.exe" --config "$config" --watch > "$work/watch.out" &
watch=$!; pids+=("$watch")
exec 4< "$work/watch.out"
read -r -t 60 line <&4 || fail "lookout-status --watch printed nothing"
kill -INT "$watch"
ended 4 || fail "lookout-status --watch went on after Ctrl+C"
status=0; wait "$watch" || status=$?
[ "$status" -eq 58 ] || fail "lookout-status --watch ended with $status after Ctrl+C, not 58"

kill -INT "$demo"
ended 3 || fail "the demo service went on after Ctrl+C"
status=0; wait "$demo" || status=$?
[ "$status" -eq 0 ] || fail "the demo service ended with $status after Ctrl+C, not 0"
echo "the console programs read the pages, refuse --notify and end at Ctrl+C"
