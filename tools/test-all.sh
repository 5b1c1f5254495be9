#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test tier:
# host (portable core under sanitizers), fuzz (short bounded runs), and the
# Win32 and end-to-end tiers under 64-bit Wine against a private print
# server. The 32-bit release build is built too, and its export table and
# imports checked; where the machine runs 32-bit programs, the Win32 and
# end-to-end tiers run a second time against it, under 32-bit Wine.
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
# The shipped build's tests run where the kernel runs 32-bit programs and
# install-deps.sh could install 32-bit Wine.
test32=OFF
if tools/runs-32bit.sh && dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
    test32=ON
fi
cmake --preset windows32 -DBUILD_TESTING=$test32 >/dev/null
cmake --build --preset windows32
tests/e2e/check_exports.sh i686-w64-mingw32-objdump build/windows32/swprint.dll pei-i386
tests/e2e/check_imports.sh i686-w64-mingw32-objdump build/windows32/swutil.exe
tests/e2e/check_imports.sh i686-w64-mingw32-objdump build/windows32/swservice.exe
tests/e2e/check_imports.sh i686-w64-mingw32-objdump build/windows32/Remsw.exe
# The package to ship holds the 32-bit programs.
msiinfo suminfo build/windows32/SpoolwrightSetup.msi | grep '^Template: Intel;' >/dev/null || {
    echo "build/windows32/SpoolwrightSetup.msi is missing or not a 32-bit package" >&2
    exit 1
}
# It holds the 32-bit library for callers and the developer folder.
[[ $(msiinfo export build/windows32/SpoolwrightSetup.msi File | grep -c -E '^x86\.swprint\.(dll|lib|dll\.a)\b') == 3 ]] || {
    echo "build/windows32/SpoolwrightSetup.msi lacks x86\\swprint.dll or its import libraries" >&2
    exit 1
}

if [[ $test32 == ON ]]; then
    echo "== windows32 tests =="
    ctest --preset windows32
else
    echo "No 32-bit programs run here (the kernel refuses them or 32-bit Wine is missing): the shipped 32-bit build was built and checked, not run."
fi
