#!/usr/bin/env bash
# The whole program under Xvfb against the demo service, beside a bare window
# with the same widgets (lookout-bare-window): the time from start to the
# mapped window and the processor time used by then, and the resident memory
# after the first refresh (the bare window's: after its first drawing), each
# the median of RUNS runs taken in turns, with the spread of the start-up
# times; then CPU time and wakeups over one idle period.
#   program.sh BIN_DIR [IDLE_SECONDS [RUNS]]
# Prints "name<TAB>value" lines. Needs DISPLAY (an Xvfb of the caller's).
set -euo pipefail
bin=$1
idle_seconds=${2:-60}
runs=${3:-9}
work=$(mktemp -d)
trap 'kill $demo 2>/dev/null || true; rm -rf "$work"' EXIT

"$bin/lookout-demo-service" --port 0 --port-file "$work/port" --interval 3600 >/dev/null &
demo=$!
for _ in $(seq 1 200); do [ -s "$work/port" ] && break; sleep 0.05; done
port=$(cat "$work/port")
cp "$bin/lookout" "$work/lookout"
printf '100\r\n100\r\nhttp://127.0.0.1:%s/\r\nhttp://127.0.0.1:%s/ipmap/\r\nworld1\r\n' "$port" "$port" > "$work/SERVER.INI"

# The first refresh has ended when the normal caption shows the interval.
watch_program() { "$bin/lookout-map-watch" --caption '(3600' "$@" "$work/lookout"; }
watch_bare() { "$bin/lookout-map-watch" --caption '(drawn)' "$bin/lookout-bare-window"; }

for _ in $(seq 1 "$runs"); do
  watch_bare | sed 's/^/bare_/'
  watch_program
done > "$work/runs"

median() { awk -F'\t' -v k="$1" '$1 == k {print $2}' "$work/runs" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
spread() { awk -F'\t' -v k="$1" '$1 == k {print $2}' "$work/runs" | sort -n | awk 'NR == 1 {lo = $1} {hi = $1} END {print lo "-" hi}'; }
printf 'runs\t%s\n' "$runs"
for k in startup_ms startup_cpu_ms rss_kib; do
  printf '%s\t%s\n' "$k" "$(median "$k")"
  printf 'bare_%s\t%s\n' "$k" "$(median "bare_$k")"
done
printf 'startup_ms_spread\t%s\n' "$(spread startup_ms)"
printf 'bare_startup_ms_spread\t%s\n' "$(spread bare_startup_ms)"

watch_program --idle "$idle_seconds" | awk -F'\t' -v s="$idle_seconds" '
  $1 == "idle_cpu_ms" {printf "idle_cpu_ms_per_%ss\t%s\n", s, $2}
  $1 == "idle_wakeups" {printf "idle_wakeups_per_%ss\t%s\n", s, $2}'
