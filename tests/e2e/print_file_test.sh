#!/usr/bin/env bash
# A program that loads swprint.dll prints a file through Wine's spooler and a
# CUPS raw queue; the virtual printer receives the file wrapped in the default
# orientation commands with a form feed added.
#   print_file_test.sh print_file.exe      (SW_TEST_RUN names the running print server)
set -euo pipefail
program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
inbox=$SW_TEST_RUN/printers/sw_second

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'Hello from a raw job\r\n' >"$work/hello.prn"

before=$(find "$inbox" -name 'job-*.prn' | wc -l)
"$here/../../tools/run-under-wine.sh" "$program" --landscape --formfeed sw_second \
    "Z:${work//\//\\}\\hello.prn"

job=$(printf '%s/job-%04d.prn' "$inbox" $((before + 1)))
for _ in $(seq 600); do
    [[ -f $job ]] && break
    sleep 0.1
done
[[ -f $job ]] || { echo "no job reached the printer"; exit 1; }

printf '\033&l1OHello from a raw job\r\n\f\033&l0O' >"$work/expected"
if ! cmp "$job" "$work/expected"; then
    echo "received:"; od -c "$job"
    exit 1
fi

# A printer that does not exist: the program reports the system error 1801.
if "$here/../../tools/run-under-wine.sh" "$program" sw_missing "Z:${work//\//\\}\\hello.prn" \
    2>"$work/err"; then
    echo "printing to a missing printer succeeded"; exit 1
fi
grep -q 'system error 1801' "$work/err" || { cat "$work/err"; exit 1; }
echo "print_file sent the expected bytes"
