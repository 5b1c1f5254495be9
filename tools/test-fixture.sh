#!/usr/bin/env bash
# Sets up and tears down everything a test run needs in one run folder.
#
#   test-fixture.sh start RUN [--no-display] [--history-seconds N] PRINTER...
#       Wine prefix (wineprefix.sh), private print server (printserver.sh start), one virtual
#       printer with a raw queue per PRINTER name, a virtual display (Xvfb; RUN/display-env.sh
#       exports DISPLAY) unless --no-display, and the prefix's Wine session. A RUN left by an
#       earlier run is stopped and removed first. --history-seconds N: the print server keeps a
#       finished job's record N seconds (see printserver.sh start).
#   test-fixture.sh stop RUN
#       ends the run's Wine processes and wineserver, then every process in RUN/pids.
#
# Tests find the run through SW_TEST_RUN=RUN (see run-under-wine.sh). add-printer needs
# VIRTUAL_PRINTER (see printserver.sh); the prefix is copied from WINE_TEMPLATE_PREFIX when
# that is set. A start that fails stops what it had started.
#
# Why the fixture starts the Wine session itself: the first Wine program in a prefix starts
# the wineserver and Wine's service processes (services.exe, explorer.exe /desktop, ...),
# which inherit its standard error and outlive it. Started by a test, they would hold the
# test's output pipe open, and CTest would wait for them. Started here, with their output
# going to RUN/wine-session.log, they never see a test's pipes, and every test program
# starts warm (a twentieth of a second instead of half a second).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

die() {
    echo "test-fixture.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//' >&2
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
    "$here/printserver.sh" record-pid "$run" "$pid" xvfb
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
    # A test that mounts a small file system in the run (to fill the spooler's
    # folder) unmounts it itself; one that was stopped half way may not have.
    local mounted
    while read -r mounted; do
        umount "$mounted" 2>/dev/null || true
    done < <(findmnt -rn -o TARGET 2>/dev/null | grep -F "$run/" || true)
}

wine_session() {
    local run=$1 log=$1/wine-session.log
    (
        # shellcheck disable=SC1091
        source "$run/wine-env.sh"
        # shellcheck disable=SC1091
        source "$run/env.sh"
        # shellcheck disable=SC1091
        [[ ! -f $run/display-env.sh ]] || source "$run/display-env.sh"
        # cmd waits for input on a FIFO that it holds open itself, so it never gets any and
        # keeps the session alive until stop.
        mkfifo "$run/wine-session.fifo"
        wine cmd <>"$run/wine-session.fifo" >"$log" 2>&1 &
        "$here/printserver.sh" record-pid "$run" $! wine-session
        # The desktop process, which a program's first window would otherwise start.
        wine explorer /desktop </dev/null >>"$log" 2>&1 &
        "$here/printserver.sh" record-pid "$run" $! wine-desktop
        # Returns once the wineserver and the services are up.
        wine cmd /c exit 0 </dev/null >>"$log" 2>&1 || die "Wine does not start programs (see $log)"
    )
}

# A run folder left by an earlier run is stopped and removed: tests count on empty queues
# and on printers whose first job is job-0001. Only folders that look like run folders are
# removed.
clear_run() {
    local run=$1
    [[ -e $run ]] || return 0
    if [[ -n $(ls -A "$run") && ! -d $run/pids && ! -f $run/wine-env.sh && ! -f $run/env.sh ]]; then
        die "$run is not empty and is no run folder; choose another"
    fi
    stop "$run"
    rm -rf "$run"
}

start() {
    local run=$1 display=1 server=()
    shift
    while [[ ${1:-} == --* ]]; do
        case $1 in
        --no-display) display=0 ;;
        --xvfb) display=1 ;; # the default; still accepted
        --history-seconds)
            (($# >= 2)) || usage
            server+=(--history-seconds "$2")
            shift
            ;;
        *) usage ;;
        esac
        shift
    done
    clear_run "$run"
    # Whatever way start-up fails, nothing it started may stay behind.
    trap 'stop "$run"' EXIT
    "$here/wineprefix.sh" "$run"
    "$here/printserver.sh" start "$run" "${server[@]}"
    local name
    for name in "$@"; do
        "$here/printserver.sh" add-printer "$run" "$name"
    done
    if ((display)); then start_xvfb "$run"; fi
    wine_session "$run"
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
