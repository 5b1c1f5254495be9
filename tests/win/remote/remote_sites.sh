#!/usr/bin/env bash
# The remote sites the companion's tests print to, all on loopback, each in a folder of
# the test run (stopped with the run: printserver.sh stop RUN ends them by their pids):
#
#   remote_sites.sh start RUN
#     RUN/certs/    a test certificate authority (trusted-ca.crt, which the tests add to the
#                   Wine prefix's trusted roots) and a server certificate for "localhost"
#                   signed by it; a second authority that nothing trusts, and its certificate
#     RUN/site/     print server, plain IPP: queue sw_remote, sw_signin_plain whose jobs
#                   need a sign-in, and sw_stopped, which is stopped; sw_remote is shared,
#                   so that the LPD server below takes jobs for it
#     RUN/tls-site/ print server over TLS with the trusted certificate: queue sw_tls, and
#                   sw_signin whose jobs need a sign-in (user sw-user, password in
#                   RUN/users.txt)
#     RUN/untrusted-site/  print server over TLS with the untrusted certificate
#     RUN/ipp-printer/     an IPP Everywhere printer (ippeveprinter), its jobs in spool/
#     RUN/slow-printer/    another, whose every job takes 8 seconds to print, so that a job
#                          can be cancelled while it prints
#     RUN/down.port        a port of 127.0.0.1 where nothing listens
#     RUN/lpd.port         a Line Printer Daemon: CUPS's own cups-lpd, started by socat for
#                          each connection to that port of 127.0.0.1, which hands its jobs to
#                          the plain print server (lpd://127.0.0.1:PORT/sw_remote)
#   Each server's port is in its folder's ipp.port.
#
# VIRTUAL_PRINTER names the virtual printer program (see printserver.sh).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
printserver=$here/../../../tools/printserver.sh

die() {
    echo "remote_sites.sh: $*" >&2
    exit 1
}

# A certificate authority and a server certificate for localhost (and 127.0.0.1) signed
# by it, valid for a month: what a site's administrator would install.
make_certificates() {
    local dir=$1 name=$2 authority=$3
    mkdir -p "$dir"
    openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=$authority" \
        -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
        -keyout "$dir/$name-ca.key" -out "$dir/$name-ca.crt" 2>/dev/null
    mkdir -p "$dir/$name"
    openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" \
        -keyout "$dir/$name/server.key" -out "$dir/$name/server.csr" 2>/dev/null
    printf '%s\n' 'subjectAltName=DNS:localhost,IP:127.0.0.1' 'basicConstraints=CA:FALSE' \
        'keyUsage=digitalSignature,keyEncipherment' 'extendedKeyUsage=serverAuth' \
        >"$dir/$name/extensions.cnf"
    openssl x509 -req -days 30 -in "$dir/$name/server.csr" -CA "$dir/$name-ca.crt" \
        -CAkey "$dir/$name-ca.key" -CAcreateserial -extfile "$dir/$name/extensions.cnf" \
        -out "$dir/$name/server.crt" 2>/dev/null
}

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

start() {
    local run=$1
    # A pids folder makes printserver.sh stop of the test run reach the servers below.
    mkdir -p "$run/pids"
    make_certificates "$run/certs" trusted "Spoolwright Test Authority"
    make_certificates "$run/certs" untrusted "Unknown Authority"
    printf 'sw-user:right-password\n' >"$run/users.txt"

    "$printserver" start "$run/site" --tcp --users "$run/users.txt"
    "$printserver" add-printer "$run/site" sw_remote
    "$printserver" add-printer "$run/site" sw_signin_plain
    "$printserver" require-signin "$run/site" sw_signin_plain
    "$printserver" add-printer "$run/site" sw_stopped
    (
        # shellcheck disable=SC1091
        source "$run/site/env.sh"
        cupsdisable -r "Stopped for the tests" sw_stopped
    )

    "$printserver" start "$run/tls-site" --tls "$run/certs/trusted" --users "$run/users.txt"
    "$printserver" add-printer "$run/tls-site" sw_tls
    "$printserver" add-printer "$run/tls-site" sw_signin
    "$printserver" require-signin "$run/tls-site" sw_signin

    "$printserver" start "$run/untrusted-site" --tls "$run/certs/untrusted"

    # The printer numbers its jobs from 1 at each start: the documents of an earlier
    # start in the same run would hide the new ones.
    rm -rf "$run/ipp-printer/spool" "$run/slow-printer/spool"
    "$printserver" start-ipp-printer "$run/ipp-printer" "Spoolwright Test Printer"
    "$printserver" start-ipp-printer "$run/slow-printer" "Spoolwright Slow Printer" 8

    free_port >"$run/down.port"
    start_lpd "$run"
}

# socat accepts each connection and runs cups-lpd on it, with the plain print server as
# its CUPS server; cups-lpd takes jobs for shared queues only.
start_lpd() {
    local run=$1 lpd=/usr/lib/cups/daemon/cups-lpd port
    command -v socat >/dev/null || die "socat is missing (tools/install-deps.sh installs it)"
    [[ -x $lpd ]] || die "$lpd is missing (the cups package has it)"
    (
        # shellcheck disable=SC1091
        source "$run/site/env.sh"
        lpadmin -p sw_remote -o printer-is-shared=true
    )
    port=$(free_port)
    (
        # shellcheck disable=SC1091
        source "$run/site/env.sh"
        exec socat "TCP-LISTEN:$port,bind=127.0.0.1,fork,reuseaddr" "EXEC:$lpd" \
            </dev/null >"$run/lpd.log" 2>&1
    ) &
    "$printserver" record-pid "$run" $! lpd
    local deadline=$((SECONDS + 10))
    until python3 -c 'import socket, sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])), 1).close()' \
        "$port" 2>/dev/null; do
        ((SECONDS < deadline)) || die "the LPD server did not listen on port $port in 10s"
        sleep 0.1
    done
    echo "$port" >"$run/lpd.port"
}

(($# == 2)) || die "usage: remote_sites.sh start RUN"
case $1 in
start) start "$2" ;;
*) die "usage: remote_sites.sh start RUN" ;;
esac
