#!/usr/bin/env bash
# Runs a Windows program under Wine with the test environment; CMake uses it as the
# cross-compiling emulator.
#
#   run-under-wine.sh PROGRAM.exe [ARGS...]
#
# With SW_TEST_RUN set to a run folder made by test-fixture.sh, the program uses that run's
# Wine prefix, print server and display. Without it, the program gets a prefix of its own
# that is removed afterwards (copied from WINE_TEMPLATE_PREFIX when that is set), and no
# print server. The program's output (once it has ended) and exit code pass through
# unchanged.
#
# Nothing is stopped after a program: the fixture keeps the run's Wine session (wineserver,
# services, desktop) up, so that programs start warm and Wine's background processes never
# hold a test's output open; test-fixture.sh stop ends the session.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

die() {
    echo "run-under-wine.sh: $*" >&2
    exit 1
}

(($# >= 1)) || die "usage: run-under-wine.sh PROGRAM.exe [ARGS...]"

if [[ -n ${SW_TEST_RUN:-} ]]; then
    [[ -f $SW_TEST_RUN/wine-env.sh ]] ||
        die "SW_TEST_RUN=$SW_TEST_RUN has no wine-env.sh (start it with test-fixture.sh)"
    # shellcheck disable=SC1091
    source "$SW_TEST_RUN/wine-env.sh"
    for extra in env.sh display-env.sh; do
        # shellcheck disable=SC1090
        [[ ! -f $SW_TEST_RUN/$extra ]] || source "$SW_TEST_RUN/$extra"
    done
    # The program writes to files, passed on once it has ended: a Wine process that it
    # brings up again (a desktop, a wineserver once the session has gone) outlives it, and
    # holding the runner's output open it would make the runner wait long after the
    # program ended. A runner's timeout or interrupt stops the program.
    output=$(mktemp "$SW_TEST_RUN/stdout.XXXXXX")
    errors=$(mktemp "$SW_TEST_RUN/stderr.XXXXXX")
    wine "$@" <&0 >"$output" 2>"$errors" &
    program=$!
    trap 'kill "$program" 2>/dev/null || true' TERM INT
    status=0
    wait "$program" || status=$?
    # A signal ends the wait early; the program's own end gives the exit code.
    while kill -0 "$program" 2>/dev/null; do
        status=0
        wait "$program" || status=$?
    done
    cat "$output"
    cat "$errors" >&2
    rm -f "$output" "$errors"
    exit "$status"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/sw-wine.XXXXXX")
# shellcheck disable=SC2317 # reached through the EXIT trap
cleanup() {
    if [[ -f $scratch/wine-env.sh ]]; then
        (
            # shellcheck disable=SC1091
            source "$scratch/wine-env.sh"
            wineserver -k 2>/dev/null || true
            timeout 30 wineserver -w 2>/dev/null || true
        )
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
"$here/wineprefix.sh" "$scratch"
# shellcheck disable=SC1091
source "$scratch/wine-env.sh"
status=0
wine "$@" || status=$?
exit "$status"
