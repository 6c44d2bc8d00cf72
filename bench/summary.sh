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
row "start-up to the first drawn window" "$(field startup_ms) ms"
row "resident memory after the first refresh" "$(field rss_after_refresh_kib) KiB"
for k in $(awk -F'\t' '$1 ~ /^idle_cpu_ms_per_/ {print $1}' "$d/program.txt" 2>/dev/null); do
  s=${k#idle_cpu_ms_per_}
  row "idle for ${s%s} s: CPU time, wakeups" "$(field "$k") ms, $(field "idle_wakeups_per_$s") wakeups"
done
