#!/usr/bin/env bash
# refuses.sh PATH/run: package-check outside a throwaway root exits 1 and says
# why and what to run instead.
[ -e /etc/lookout-throwaway-root ] && exit 77
status=0
said=$("$1" package-check 2>&1 </dev/null) || status=$?
printf '%s\n' "$said"
[ "$status" -eq 1 ] && grep -q 'refuses to run here' <<<"$said" && grep -q './run fresh-check' <<<"$said"
