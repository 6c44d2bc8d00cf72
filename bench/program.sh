#!/usr/bin/env bash
# The whole program under Xvfb against the demo service: start-up time to the
# first drawn window, resident memory after the first refresh, and CPU time
# and wakeups over one idle minute. Prints "name<TAB>value" lines.
# Needs DISPLAY (an Xvfb of the caller's) and the built binaries in $1.
set -euo pipefail
bin=$1
idle_seconds=${2:-60}
work=$(mktemp -d)
trap 'kill $app $demo 2>/dev/null || true; rm -rf "$work"' EXIT

"$bin/lookout-demo-service" --port 0 --port-file "$work/port" --interval 3600 >/dev/null &
demo=$!
for _ in $(seq 1 200); do [ -s "$work/port" ] && break; sleep 0.05; done
port=$(cat "$work/port")
cp "$bin/lookout" "$work/lookout"
printf '100\r\n100\r\nhttp://127.0.0.1:%s/\r\nhttp://127.0.0.1:%s/ipmap/\r\nworld1\r\n' "$port" "$port" > "$work/SERVER.INI"

start=$(date +%s%N)
"$work/lookout" &
app=$!
# Polled finely: xdotool's own --sync looks only twice a second.
until xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1; do sleep 0.01; done
mapped=$(date +%s%N)
printf 'startup_ms\t%d\n' $(( (mapped - start) / 1000000 ))

# The first refresh has ended when the normal caption shows.
for _ in $(seq 1 400); do
  name=$(xdotool search --onlyvisible --pid "$app" getwindowname 2>/dev/null || true)
  case "$name" in *"(3600"*) break ;; esac
  sleep 0.05
done
printf 'rss_after_refresh_kib\t%s\n' "$(awk '/^VmRSS/ {print $2}' /proc/$app/status)"

cpu() { awk '{print $14 + $15}' /proc/$app/stat; }
wakeups() { awk '/^voluntary_ctxt_switches/ {v=$2} /^nonvoluntary_ctxt_switches/ {n=$2} END {print v + n}' /proc/$app/status; }
ticks=$(getconf CLK_TCK)
cpu0=$(cpu); wake0=$(wakeups)
sleep "$idle_seconds"
cpu1=$(cpu); wake1=$(wakeups)
printf 'idle_cpu_ms_per_%ss\t%d\n' "$idle_seconds" $(( (cpu1 - cpu0) * 1000 / ticks ))
printf 'idle_wakeups_per_%ss\t%d\n' "$idle_seconds" $(( wake1 - wake0 ))
