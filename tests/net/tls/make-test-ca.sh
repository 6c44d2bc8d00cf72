#!/usr/bin/env bash
# Makes the TLS tests' certificates in folder $1 with the openssl command:
# ca.pem (the test CA, trusted through SSL_CERT_FILE), and key and
# certificate pairs signed by it: localhost (localhost and 127.0.0.1),
# other (another name), expired (localhost, ended yesterday); and rogue,
# for localhost, signed by a CA nobody trusts. The keys are RSA: Wine's
# chain engine turns down some valid ECDSA signatures.
set -euo pipefail
cd "$1"
key() { openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$1.key" 2>/dev/null; }
ca() {
  key "$1"
  openssl req -x509 -new -key "$1.key" -out "$1.pem" -subj "/CN=$2" -days 2 2>/dev/null
}
leaf() {  # name, signing CA, subjectAltName, days
  key "$1"
  openssl req -new -key "$1.key" -subj "/CN=$1" -out "$1.csr" 2>/dev/null
  printf 'subjectAltName=%s\nbasicConstraints=CA:FALSE\n' "$3" > "$1.ext"
  openssl x509 -req -in "$1.csr" -CA "$2.pem" -CAkey "$2.key" -CAcreateserial \
    -extfile "$1.ext" -days "$4" -out "$1.pem" 2>/dev/null
}
ca ca "Lookout Test CA"
ca rogue-ca "Nobody's CA"
leaf localhost ca "DNS:localhost,IP:127.0.0.1" 2
leaf other ca "DNS:other.test" 2
leaf expired ca "DNS:localhost,IP:127.0.0.1" -1
leaf rogue rogue-ca "DNS:localhost,IP:127.0.0.1" 2
