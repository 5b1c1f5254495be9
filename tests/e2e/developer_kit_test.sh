#!/usr/bin/env bash
# What the package gives a developer works as the README says: swprint.h
# compiles as C and as C++ with the 32-bit and the 64-bit compiler (and the C
# types have the sizes of the declarations' table); the README's C example
# builds for both bitnesses with the README's own commands against the
# developer folder and prints, bytes checked at a virtual printer (the 32-bit
# one where 32-bit programs run); swprint.lib links as Visual Studio links.
#   developer_kit_test.sh LIBRARY_TREE README    (SW_TEST_RUN names the running print server)
set -euo pipefail
tree=$1 readme=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
inbox=$SW_TEST_RUN/printers/sw_second
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The header, alone and with the table's sizes asserted, in both languages.
python3 "$here/check_declarations.py" --c-asserts "$tree/developer/declaration_types.txt" >sizes.h
printf '#include "swprint.h"\n#include "sizes.h"\n' >header.c
for target in i686 x86_64; do
    "$target-w64-mingw32-gcc" -std=c11 -Wall -Wextra -Werror -pedantic-errors -fsyntax-only \
        -I"$tree/developer/include" header.c
    "$target-w64-mingw32-g++" -std=c++17 -Wall -Wextra -Werror -pedantic-errors -fsyntax-only \
        -I"$tree/developer/include" -x c++ header.c -D_Static_assert=static_assert
done

# The README's example and its build commands, exactly as written there.
sed -n '/^```c$/,/^```$/p' "$readme" | sed '1d;$d' >report.c
grep -q 'main' report.c || { echo "the README has no C example"; exit 1; }
sed -n '/^```sh$/,/^```$/p' "$readme" | grep -- '-gcc report\.c' >build.sh
[[ $(wc -l <build.sh) == 2 ]] || { echo "the README does not give the two build commands"; exit 1; }
# The 32-bit build's tree holds the 32-bit library only.
for bitness in x86 x64; do [[ -d $tree/developer/lib/$bitness ]] || sed -i "/lib\/$bitness/d" build.sh; done
SW=$tree bash -eu build.sh

printf 'Report\r\n' >report.prn
# One bitness's build of the example, that bitness's library beside it.
run() {
    local program=$1 library=$2
    cp "$tree/$library/swprint.dll" swprint.dll
    local before
    before=$(find "$inbox" -name 'job-*.prn' | wc -l)
    "$here/../../tools/run-under-wine.sh" "./$program" sw_second "Z:${work//\//\\}\\report.prn" \
        >out.txt
    local job
    job=$(printf '%s/job-%04d.prn' "$inbox" $((before + 1)))
    for _ in $(seq 600); do [[ -f $job ]] && break || sleep 0.1; done
    printf '\033&l1OReport\r\n\033&l0O' >expected
    cmp "$job" expected || { echo "$program sent:"; od -c "$job"; exit 1; }
    grep -q '^printed, default printer: ' out.txt || { cat out.txt; exit 1; }
}
[[ ! -f report64.exe ]] || run report64.exe x64
if "$here/../../tools/runs-32bit.sh" &&
    dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
    run report32.exe x86
else
    echo "report32.exe was built, not run: no 32-bit programs run here"
fi

# swprint.lib as Visual Studio's linker takes it (its defaults, /SAFESEH for
# 32-bit): an object calling through __declspec(dllimport) links.
if command -v clang >/dev/null && command -v lld-link >/dev/null; then
    cat >caller.c <<'EOF'
__declspec(dllimport) long __stdcall PrintFile(const char* printer, const char* file);
__declspec(dllimport) void* __stdcall DefaultPrinter(void);
int __stdcall start(void) { return DefaultPrinter() != 0 ? (int)PrintFile("", "") : 0; }
EOF
    for pair in i686:x86 x86_64:x64; do
        [[ -d $tree/developer/lib/${pair##*:} ]] || continue
        clang --target="${pair%%:*}-pc-windows-msvc" -c caller.c -o caller.obj
        lld-link /nologo /entry:start /subsystem:console /nodefaultlib caller.obj \
            "$tree/developer/lib/${pair##*:}/swprint.lib" /out:caller.exe
    done
else
    echo "swprint.lib was not linked: clang or lld-link is missing"
fi
echo "the developer folder works as the README says"
