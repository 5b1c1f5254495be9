#!/usr/bin/env bash
# A C program that loads swprint.dll at run time lists every queue of the
# print server and names the default printer.
#   show_printers_test.sh show_printers.exe    (SW_TEST_RUN names the running print server)
set -euo pipefail
program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

output=$("$here/../../tools/run-under-wine.sh" "$program" | tr -d '\r')
echo "$output"
for queue in sw_raw sw_second; do
    grep -qx "printer: $queue" <<<"$output" || { echo "missing printer $queue"; exit 1; }
done
# Wine names a CUPS queue the default when the server has none.
grep -qE '^default: sw_[a-z_0-9]+$' <<<"$output" || { echo "no default printer"; exit 1; }
