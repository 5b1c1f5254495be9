#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test tier:
# host (portable core under sanitizers), fuzz (short bounded runs), and the
# Win32 and end-to-end tiers under 64-bit Wine against a private print
# server. The 32-bit release build is built too, and its export table and
# imports checked; its code is the code the 64-bit tests run.
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

echo "== windows32 =="
cmake --preset windows32 >/dev/null
cmake --build --preset windows32
tests/e2e/check_exports.sh i686-w64-mingw32-objdump build/windows32/swprint.dll
tests/e2e/check_imports.sh i686-w64-mingw32-objdump build/windows32/swutil.exe
# The package to ship holds the 32-bit programs.
msiinfo suminfo build/windows32/SpoolwrightSetup.msi | grep '^Template: Intel;' >/dev/null || {
    echo "build/windows32/SpoolwrightSetup.msi is missing or not a 32-bit package" >&2
    exit 1
}
