#!/usr/bin/env bash
# Runs the benchmarks against a virtual printer and prints their figures:
# PrintFile against a baseline that writes one MiB per call, and a
# command-line print of swutil.exe against the least RAW-job program; or
# unattended printing of a burst against the least RAW-job program, with the
# Recycle Bin off and on, and where the ticks' time went, then a tick with
# nothing to print against the size of the printed files' history.
#   tools/benchmark.sh [SIZE_MIB ...]            (default: 1 64 512)
#   tools/benchmark.sh unattended [FILES ...]    (default: 1000)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$root/tools/install-deps.sh"
cd "$root"
cmake --preset windows >/dev/null
targets=(print_benchmark command_line_benchmark)
unattended=false
if [[ ${1:-} == unattended ]]; then
    unattended=true
    shift
    targets=(unattended_load_benchmark)
fi
cmake --build --preset windows --target "${targets[@]}" virtual_printer >/dev/null

run=$(mktemp -d)
trap '"$root/tools/test-fixture.sh" stop "$run"; rm -rf "$run"' EXIT
# The print server keeps a finished job's record five seconds, a few hundred
# jobs: a history that grows with every job would make each phase of a run
# slower than the one before it. A cap on the number of jobs would refuse
# new ones whenever that many wait to print.
VIRTUAL_PRINTER=$root/build/windows/host-tools/virtual_printer \
    "$root/tools/test-fixture.sh" start "$run" --history-seconds 5 sw_bench
if $unattended; then
    for files in "${@:-1000}"; do
        for bin in "" --recycle-bin; do
            # Each run starts from an empty job history and an empty Recycle
            # Bin: the print server's cost per job grows with the jobs it
            # keeps, and Wine's per file with what its trash holds.
            (. "$run/env.sh" && cancel -a -x sw_bench) || true
            rm -rf "$run/xdg/Trash"
            echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
            SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" \
                "$root/build/windows/benchmarks/unattended/unattended_load_benchmark.exe" \
                sw_bench "$files" $bin --steps
        done
    done
    # A tick with nothing to print against the size of the printed files' history.
    echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
    SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" \
        "$root/build/windows/benchmarks/unattended/unattended_load_benchmark.exe" \
        sw_bench --idle-history
    exit 0
fi
SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" "$root/build/windows/print_benchmark.exe" \
    sw_bench "$@"
sample=$root/samples/sample.prn
SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" \
    "$root/build/windows/command_line_benchmark.exe" sw_bench "Z:${sample//\//\\}" 11
