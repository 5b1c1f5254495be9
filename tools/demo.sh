#!/usr/bin/env bash
# Prints the sample file to a virtual printer through swprint.dll and shows
# the bytes the printer received: installs what is missing, builds, starts a
# private print server, prints under Wine, stops everything it started.
#   tools/demo.sh [FILE]      (default: samples/sample.prn)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
file=$(realpath "${1:-$root/samples/sample.prn}")
printer=Demo_Printer

"$root/tools/install-deps.sh"
cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows --target print_file virtual_printer >/dev/null

run=$(mktemp -d /tmp/swdemo.XXXXXX)
trap '"$root/tools/test-fixture.sh" stop "$run"; rm -rf "$run"' EXIT
VIRTUAL_PRINTER=$root/build/windows/host-tools/virtual_printer \
    "$root/tools/test-fixture.sh" start "$run" "$printer"

echo "Printing $file to $printer (landscape, automatic form feed)..."
SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" "$root/build/windows/print_file.exe" \
    --landscape --formfeed "$printer" "Z:${file//\//\\}"

job=$run/printers/$printer/job-0001.prn
for _ in $(seq 300); do
    [[ -f $job ]] && break
    sleep 0.1
done
[[ -f $job ]] || { echo "The printer received nothing." >&2; exit 1; }
echo "The printer received $(stat -c %s "$job") bytes ($(stat -c %s "$file") from the file):"
od -A d -c "$job"
