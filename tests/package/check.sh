#!/usr/bin/env bash
# The installed package as a user meets it: installs the .deb with apt, points
# the site default SERVER.INI at the installed demo service, starts the
# installed program as an unprivileged user on its first start, checks that
# the slots fill and that closing the window writes the position into that
# user's own SERVER.INI. Removes the user and the package again at the end.
# Run as root in a throwaway Debian root, with DISPLAY set to an Xvfb:
#   tests/package/check.sh PATH/lookout_VERSION_ARCH.deb
set -euo pipefail
deb=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
user=lookout-check
work=$(mktemp -d)
demo= app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$demo" ] && kill "$demo" 2>/dev/null
  wait 2>/dev/null
  id "$user" >/dev/null 2>&1 && userdel -r "$user" 2>/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq lookout >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package check: $*" >&2; exit 1; }

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
g++ -O2 -o "$work/close-window" "$here/CloseWindow.cpp" -lX11

/usr/bin/lookout-demo-service --port 0 --port-file "$work/port" --interval 3600 >/dev/null &
demo=$!
for _ in $(seq 1 200); do [ -s "$work/port" ] && break; sleep 0.05; done
[ -s "$work/port" ] || fail "the installed demo service did not start"
port=$(cat "$work/port")
# The position in hexadecimal: only a close that rewrote the file gives decimal.
urls=$(printf 'http://127.0.0.1:%s/\r\nhttp://127.0.0.1:%s/ipmap/\r\nworld1\r\n' "$port" "$port")
printf '$64\r\n0x64\r\n%s\n' "$urls" > /etc/lookout/SERVER.INI

useradd -m "$user"
home=$(getent passwd "$user" | cut -d: -f6)
# Before the window's first start lookout-status reads the site default.
status=0
runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin lookout-status > "$work/status.txt" || status=$?
[ "$status" -le 2 ] && grep -q '^GameServer15 ' "$work/status.txt" ||
  fail "lookout-status could not read the site default (exit $status)"
[ -e "$home/.config/lookout/SERVER.INI" ] && fail "lookout-status made the user's SERVER.INI"
runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin lookout &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --class lookout 2>/dev/null | head -n 1) ||
  fail "no window appeared"
# The first refresh has ended when the caption shows the interval.
for _ in $(seq 1 400); do
  case "$(xdotool getwindowname "$window" 2>/dev/null)" in *"(3600"*) break ;; esac
  sleep 0.05
done
import -window "$window" "$work/shot.png"
# Boxes in the status colours (Good, Closed, Dead, Down), not the white of an empty slot.
filled=$(convert "$work/shot.png" txt:- | grep -ciE '#(CFFFCF|CFDFFF|FFFFCF|FFCFCF)') || true
[ "${filled:-0}" -gt 1000 ] || fail "the slots did not fill ($filled status-coloured pixels)"

"$work/close-window" "$window"
for _ in $(seq 1 200); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app" 2>/dev/null && fail "the window did not close"
app=
ini=$home/.config/lookout/SERVER.INI
[ "$(stat -c %U "$ini")" = "$user" ] || fail "$ini is not the user's"
[ "$(cat "$ini")" = "$(printf '100\r\n100\r\n%s' "$urls")" ] || fail "the close did not write the position into $ini"
[ "$(head -c 3 /etc/lookout/SERVER.INI)" = '$64' ] || fail "the site default was changed"
echo "package check: installed, lookout-status read the site default, the window filled and wrote the position into $ini"
