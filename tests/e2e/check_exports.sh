#!/usr/bin/env bash
# The export table of swprint.dll holds exactly the library's functions under
# their plain names, and the DLL needs nothing but the system's own DLLs;
# given a FORMAT (pei-i386, pei-x86-64), the DLL is of that bitness.
#   check_exports.sh OBJDUMP swprint.dll [FORMAT]
set -euo pipefail
objdump=$1 dll=$2 format=${3:-}

if [[ -n $format ]] && ! "$objdump" -f "$dll" | grep -q "file format $format\$"; then
    echo "$dll is not $format: $("$objdump" -f "$dll" | grep 'file format')"
    exit 1
fi

expected="AvailablePrinters
BLTIMAGE
PrintBMP
PrintDoc
CancelPrintJobs
DefaultPrinter
PrinterDeviceName
SetDefaultPrinter
Frmfeed
IsWindowsNT
LIBMAIN
LPrint
LPrintEnd
Linefeed
Orientation
PrintFile
SetAutoformfeed
WinPath
strWhereFolder
CreateShortcut
GetFileToPrint
VBWriteTxtMessage
VBTxtMessage
VBLBMessage
VBLbFindStringExact"

actual=$("$objdump" -p "$dll" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/^\t\[/ { print $3 }' | LC_ALL=C sort)
if [[ $actual != "$(LC_ALL=C sort <<<"$expected")" ]]; then
    echo "export table differs from the expected list:"
    diff <(LC_ALL=C sort <<<"$expected") <(printf '%s\n' "$actual") || true
    exit 1
fi

imports=$("$objdump" -p "$dll" | awk '/DLL Name:/ { print toupper($3) }' | sort -u)
unexpected=$(grep -v -x -E 'KERNEL32.DLL|USER32.DLL|GDI32.DLL|WINSPOOL.DRV|OLEAUT32.DLL|MSVCRT.DLL|SHELL32.DLL|OLE32.DLL|ADVAPI32.DLL|COMDLG32.DLL|COMCTL32.DLL' <<<"$imports" || true)
if [[ -n $unexpected ]]; then
    echo "swprint.dll needs DLLs that Windows does not ship: $unexpected"
    exit 1
fi
echo "exports: $(wc -l <<<"$actual") names, all undecorated; imports: $(tr '\n' ' ' <<<"$imports")"
