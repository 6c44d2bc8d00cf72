#!/usr/bin/env bash
# Runs a Windows TLS test under Wine, trusting the test CA:
#   under-wine.sh WINE PROGRAM [ARGUMENT...]
# Wine's Root store is the host's bundle, /etc/ssl/certs/ca-certificates.crt,
# and a certificate added to a store at run time is never seen by its chain
# engine. So the CA is made here, and the program runs in a mount namespace
# of its own in which the bundle plus that CA is bind-mounted over the
# host's file, which itself stays untouched. LOOKOUT_TEST_CA tells the test
# where the CA's certificates are.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine=$1
shift
bundle=/etc/ssl/certs/ca-certificates.crt
[ -f "$bundle" ] || { echo "under-wine.sh: no $bundle (the ca-certificates package) to add the test CA to" >&2; exit 1; }
LOOKOUT_TEST_CA=$(mktemp -d "${TMPDIR:-/tmp}/lookout-test-ca.XXXXXX")
trap 'rm -rf "$LOOKOUT_TEST_CA"' EXIT
export LOOKOUT_TEST_CA
bash "$here/../tls/make-test-ca.sh" "$LOOKOUT_TEST_CA"
cat "$bundle" "$LOOKOUT_TEST_CA/ca.pem" > "$LOOKOUT_TEST_CA/bundle.crt"
# Root makes the mount namespace outright. Anyone else first becomes root of
# a user namespace of their own, where mount works, and then, in a user
# namespace inside that one, their own user again, whose Wine server and
# prefix these are.
if [ "$(id -u)" -eq 0 ]; then
  outer=(unshare --mount --propagation private) inner=()
else
  outer=(unshare --map-root-user --mount --propagation private)
  inner=(unshare --user "--map-user=$(id -u)" "--map-group=$(id -g)")
fi
# A root that is no mount point (a chroot's folder) cannot be made private.
if ! why=$("${outer[@]}" true 2>&1); then
  echo "under-wine.sh: no private mount namespace for the test CA here: $why" >&2
  echo "(in a chroot, bind-mount its folder onto itself first, as ./run fresh-check does)" >&2
  exit 1
fi
"${outer[@]}" sh -c 'mount --bind "$1" "$2" && shift 2 && exec "$@"' sh \
  "$LOOKOUT_TEST_CA/bundle.crt" "$bundle" "${inner[@]}" "$wine" "$@"
