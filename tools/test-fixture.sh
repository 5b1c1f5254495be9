#!/usr/bin/env bash
# Sets up and tears down everything a test run needs in one run folder.
#
#   test-fixture.sh start RUN [--xvfb] PRINTER...
#       Wine prefix (wineprefix.sh), private print server (printserver.sh start) and one
#       virtual printer with a raw queue per PRINTER name. --xvfb also starts a virtual
#       display and writes RUN/display-env.sh (exports DISPLAY).
#   test-fixture.sh stop RUN
#       ends the run's Wine processes and wineserver, then every process in RUN/pids.
#
# Tests find the run through SW_TEST_RUN=RUN (see run-under-wine.sh). add-printer needs
# VIRTUAL_PRINTER (see printserver.sh); the prefix is copied from WINE_TEMPLATE_PREFIX when
# that is set. A start that fails stops what it had started.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

die() {
    echo "test-fixture.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

absolute() {
    case $1 in
    /*) printf '%s\n' "$1" ;;
    *) printf '%s/%s\n' "$PWD" "$1" ;;
    esac
}

start_xvfb() {
    local run=$1 out=$1/xvfb.display
    mkdir -p "$run/pids"
    rm -f "$out"
    # -displayfd makes Xvfb choose a free display and report it once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out" </dev/null \
        >"$run/xvfb.log" 2>&1 &
    local pid=$!
    echo "$pid" >"$run/pids/xvfb.pid"
    local deadline=$((SECONDS + 10))
    until [[ $(cat "$out" 2>/dev/null) == *[0-9]* ]]; do
        kill -0 "$pid" 2>/dev/null || {
            cat "$run/xvfb.log" >&2
            die "Xvfb exited during start-up"
        }
        ((SECONDS < deadline)) || die "Xvfb reported no display in 10s"
        sleep 0.05
    done
    printf 'export DISPLAY=:%s\n' "$(tr -dc '0-9' <"$out")" >"$run/display-env.sh"
}

stop() {
    local run=$1
    if [[ -f $run/wine-env.sh ]]; then
        (
            # shellcheck disable=SC1091
            source "$run/wine-env.sh"
            # wineserver -k ends this prefix's processes only, then the server itself.
            wineserver -k 2>/dev/null || true
            timeout 10 wineserver -w 2>/dev/null || true
        )
    fi
    "$here/printserver.sh" stop "$run"
}

start() {
    local run=$1 xvfb=0
    shift
    if [[ ${1:-} == --xvfb ]]; then
        xvfb=1
        shift
    fi
    # Whatever way start-up fails, nothing it started may stay behind.
    trap 'stop "$run"' EXIT
    "$here/wineprefix.sh" "$run"
    "$here/printserver.sh" start "$run"
    local name
    for name in "$@"; do
        "$here/printserver.sh" add-printer "$run" "$name"
    done
    if ((xvfb)); then start_xvfb "$run"; fi
    trap - EXIT
}

(($# >= 2)) || usage
command=$1
run=$(absolute "$2")
shift 2
case $command:$# in
start:*) start "$run" "$@" ;;
stop:0) stop "$run" ;;
*) usage ;;
esac
