#!/usr/bin/env bash
# The layer checks refuse what they are for, in a project of two libraries of
# the table, lookout_textconv and lookout_credits, neither of which may use the
# other: the include check a header of credits opened by textconv however it is
# spelled (quoted relative, climbing out of the include root, up through the
# project's root; in a header no object opens), and configuring a plain
# add_library and a link added to an outside target.
#   refuses.sh SOURCE-ROOT WORK CMAKE NINJA
set -euo pipefail
repo=$1 work=$2 cmake=$3 ninja=$4
rm -rf "$work"
src=$work/src
mkdir -p "$src/credits" "$src/textconv"
cat > "$src/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.25)
project(planted CXX)
add_library(lookout_sockets INTERFACE)
include($repo/cmake/LookoutLayers.cmake)
add_subdirectory(credits)
add_subdirectory(textconv)
if(PLANT STREQUAL "add_library")
  add_library(lookout_stray STATIC textconv/Own.cpp)
elseif(PLANT STREQUAL "outside_link")
  target_link_libraries(lookout_sockets INTERFACE lookout_credits)
endif()
lookout_check_layers()
EOF
echo 'lookout_library(lookout_credits SOURCES Credits.cpp HEADERS Credits.h)' > "$src/credits/CMakeLists.txt"
echo 'lookout_library(lookout_textconv SOURCES Own.cpp Quoted.cpp Angle.cpp Root.cpp HEADERS Text.h)' \
  > "$src/textconv/CMakeLists.txt"
echo '#pragma once' > "$src/credits/Credits.h"
echo '#include "credits/Credits.h"' > "$src/credits/Credits.cpp"
echo '#include <../lookout_credits/credits/Credits.h>' > "$src/textconv/Text.h"
echo '#include "textconv/Text.h"' > "$src/textconv/Own.cpp"
echo '#include "../credits/Credits.h"' > "$src/textconv/Quoted.cpp"
echo '#include <../lookout_credits/credits/Credits.h>' > "$src/textconv/Angle.cpp"
echo '#include <../../../credits/Credits.h>' > "$src/textconv/Root.cpp"

failed=0
fail() { echo "FAILED: $*"; failed=1; }

# Own.cpp opens Text.h, and so what Text.h includes: the one include refused
# twice, by what Own.cpp opened and in Text.h itself.
# No compiler launcher: a cache such as ccache rewrites the paths in the
# dependency records that the messages below quote.
"$cmake" -S "$src" -B "$src/build" -G Ninja -DCMAKE_MAKE_PROGRAM="$ninja" \
  -DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER= >/dev/null
"$cmake" --build "$src/build" >/dev/null
said=$(bash "$repo/tests/layering/check_layers.sh" "$src/build" "$src" "$ninja") && fail "the include check passed"
expected="textconv/Angle.cpp: include/lookout_credits/credits/Credits.h belongs to lookout_credits, which lookout_textconv may not use
textconv/Own.cpp: include/lookout_credits/credits/Credits.h belongs to lookout_credits, which lookout_textconv may not use
textconv/Quoted.cpp: credits/Credits.h belongs to lookout_credits, which lookout_textconv may not use
textconv/Root.cpp: credits/Credits.h belongs to lookout_credits, which lookout_textconv may not use
textconv/Text.h: <../lookout_credits/credits/Credits.h> belongs to lookout_credits, which lookout_textconv may not use"
[[ $(LC_ALL=C sort <<<"$said") == "$expected" ]] || fail "the include check said:"$'\n'"$said"$'\n'"expected:"$'\n'"$expected"

# The same build folder configured again, with each plant.
configure_refuses() {  # configure_refuses PLANT MESSAGE
  local said
  if said=$("$cmake" -S "$src" -B "$src/build" -DPLANT="$1" 2>&1); then
    fail "configuring with $1 passed"
  elif ! tr -s ' \n' ' ' <<<"$said" | grep -qF "$2"; then
    fail "configuring with $1 did not say \"$2\":"$'\n'"$said"
  fi
}
configure_refuses add_library "lookout_stray in $src is a library not made by lookout_library"
configure_refuses outside_link "lookout_sockets links lookout_credits, more than it was made with"

[[ $failed == 0 ]] && echo "the layer checks refuse every planted breach"
exit $failed
