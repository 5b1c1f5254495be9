#!/usr/bin/env bash
# Prints the sample file to a virtual printer the way a user does from the
# command line or Send To, swutil.exe "printer|file", and shows the bytes the
# printer received: installs what is missing, builds, starts a private print
# server, sets the printer to landscape with automatic form feed and two
# copies in "Spoolwright.ini", prints under Wine, stops everything it started.
#   tools/demo.sh [FILE]      (default: samples/sample.prn)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
file=$(realpath "${1:-$root/samples/sample.prn}")
printer=Demo_Printer

"$root/tools/install-deps.sh"
cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows --target swutil swprint virtual_printer >/dev/null

run=$(mktemp -d /tmp/swdemo.XXXXXX)
trap '"$root/tools/test-fixture.sh" stop "$run"; rm -rf "$run"' EXIT
VIRTUAL_PRINTER=$root/build/windows/host-tools/virtual_printer \
    "$root/tools/test-fixture.sh" start "$run" "$printer"

# The settings a user makes in the Options dialogs, as the dialogs store them.
printf '%s\r\n' "[Printers AutoFormfeed]" "$printer=1" \
    "[Printers Orientation $printer]" "Landscape status=1" \
    "[Number of copies by printer $printer]" "Copies=2" \
    >"$run/prefix/drive_c/windows/Spoolwright.ini"

echo "swutil.exe \"$printer|$file\" (landscape, automatic form feed, 2 copies)..."
SW_TEST_RUN=$run "$root/tools/run-under-wine.sh" "$root/build/windows/swutil.exe" \
    "$printer|Z:${file//\//\\}"

for copy in 1 2; do
    job=$run/printers/$printer/job-000$copy.prn
    for _ in $(seq 300); do
        [[ -f $job ]] && break
        sleep 0.1
    done
    [[ -f $job ]] || { echo "The printer received no job $copy." >&2; exit 1; }
    echo "Job $copy: $(stat -c %s "$job") bytes ($(stat -c %s "$file") from the file):"
    od -A d -c "$job" | head -n 20
done
