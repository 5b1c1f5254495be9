"""swprint.dll for Python through ctypes, in a 32-bit or a 64-bit interpreter.

The library of the interpreter's own bitness is loaded from the install
folder: x64\\swprint.dll for a 64-bit interpreter, x86\\swprint.dll for a
32-bit one. Text arguments are bytes in the system's ANSI code page; text
results are OLE strings of ANSI bytes, which text() reads and frees.

    import swprint
    sw = swprint.load()
    on, previous = swprint.SHORT(-1), swprint.SHORT()
    sw.Orientation(swprint.byref(on), swprint.byref(previous), b"", b"")
    print(sw.PrintFile(b"Laser", rb"C:\\jobs\\report.prn"), swprint.text(sw.DefaultPrinter()))
"""
import ctypes
import os
import struct
import winreg
from ctypes import POINTER, byref, c_char_p, c_double, c_void_p

SHORT = ctypes.c_short
LONG = ctypes.c_long
DWORD = ctypes.c_ulong
HANDLE = c_void_p
BSTR = c_void_p  # read with text(), which frees it

# Each export: (result, [arguments]), as swprint.h declares them.
EXPORTS = {
    "PrintFile": (LONG, [c_char_p, c_char_p]),
    "Orientation": (None, [POINTER(SHORT), POINTER(SHORT), c_char_p, c_char_p]),
    "SetAutoformfeed": (None, [POINTER(SHORT)]),
    "LPrint": (None, [c_char_p]),
    "Linefeed": (None, [c_char_p]),
    "Frmfeed": (None, [c_char_p]),
    "LPrintEnd": (LONG, [c_char_p]),
    "LIBMAIN": (LONG, [HANDLE, DWORD, c_void_p]),
    "AvailablePrinters": (SHORT, []),
    "PrinterDeviceName": (BSTR, [POINTER(SHORT)]),
    "DefaultPrinter": (BSTR, []),
    "SetDefaultPrinter": (None, [c_char_p]),
    "CancelPrintJobs": (None, []),
    "PrintBMP": (LONG, [c_char_p, c_char_p, c_double, c_double, c_double, c_double]),
    "BLTIMAGE": (SHORT, [c_char_p, SHORT, c_double, c_double, c_double, c_double, HANDLE]),
    "PrintDoc": (LONG, [c_char_p, c_char_p]),
    "strWhereFolder": (BSTR, [POINTER(LONG)]),
    "CreateShortcut": (LONG, [POINTER(HANDLE), c_char_p, c_char_p, POINTER(LONG)]),
    "GetFileToPrint": (None, [c_char_p]),  # a buffer of 256 bytes: ctypes.create_string_buffer(256)
    "VBWriteTxtMessage": (None, [HANDLE, c_char_p]),
    "VBTxtMessage": (BSTR, [HANDLE]),
    "VBLBMessage": (BSTR, [HANDLE, LONG]),
    "VBLbFindStringExact": (LONG, [HANDLE, LONG, c_char_p]),
    "IsWindowsNT": (SHORT, []),
    "WinPath": (BSTR, []),
}


def install_folder():
    """The folder the package was installed in (its 64-bit registry view)."""
    key = winreg.OpenKey(winreg.HKEY_LOCAL_MACHINE, r"Software\Spoolwright\Installer", 0,
                         winreg.KEY_READ | winreg.KEY_WOW64_64KEY)
    with key:
        return winreg.QueryValueEx(key, "InstallLocation")[0]


def load(folder=None):
    """swprint.dll of this interpreter's bitness, every export declared."""
    bitness = "x64" if struct.calcsize("P") == 8 else "x86"
    library = ctypes.WinDLL(os.path.join(folder or install_folder(), bitness, "swprint.dll"))
    for name, (result, arguments) in EXPORTS.items():
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments
    return library


_oleaut = ctypes.WinDLL("oleaut32.dll")
_oleaut.SysStringByteLen.argtypes = [c_void_p]
_oleaut.SysStringByteLen.restype = ctypes.c_uint
_oleaut.SysFreeString.argtypes = [c_void_p]
_oleaut.SysFreeString.restype = None


def text(bstr):
    """The text of an OLE string of ANSI bytes, which is freed."""
    if not bstr:
        return ""
    value = ctypes.string_at(bstr, _oleaut.SysStringByteLen(bstr)).decode("mbcs")
    _oleaut.SysFreeString(bstr)
    return value
