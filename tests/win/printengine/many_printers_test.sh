#!/usr/bin/env bash
# More queues than fit in the printer directory's first 3072-byte enumeration
# buffer: every one of them is listed. Wine's spooler reads the print server's
# queues only when the first process that loads it starts, so the queues are
# added here, before list_printers.exe starts, and removed afterwards. Their
# device is a closed port: they never print.
#   many_printers_test.sh list_printers.exe     (SW_TEST_RUN, SW_SOURCE_DIR set)
set -euo pipefail
program=$1
# shellcheck disable=SC1091
source "$SW_TEST_RUN/env.sh"

names=()
for i in $(seq 10 39); do
    names+=("sw_many_${i}_$(printf 'q%.0s' $(seq 1 89))") # 100 characters
done
# shellcheck disable=SC2317 # reached through the EXIT trap
cleanup() {
    for name in "${names[@]}"; do lpadmin -x "$name" 2>/dev/null || true; done
}
trap cleanup EXIT
for name in "${names[@]}"; do
    lpadmin -p "$name" -E -v socket://127.0.0.1:9 -m raw 2>/dev/null
done

expected=$(lpstat -e | LC_ALL=C sort)
output=$("$SW_SOURCE_DIR/tools/run-under-wine.sh" "$program" | tr -d '\r')
count=$(head -n 1 <<<"$output")
listed=$(tail -n +2 <<<"$output" | LC_ALL=C sort)

status=0
if [[ $count != "$(wc -l <<<"$expected")" ]]; then
    echo "AvailablePrinters gave $count, the server has $(wc -l <<<"$expected") queues"
    status=1
fi
if [[ $listed != "$expected" ]]; then
    echo "listed printers differ from the server's queues:"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$listed") || true
    status=1
fi
((status == 0)) && echo "all $count queues listed (30 of 100 characters among them)"
exit "$status"
