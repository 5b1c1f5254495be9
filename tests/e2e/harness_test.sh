#!/usr/bin/env bash
# Checks the test harness itself against the real thing: a private cupsd, virtual printers on
# loopback ports, and a Wine prefix.
#
#   harness_test.sh
#
# Uses VIRTUAL_PRINTER when set, else compiles tools/virtual_printer.cpp with g++ into its
# scratch folder. Passes WINE_TEMPLATE_PREFIX through to the fixture.
set -euo pipefail

tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)
passed=0
failed=0

pass() {
    echo "PASS: $*"
    passed=$((passed + 1))
}

fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# A process is alive unless gone or a zombie: zombies still answer kill -0 here until
# they are reaped, but they hold no socket and do no work.
alive() {
    local state
    state=$(awk '{ sub(/^.*\) /, ""); print $1 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z && $state != X ]]
}

# Pids of live processes whose command line or environment mentions the folder.
processes_using() {
    local dir=$1 f pid
    # grep exits non-zero when nothing matches or a process went away while it read.
    { grep -lsaF -e "$dir" /proc/[0-9]*/cmdline /proc/[0-9]*/environ || true; } |
        while IFS= read -r f; do
            pid=${f#/proc/}
            pid=${pid%%/*}
            if alive "$pid"; then echo "$pid"; fi
        done | sort -u
}

scratch=$(mktemp -d /tmp/sw-harness.XXXXXX)
# cupsd runs backends as user lp, which must be able to enter the run folder.
chmod 755 "$scratch"
run=$scratch/run
long_run=$scratch/$(printf 'x%.0s' {1..50})/$(printf 'y%.0s' {1..50})/run

cleanup() {
    "$tools/test-fixture.sh" stop "$run" >/dev/null 2>&1 || true
    "$tools/printserver.sh" stop "$long_run" >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

if [[ -z ${VIRTUAL_PRINTER:-} ]]; then
    echo "building virtual_printer"
    g++ -std=c++17 -Wall -Wextra -Werror -O2 "$tools/virtual_printer.cpp" \
        -o "$scratch/virtual_printer"
    export VIRTUAL_PRINTER=$scratch/virtual_printer
fi

# --- the fixture: Wine prefix, print server, two printers -------------------------------
started=$SECONDS
"$tools/test-fixture.sh" start "$run" alpha beta_2
echo "fixture started in $((SECONDS - started)) s"
check "fixture wrote env.sh and wine-env.sh" test -f "$run/env.sh" -a -f "$run/wine-env.sh"

head -c 1048576 /dev/urandom >"$scratch/big.bin"
printf 'tiny\0\033E\r\n' >"$scratch/tiny.bin"
big_title='Big job, 1 MiB'
tiny_title='tiny "quoted" [x] C:\dir\file.txt'

(
    # shellcheck disable=SC1091
    source "$run/env.sh"
    lp -d alpha -o raw -t "$big_title" "$scratch/big.bin" >/dev/null
    lp -d beta_2 -o raw -t "$tiny_title" "$scratch/tiny.bin" >/dev/null
    lp -d alpha -o raw -t second "$scratch/tiny.bin" >/dev/null
)
check "wait-idle returns once the queues are empty" "$tools/printserver.sh" wait-idle "$run"

jobs_of() { (cd "$run/printers/$1" && ls); }
check "alpha received two jobs, as job-0001.prn and job-0002.prn" \
    test "$(jobs_of alpha | tr '\n' ' ')" = "job-0001.prn job-0002.prn "
check "beta_2 received one job" test "$(jobs_of beta_2)" = "job-0001.prn"
check "alpha's first job holds the 1 MiB file byte for byte" \
    cmp -s "$scratch/big.bin" "$run/printers/alpha/job-0001.prn"
check "alpha's second job holds the tiny file" \
    cmp -s "$scratch/tiny.bin" "$run/printers/alpha/job-0002.prn"
check "beta_2's job holds the tiny file, NUL and escape bytes included" \
    cmp -s "$scratch/tiny.bin" "$run/printers/beta_2/job-0001.prn"

names=$("$tools/printserver.sh" job-names "$run" alpha)
check "job-names lists alpha's titles oldest first" \
    test "$names" = "$big_title"$'\n'"second"
names=$("$tools/printserver.sh" job-names "$run" beta_2)
check "job-names keeps quotes, brackets and backslashes of a title" test "$names" = "$tiny_title"

# wait-idle must wait for a job that cannot print yet: alpha stays disabled for a second.
(
    # shellcheck disable=SC1091
    source "$run/env.sh"
    cupsdisable alpha
    lp -d alpha -o raw -t held "$scratch/big.bin" >/dev/null
    sleep 1
    cupsenable alpha
) &
enabler=$!
sleep 0.3
"$tools/printserver.sh" wait-idle "$run" alpha
check "wait-idle waits until a held-up job has been printed" \
    cmp -s "$scratch/big.bin" "$run/printers/alpha/job-0003.prn"
wait "$enabler"

"$tools/printserver.sh" set-default "$run" beta_2
default=$(source "$run/env.sh" && lpstat -d)
check "set-default makes beta_2 the server's default" \
    test "$default" = "system default destination: beta_2"

# The wrapper runs Windows programs in the fixture's prefix and passes the exit code on.
out=$(SW_TEST_RUN=$run "$tools/run-under-wine.sh" cmd /c 'echo hello& exit 3') && status=0 ||
    status=$?
check "run-under-wine passes output through" test "$(tr -d '\r' <<<"$out")" = "hello"
check "run-under-wine passes the exit code through" test "$status" = 3
wine_cups=$(SW_TEST_RUN=$run "$tools/run-under-wine.sh" cmd /c 'echo %CUPS_SERVER%' | tr -d '\r')
check "Wine programs see the fixture's print server" \
    test "$wine_cups" = "$(source "$run/env.sh" && echo "$CUPS_SERVER")"

# Wine's own background processes must not inherit a test program's output: a test runner
# waits until every holder of the test's output pipe has closed it.
SW_TEST_RUN=$run "$tools/run-under-wine.sh" cmd /c 'echo to-file' \
    >"$scratch/wine.out" 2>"$scratch/wine.err"
holders=$(find /proc/[0-9]*/fd -lname "$scratch/wine.*" 2>/dev/null || true)
check "no process keeps a finished Wine program's output open" test -z "$holders"
[[ -z $holders ]] || echo "$holders"

recorded=$(cd "$run/pids" && printf '%s ' *.pid)
check "the fixture recorded its processes" test "$recorded" = \
    "cupsd.pid printer-alpha.pid printer-beta_2.pid wine-desktop.pid wine-session.pid xvfb.pid "
pids=()
for f in "$run"/pids/*.pid; do pids+=("$(head -n 1 "$f")"); done

# A Windows program still running at the end (cmd waiting for input that never comes) must
# be ended by stop as well.
mkfifo "$scratch/stdin"
exec 7<>"$scratch/stdin"
SW_TEST_RUN=$run "$tools/run-under-wine.sh" cmd <&7 >/dev/null 2>&1 &
wrapper_pid=$!
# The wrapper's child is Wine; once Wine has loaded the program, the process's command
# line is a Windows one (start.exe /exec).
wine_pid=
deadline=$((SECONDS + 20))
until [[ -n $wine_pid ]] && tr '\0' ' ' 2>/dev/null <"/proc/$wine_pid/cmdline" | grep -qi '\.exe'; do
    if ((SECONDS >= deadline)) || ! alive "$wrapper_pid"; then break; fi
    wine_pid=$(pgrep -P "$wrapper_pid" | head -n 1 || true)
    sleep 0.1
done
check "a Windows program is left running before stop" \
    grep -qi '\.exe' "/proc/$wine_pid/cmdline"
pids+=("$wine_pid")
check "the process scan sees the fixture's processes" test -n "$(processes_using "$run")"

"$tools/test-fixture.sh" stop "$run"
exec 7>&-
still=()
for pid in "${pids[@]}"; do
    if alive "$pid"; then still+=("$pid"); fi
done
check "stop ended every recorded process" test "${#still[@]}" = 0
check "stop left no pid files" test -z "$(ls "$run/pids")"
left=$(processes_using "$run")
check "no process of the run is left (wineserver included)" test -z "$left"
[[ -z $left ]] || ps -o pid,stat,args -p "${left//$'\n'/,}" || true

# --- a run folder too deep for a unix socket path, on a server keeping 5 s of history -
mkdir -p "$long_run"
"$tools/printserver.sh" start "$long_run" --history-seconds 5
sock=$(source "$long_run/env.sh" && echo "$CUPS_SERVER")
check "a deep run folder gets its socket in a short folder" \
    test "${#sock}" -le 107 -a -S "$sock"
"$tools/printserver.sh" add-printer "$long_run" deep
(
    # shellcheck disable=SC1091
    source "$long_run/env.sh"
    lp -d deep -o raw -t deep-title "$scratch/big.bin" >/dev/null
)
"$tools/printserver.sh" wait-idle "$long_run" deep
check "printing works through the relocated socket" \
    cmp -s "$scratch/big.bin" "$long_run/printers/deep/job-0001.prn"
check "job-names works through the relocated socket" \
    test "$("$tools/printserver.sh" job-names "$long_run" deep)" = deep-title
for _ in $(seq 30); do
    [[ -z $("$tools/printserver.sh" job-names "$long_run" deep) ]] && break
    sleep 1
done
check "a server keeping 5 s of history lets a finished job go" \
    test -z "$("$tools/printserver.sh" job-names "$long_run" deep)"
"$tools/printserver.sh" stop "$long_run"
check "stop removes the short socket folder" test ! -e "$(dirname "$sock")"
left=$(processes_using "$long_run")
check "no process of the deep run is left" test -z "$left"

echo "harness: $passed passed, $failed failed"
((failed == 0))
