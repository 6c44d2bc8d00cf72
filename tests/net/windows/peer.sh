#!/usr/bin/env bash
# A Linux program for a Windows test under Wine (see PeerProcess.cpp):
#   peer.sh PORT out|err PROGRAM [ARGUMENT...]
# connects to the test on 127.0.0.1:PORT, runs the program in the current
# folder with that connection as its standard input, passes what it prints
# on the stream named to the test, and ends it once the test has closed
# its end.
set -u
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
exec 3<>"/dev/tcp/127.0.0.1/$1" || exit 1
stream=$2
shift 2
if [ "$stream" = err ]; then
  "$@" 2>&3 >/dev/null <&3 &
else
  "$@" >&3 2>/dev/null <&3 &
fi
peer=$!
# The test's end closes: what the program reads from it ends, and so does
# this read.
cat <&3 >/dev/null
kill "$peer" 2>/dev/null
wait "$peer" 2>/dev/null
exit 0
