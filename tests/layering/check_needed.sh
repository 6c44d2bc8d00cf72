#!/usr/bin/env bash
# The toolkit-free programs load no toolkit: none of the executables named
# links FLTK or X at run time (their ELF NEEDED entries).
set -euo pipefail
bad=0
for program in "$@"; do
  needed=$(readelf -d "$program" | sed -nE 's/.*\(NEEDED\).*\[(.*)\]/\1/p')
  [ -n "$needed" ] || { echo "$program: no NEEDED entries read"; bad=1; continue; }
  while IFS= read -r lib; do
    case $lib in
      libfltk*|libX*|libxcb*|libfontconfig*|libGL*)
        echo "$(basename "$program") needs $lib, a toolkit or X library"; bad=1 ;;
    esac
  done <<<"$needed"
done
[[ $bad == 0 ]] && echo "no toolkit or X library among: $(for p in "$@"; do basename "$p"; done | xargs)"
exit $bad
