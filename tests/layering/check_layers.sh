#!/usr/bin/env bash
# The include check of the layers, on what the compiler opened: every header
# of ours in an object's dependency record (`ninja -t deps`), however its
# include was spelled, belongs to the object's library or to one its layer
# allows, and only libraries whose layer names an outside library open its
# headers: FLTK or X for +fltk, OpenSSL, SChannel or the chain engine for +tls,
# SQLite for +sqlite. A header's own includes are held to its library's layer too, each
# resolved as the compiler would, so that one no object opens yet is checked.
# Reads the list that configuring writes (BUILD/layers.txt):
# "library|outside libraries|allowed|file", headers marked "h:".
#   check_layers.sh BUILD SOURCE-ROOT NINJA
set -euo pipefail
build=$(realpath "$1") root=$(realpath "$2") ninja=$3
cd "$build"

real_paths() { xargs -d '\n' realpath -m --; }  # one process for all

# The outside library whose header an include names, or nothing. The awk
# judge below holds the same patterns for the paths the compiler opened.
outside_of() {
  case ${1,,} in
    fl/*|x11/*) echo fltk ;;
    openssl/*|schannel.h|security.h|sspi.h|wincrypt.h) echo tls ;;
    sqlite3.h|sqlite3ext.h) echo sqlite ;;
  esac
}

mapfile -t listed < layers.txt
mapfile -t listed_real < <(printf '%s\n' "${listed[@]}" | sed 's/^\([^|]*|\)\{3\}\(h:\)\{0,1\}//' | real_paths)

# Each include of a header: beside the header, else through any library's
# include root (where the compiler would find it, or a root it should not
# reach). One found nowhere is a system header, unless it names one of our
# folders, or FLTK's or X's.
headers=()
for i in "${!listed[@]}"; do [[ ${listed[$i]} == *'|h:'* ]] && headers+=("${listed_real[$i]}"); done
roots=(include/*/)
asked=() found=()
while IFS= read -r line; do
  file=${line%%:*} include=${line##*include}
  include=${include#"${include%%[^[:space:]]*}"}
  name=${include:1:-1} hit=
  candidates=("${roots[@]/%//$name}")
  [[ $include == '"'* ]] && candidates=("${file%/*}/$name" "${candidates[@]}")
  for c in "${candidates[@]}"; do
    if [[ -e $c ]]; then hit=$c; break; fi
  done
  if [[ -z $hit ]]; then
    if [[ -n $(outside_of "$name") ]]; then hit=/$name
    elif [[ $name == */* && ${name%%/*} != .. && -d $root/${name%%/*} ]]; then hit=$root/$name
    else continue
    fi
  fi
  asked+=("$file"$'\t'"$include") found+=("$hit")
done < <(printf '%s\n' "${headers[@]}" |
  xargs -d '\n' grep -HoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*("[^"]+"|<[^>]+>)')

deps=$("$ninja" -t deps)
mapfile -t opened < <(sed -n 's/^    //p' <<<"$deps" | sort -u)

# L: a file of the list and its real path; R: an opened path and its real
# path; H: a header's include and where it leads; D: the dependency records,
# in which an object's first path is its source and the rest what it opened.
{
  paste <(printf '%s\n' "${listed_real[@]}") <(printf '%s\n' "${listed[@]}") | sed 's/^/L\t/'
  paste <(printf '%s\n' "${opened[@]}") <(printf '%s\n' "${opened[@]}" | real_paths) | sed 's/^/R\t/'
  [[ ${#asked[@]} == 0 ]] ||
    paste <(printf '%s\n' "${asked[@]}") <(printf '%s\n' "${found[@]}" | real_paths) | sed 's/^/H\t/'
  sed 's/^/D\t/' <<<"$deps"
} | awk -F '\t' -v root="$root" -v build="$build" '
  function shorter(path) {
    if (index(path, build "/") == 1) path = substr(path, length(build) + 2)
    if (index(path, root "/") == 1) path = substr(path, length(root) + 2)
    return path
  }
  # The outside library a system header belongs to, or "".
  function outside_of(real,   lower) {
    lower = tolower(real)
    if (lower ~ /\/(fl|x11)\//) return "fltk"
    # <windows.h> opens wincrypt.h for everyone: only an include of it names +tls.
    if (lower ~ /\/openssl\// || lower ~ /\/(schannel|security|sspi)\.h$/) return "tls"
    if (lower ~ /\/sqlite3(ext)?\.h$/) return "sqlite"
    return ""
  }
  # One file that `file`, of the layer "library|outside|allowed", opened.
  function judge(file, layer, real, spelled,   l, used, needs) {
    split(layer, l, "|")
    needs = outside_of(real)
    if (needs != "") {
      if (index(" " l[2] " ", " " needs " ") == 0) refuse(file ": " spelled ": " l[1] " may not use +" needs)
    } else if (real in owner) {
      used = owner[real]
      if (index(" " l[3] " ", " " used " ") == 0)
        refuse(file ": " spelled " belongs to " used ", which " l[1] " may not use")
    } else if (index(real, root "/") == 1 && index(real, root "/third_party/") != 1 && index(real, build "/") != 1) {
      refuse(file ": " spelled " is no library\047s header")
    }
  }
  function refuse(text) { print text; bad = 1 }

  $1 == "L" {
    split($3, f, "|")
    if (f[4] ~ /^h:/) { owner[$2] = f[1]; layer_of_header[$2] = f[1] "|" f[2] "|" f[3] }
    else layer_of[$2] = f[1] "|" f[2] "|" f[3]
    next
  }
  $1 == "R" { real[$2] = $3; next }
  $1 == "H" { judge(shorter($2), layer_of_header[$2], $4, $3); next }
  $2 ~ /: #deps / { source = ""; next }
  $2 ~ /^    / {
    path = substr($2, 5)
    if (source == "") {
      source = real[path]
      if (source in layer_of) recorded[source] = 1
      next
    }
    if (source in layer_of) judge(shorter(source), layer_of[source], real[path], shorter(path))
  }
  END {
    for (s in layer_of)
      if (!(s in recorded)) refuse(shorter(s) ": no dependency record; build before this check")
    if (!bad) print "every include keeps to its layer"
    exit bad
  }'
