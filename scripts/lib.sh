# shellcheck shell=bash
# What ./run, its jobs in scripts/ and bench/, and scripts/fresh-check share.
# Sourced; LOOKOUT_ROOT is the repository (the folder of this script's
# parent unless set).
LOOKOUT_ROOT=${LOOKOUT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

say() { printf '==> %s\n' "$*"; }

# scripts/fresh-check leaves this in its root before package-check, which
# refuses any other machine.
THROWAWAY_MARKER=/etc/lookout-throwaway-root

STAGES=()   # "name: seconds" of each stage that ended
STAGE=      # the stage that runs now, if any
STAGE_START=0
stage() {  # stage NAME COMMAND...: runs it in this shell and records how long it took
  STAGE=$1 STAGE_START=$SECONDS
  shift
  say "$STAGE"
  "$@"
  STAGES+=("$STAGE: $((SECONDS - STAGE_START)) s")
  STAGE=
}
say_stages() {  # say_stages [LINE...]: the timings, then the lines given
  say "stage timings:"
  printf '    %s\n' "${STAGES[@]}" "$@"
}

install_packages() {  # install_packages PACKAGE...: those missing, as root; else the apt-get line
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
  say "installing ${missing[*]}"
  apt-get update -qq
  # dpkg's progress stays out of the way; apt's and dpkg's errors still show.
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The build folder of a configure preset, as CMakePresets.json (one key a
# line) names it.
build_dir() {  # build_dir PRESET [REPOSITORY]
  local root=${2:-$LOOKOUT_ROOT} dir
  dir=$(awk -v want="$1" '
    /"configurePresets"/ { inside = 1 }
    /"(build|test|package|workflow)Presets"/ { inside = 0 }
    inside && match($0, /"name": *"[^"]*"/) { name = substr($0, RSTART, RLENGTH); sub(/^"name": *"/, "", name); sub(/"$/, "", name) }
    inside && name == want && match($0, /"binaryDir": *"[^"]*"/) {
      dir = substr($0, RSTART, RLENGTH); sub(/^"binaryDir": *"/, "", dir); sub(/"$/, "", dir); print dir; exit
    }' "$root/CMakePresets.json")
  [ -n "$dir" ] || { echo "CMakePresets.json gives the preset $1 no binaryDir" >&2; exit 1; }
  echo "${dir/'${sourceDir}'/$root}"
}

configure() {  # configure PRESET
  local preset=$1 dir messages
  dir=$(build_dir "$preset")
  # A cache written while a package was missing keeps it "not found" after
  # the package is installed: a failed configure is tried once more from a
  # clean cache, and one that still fails leaves no cache behind.
  if messages=$(cmake --preset "$preset" 2>&1 >/dev/null); then
    [ -z "$messages" ] || printf '%s\n' "$messages" >&2
    return 0
  fi
  say "configure ($preset) failed; trying once more from a clean cache"
  cmake --preset "$preset" --fresh >/dev/null && return 0
  rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  echo "configuring ($preset) failed: see the messages above" >&2
  exit 1
}

build() {  # build PRESET
  say "configuring and building ($1)"
  configure "$1"
  cmake --build --preset "$1"
}
