#!/usr/bin/env bash
# The include check of the layers: every include of one of our headers, in
# quotes or in angle brackets, names a header of the library itself or of one
# its layer allows, and only libraries whose layer names an outside library
# include its headers: FLTK or X for +fltk, OpenSSL, SChannel or the chain
# engine for +tls. Reads the list that configuring writes (build/layers.txt).
set -euo pipefail
manifest=$1 root=$2

declare -A owner  # "net/HttpClient.h" -> lookout_net
declare -A folder # "net" -> a folder of ours
while IFS='|' read -r library outside allowed file; do
  if [[ $file == h:* ]]; then
    name=${file#h:$root/}
    owner[$name]=$library
    folder[${name%%/*}]=1
  fi
done < "$manifest"

bad=0
# The outside library whose header an include names, or nothing.
outside_of() {
  case ${1,,} in
    fl/*|x11/*) echo fltk ;;
    openssl/*|schannel.h|security.h|sspi.h|wincrypt.h) echo tls ;;
  esac
}

while IFS='|' read -r library outside allowed file; do
  file=${file#h:}
  while IFS= read -r include; do
    name=${include:1:-1}
    needs=$(outside_of "$name")
    if [[ -n $needs ]]; then
      [[ " $outside " == *" $needs "* ]] && continue
      echo "${file#$root/}: $include: $library may not use +$needs"; bad=1
      continue
    fi
    used=${owner[$name]:-}
    if [[ -z $used ]]; then
      # A system header in angle brackets is none of our business; anything
      # else that names one of our folders must be a header we publish.
      [[ $include == '<'* && -z ${folder[${name%%/*}]:-} ]] && continue
      echo "${file#$root/}: $include is no library's header"; bad=1
    elif [[ " $allowed " != *" $used "* ]]; then
      echo "${file#$root/}: $include belongs to $used, which $library may not use"; bad=1
    fi
  done < <(sed -nE 's@^[[:space:]]*#[[:space:]]*include[[:space:]]*("[^"]+"|<[^>]+>).*@\1@p' "$file")
done < "$manifest"
[[ $bad == 0 ]] && echo "every include keeps to its layer"
exit $bad
