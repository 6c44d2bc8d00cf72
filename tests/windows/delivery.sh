#!/usr/bin/env bash
# The downloads as a user gets them: unpacks the zip into a fresh folder and
# runs DeliveryTest.cpp's program under Wine with both downloads named.
#   delivery.sh WINE TESTS PACKAGE   (PACKAGE: the build folder's
#   lookout-VERSION-win64, to which .zip and -setup.exe are added)
set -euo pipefail
wine=$1 tests=$2 package=$3
for file in "$package.zip" "$package-setup.exe"; do
  [ -f "$file" ] || { echo "delivery: no $file (cpack in the build folder makes it)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$package.zip" -d "$work"
windows() { printf 'Z:%s' "${1//\//\\}"; }
LOOKOUT_SETUP=$(windows "$package-setup.exe") LOOKOUT_PORTABLE=$(windows "$work/$(basename "$package")") \
  "$wine" "$tests"
