#!/usr/bin/env bash
# The include check of the layers: every include in a library's files names a
# header of the library itself or of one its layer allows, and only libraries
# whose layer allows the toolkit include FLTK or X. Reads the list that
# configuring writes (build/layers.txt).
set -euo pipefail
manifest=$1 root=$2

declare -A owner  # "net/HttpClient.h" -> lookout_net
while IFS='|' read -r library fltk allowed file; do
  [[ $file == h:* ]] && owner[${file#h:$root/}]=$library
done < "$manifest"

bad=0
while IFS='|' read -r library fltk allowed file; do
  file=${file#h:}
  while IFS= read -r include; do
    case $include in
      '<'*)
        [[ $fltk == ON ]] && continue
        echo "${file#$root/}: $include: $library is toolkit-free"; bad=1 ;;
      *)
        name=${include//\"/}
        used=${owner[$name]:-}
        if [[ -z $used ]]; then
          echo "${file#$root/}: $include is no library's header"; bad=1
        elif [[ " $allowed " != *" $used "* ]]; then
          echo "${file#$root/}: $include belongs to $used, which $library may not use"; bad=1
        fi ;;
    esac
  done < <(sed -nE 's@^[[:space:]]*#[[:space:]]*include[[:space:]]*("[^"]+"|<(FL|X11)/[^>]+>).*@\1@p' "$file")
done < "$manifest"
[[ $bad == 0 ]] && echo "every include keeps to its layer"
exit $bad
