#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test tier:
# host (portable core under sanitizers), fuzz (short bounded runs), and the
# Win32 and end-to-end tiers under Wine against a private print server.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
cd "$root"

for preset in host fuzz windows; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
