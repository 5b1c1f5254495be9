#!/usr/bin/env bash
# A program of the project needs nothing but the system's own DLLs and the
# project's swprint.dll beside it.
#   check_imports.sh OBJDUMP program.exe
set -euo pipefail
objdump=$1 program=$2
imports=$("$objdump" -p "$program" | awk '/DLL Name:/ { print toupper($3) }' | sort -u)
unexpected=$(grep -v -x -E 'SWPRINT.DLL|KERNEL32.DLL|USER32.DLL|GDI32.DLL|WINSPOOL.DRV|OLEAUT32.DLL|MSVCRT.DLL|SHELL32.DLL|OLE32.DLL|ADVAPI32.DLL|COMDLG32.DLL|COMCTL32.DLL|WS2_32.DLL|IPHLPAPI.DLL|IMAGEHLP.DLL|DBGHELP.DLL|VERSION.DLL|WINHTTP.DLL|CRYPT32.DLL' <<<"$imports" || true)
if [[ -n $unexpected ]]; then
    echo "$(basename "$program") needs DLLs that Windows does not ship: $unexpected"
    exit 1
fi
echo "$(basename "$program") imports: $(tr '\n' ' ' <<<"$imports")"
