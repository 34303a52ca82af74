#!/usr/bin/env bash
# Makes the self-signed certificate of the tests' TLS server on 127.0.0.1; only the tests trust it. It is
# valid from 2000 to 2100, so that a machine's clock set wrong either way does not fail the tests.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/index.txt"
cat > "$work/ca.cnf" <<CNF
[ca]
default_ca = test
[test]
database = $work/index.txt
new_certs_dir = $work
serial = $work/serial
default_md = sha256
policy = any
x509_extensions = server
[any]
commonName = supplied
[server]
basicConstraints = critical, CA:TRUE
subjectAltName = IP:127.0.0.1
CNF
echo 01 > "$work/serial"
openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -subj /CN=127.0.0.1 \
    -keyout localhost.key -out "$work/request.csr"
openssl ca -batch -selfsign -notext -config "$work/ca.cnf" -keyfile localhost.key \
    -startdate 20000101000000Z -enddate 21000101000000Z -in "$work/request.csr" -out localhost.crt
