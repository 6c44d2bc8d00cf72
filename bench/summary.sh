#!/usr/bin/env bash
# One table from the benchmark outputs in folder $1.
set -uo pipefail
d=$1
field() { awk -F'\t' -v k="$1" '$1 == k {print $2}' "$d/program.txt" 2>/dev/null; }
row() { printf '| %s | %s |\n' "$1" "$2"; }

echo
echo "| Measure | Result |"
echo "|---|---|"
if [ -f "$d/bench_net.txt" ]; then
  grep -E '^(GET|raw|curl)' "$d/bench_net.txt" | while read -r line; do row "fetch: ${line%%: *}" "${line#*: }"; done
  grep -E '^wait' "$d/bench_net.txt" | while read -r line; do row "${line%%: *}" "${line#*: }"; done
fi
if [ -f "$d/bench_textconv.txt" ]; then
  for name in "EucToSjis" "iconv EUC-JP -> CP932" "memcpy"; do
    line=$(grep -E "^  $name  " "$d/bench_textconv.txt" | head -1)
    [ -n "$line" ] && row "20 MiB EUC-JP: $name" "$(echo "$line" | awk '{print $(NF-3) " ms, " $(NF-1) " iconv speed, " $NF " memcpy time"}')"
  done
fi
if [ -f "$d/bench_pages.txt" ]; then
  line=$(grep -E '^StatusPage100k' "$d/bench_pages.txt" | head -1)
  [ -n "$line" ] && row "status page, 100,000 lines" "$(echo "$line" | awk '{print $2 " " $3 " a page, " $NF}')"
fi
if [ -f "$d/bench_history.txt" ]; then
  grep -E '^history: ' "$d/bench_history.txt" | while read -r line; do
    line=${line#history: }
    row "history: ${line%%: *}" "${line#*: }"
  done
fi
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2fx", a / b; else printf "?"}'; }
# Each against the bare window with the same widgets, measured in the same run.
vs_bare() {  # key unit
  local a b
  a=$(field "$1"); b=$(field "bare_$1")
  printf '%s %s, %s %s: %s' "$a" "$2" "$b" "$2" "$(ratio "$a" "$b")"
}
runs=$(field runs)
row "start-up to the mapped window, median of $runs: program, bare window" \
  "$(vs_bare startup_ms ms) (target 1.2x or better; runs $(field startup_ms_spread) ms, $(field bare_startup_ms_spread) ms)"
row "processor time to the mapped window: program, bare window" "$(vs_bare startup_cpu_ms ms)"
row "resident memory after the first refresh: program, bare window (drawn)" "$(vs_bare rss_kib KiB) (target 1.2x or better)"
for k in $(awk -F'\t' '$1 ~ /^idle_cpu_ms_per_/ {print $1}' "$d/program.txt" 2>/dev/null); do
  s=${k#idle_cpu_ms_per_}
  row "idle for ${s%s} s: CPU time, wakeups" "$(field "$k") ms, $(field "idle_wakeups_per_$s") wakeups"
done
