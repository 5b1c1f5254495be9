#!/usr/bin/env bash
# Runs the benchmarks against a virtual printer and prints their figures:
# PrintFile against a baseline that writes one MiB per call, and a
# command-line print of swutil.exe against the least RAW-job program.
#   tools/benchmark.sh [SIZE_MIB ...]      (default: 1 64 512)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$root/tools/install-deps.sh"
cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows --target print_benchmark command_line_benchmark virtual_printer \
    >/dev/null

run=$(mktemp -d)
trap '"$root/tools/test-fixture.sh" stop "$run"; rm -rf "$run"' EXIT
VIRTUAL_PRINTER=$root/build/windows/host-tools/virtual_printer \
    "$root/tools/test-fixture.sh" start "$run" sw_bench
SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" "$root/build/windows/print_benchmark.exe" \
    sw_bench "$@"
sample=$root/samples/sample.prn
SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" \
    "$root/build/windows/command_line_benchmark.exe" sw_bench "Z:${sample//\//\\}" 11
