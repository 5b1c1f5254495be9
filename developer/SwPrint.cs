// swprint.dll for C# through P/Invoke, in a 32-bit or a 64-bit process.
// Call SwPrint.Load() once: it loads the library of the process's own
// bitness from the install folder, and every declaration below then finds it
// by its name. Texts go as ANSI strings (CharSet.Ansi); the text results are
// OLE strings of ANSI bytes, not UTF-16, so they come as IntPtr and Text()
// reads and frees them. GetFileToPrint takes a StringBuilder of capacity 256.
using System;
using System.IO;
using System.Runtime.InteropServices;
using System.Text;
using Microsoft.Win32;

public static class SwPrint
{
    const string Library = "swprint.dll";

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int PrintFile(string printer, string file);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void Orientation(ref short newFlag, ref short previousFlag, string startSequence, string endSequence);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void SetAutoformfeed(ref short flag);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void LPrint(string text);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void Linefeed(string lineEndText);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void Frmfeed(string formFeedText);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int LPrintEnd(string printer);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int LIBMAIN(IntPtr instance, uint reason, IntPtr reserved);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern short AvailablePrinters();

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern IntPtr PrinterDeviceName(ref short index);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern IntPtr DefaultPrinter();

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void SetDefaultPrinter(string printer);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void CancelPrintJobs();

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int PrintBMP(string printer, string file, double left, double top, double width, double height);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern short BLTIMAGE(string file, short mode, double left, double top, double width, double height, IntPtr deviceContext);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int PrintDoc(string printer, string file);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern IntPtr strWhereFolder(ref int folder);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int CreateShortcut(ref IntPtr owner, string target, string name, ref int folder);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void GetFileToPrint(StringBuilder buffer);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern void VBWriteTxtMessage(IntPtr window, string text);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern IntPtr VBTxtMessage(IntPtr window);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern IntPtr VBLBMessage(IntPtr listBox, int index);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern int VBLbFindStringExact(IntPtr listBox, int startIndex, string text);

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern short IsWindowsNT();

    [DllImport(Library, CallingConvention = CallingConvention.StdCall, CharSet = CharSet.Ansi)]
    public static extern IntPtr WinPath();

    [DllImport("oleaut32.dll")]
    static extern uint SysStringByteLen(IntPtr text);

    [DllImport("oleaut32.dll")]
    static extern void SysFreeString(IntPtr text);

    [DllImport("kernel32.dll", CharSet = CharSet.Unicode, SetLastError = true)]
    static extern IntPtr LoadLibraryW(string path);

    // The text of an OLE string of ANSI bytes, which is freed.
    public static string Text(IntPtr text)
    {
        if (text == IntPtr.Zero)
            return "";
        string value = Marshal.PtrToStringAnsi(text, (int)SysStringByteLen(text));
        SysFreeString(text);
        return value;
    }

    // Loads x64\swprint.dll or x86\swprint.dll from the install folder (read
    // from the registry's 64-bit view, where the package records it).
    public static void Load(string folder = null)
    {
        if (folder == null)
        {
            using (RegistryKey machine = RegistryKey.OpenBaseKey(RegistryHive.LocalMachine, RegistryView.Registry64))
            using (RegistryKey key = machine.OpenSubKey(@"Software\Spoolwright\Installer"))
                folder = (string)key.GetValue("InstallLocation");
        }
        string path = Path.Combine(folder, Environment.Is64BitProcess ? "x64" : "x86", "swprint.dll");
        if (LoadLibraryW(path) == IntPtr.Zero)
            throw new DllNotFoundException(path + " (error " + Marshal.GetLastWin32Error() + ")");
    }
}
