#!/bin/sh
# Lookout keeps its settings in SERVER.INI next to its executable and writes
# the window position back there when it closes. An installed program lives
# in a folder only root may write, so each user runs a private copy of the
# executable from a folder of their own, beside their own SERVER.INI.
set -e
system_dir=$(dirname "$(readlink -f "$0")")/../@CMAKE_INSTALL_LIBDIR@/lookout
user_dir=${XDG_DATA_HOME:-$HOME/.local/share}/lookout
mkdir -p "$user_dir"
# A new package version brings a new executable; the user's SERVER.INI stays.
if ! cmp -s "$system_dir/lookout" "$user_dir/lookout"; then
  cp "$system_dir/lookout" "$user_dir/lookout.new"
  mv -f "$user_dir/lookout.new" "$user_dir/lookout"
fi
[ -f "$user_dir/SERVER.INI" ] || cp "$system_dir/SERVER.INI" "$user_dir/SERVER.INI"
exec "$user_dir/lookout" "$@"
