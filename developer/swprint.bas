Attribute VB_Name = "swprint"
' swprint.dll for Visual Basic for Applications, in 32-bit and 64-bit Office
' (VBA7, with PtrSafe and LongPtr for handles) and in older 32-bit Office.
' Call LoadSwprint once before the first call: it loads the library of
' Office's own bitness from the install folder, and every declaration below
' then finds it by its name. Texts go as ANSI strings; "As String" results are
' the library's OLE strings, which Basic reads and frees. The 16-bit flags and
' indices are Integer, passed by reference where the library takes a pointer.
Option Explicit

#If VBA7 Then
Private Declare PtrSafe Function LoadLibraryA Lib "kernel32" (ByVal Path As String) As LongPtr
Public Declare PtrSafe Function PrintFile Lib "swprint.dll" (ByVal Printer As String, ByVal FileName As String) As Long
Public Declare PtrSafe Sub Orientation Lib "swprint.dll" (NewFlag As Integer, PrevFlag As Integer, ByVal StartSeq As String, ByVal EndSeq As String)
Public Declare PtrSafe Sub SetAutoformfeed Lib "swprint.dll" (Flag As Integer)
Public Declare PtrSafe Sub LPrint Lib "swprint.dll" (ByVal Text As String)
Public Declare PtrSafe Sub Linefeed Lib "swprint.dll" (ByVal LineEnd As String)
Public Declare PtrSafe Sub Frmfeed Lib "swprint.dll" (ByVal FormFeed As String)
Public Declare PtrSafe Function LPrintEnd Lib "swprint.dll" (ByVal Printer As String) As Long
Public Declare PtrSafe Function LIBMAIN Lib "swprint.dll" (ByVal Instance As LongPtr, ByVal Reason As Long, ByVal Reserved As LongPtr) As Long
Public Declare PtrSafe Function AvailablePrinters Lib "swprint.dll" () As Integer
Public Declare PtrSafe Function PrinterDeviceName Lib "swprint.dll" (Index As Integer) As String
Public Declare PtrSafe Function DefaultPrinter Lib "swprint.dll" () As String
Public Declare PtrSafe Sub SetDefaultPrinter Lib "swprint.dll" (ByVal Printer As String)
Public Declare PtrSafe Sub CancelPrintJobs Lib "swprint.dll" ()
Public Declare PtrSafe Function PrintBMP Lib "swprint.dll" (ByVal Printer As String, ByVal FileName As String, ByVal Left As Double, ByVal Top As Double, ByVal Width As Double, ByVal Height As Double) As Long
Public Declare PtrSafe Function BLTIMAGE Lib "swprint.dll" (ByVal FileName As String, ByVal Mode As Integer, ByVal Left As Double, ByVal Top As Double, ByVal Width As Double, ByVal Height As Double, ByVal hDC As LongPtr) As Integer
Public Declare PtrSafe Function PrintDoc Lib "swprint.dll" (ByVal Printer As String, ByVal FileName As String) As Long
Public Declare PtrSafe Function strWhereFolder Lib "swprint.dll" (Folder As Long) As String
Public Declare PtrSafe Function CreateShortcut Lib "swprint.dll" (Owner As LongPtr, ByVal Target As String, ByVal Name As String, Folder As Long) As Long
Public Declare PtrSafe Sub GetFileToPrint Lib "swprint.dll" (ByVal Buffer As String)
Public Declare PtrSafe Sub VBWriteTxtMessage Lib "swprint.dll" (ByVal hWnd As LongPtr, ByVal Text As String)
Public Declare PtrSafe Function VBTxtMessage Lib "swprint.dll" (ByVal hWnd As LongPtr) As String
Public Declare PtrSafe Function VBLBMessage Lib "swprint.dll" (ByVal hWnd As LongPtr, ByVal Index As Long) As String
Public Declare PtrSafe Function VBLbFindStringExact Lib "swprint.dll" (ByVal hWnd As LongPtr, ByVal StartIndex As Long, ByVal Text As String) As Long
Public Declare PtrSafe Function IsWindowsNT Lib "swprint.dll" () As Integer
Public Declare PtrSafe Function WinPath Lib "swprint.dll" () As String
#Else
Private Declare Function LoadLibraryA Lib "kernel32" (ByVal Path As String) As Long
Public Declare Function PrintFile Lib "swprint.dll" (ByVal Printer As String, ByVal FileName As String) As Long
Public Declare Sub Orientation Lib "swprint.dll" (NewFlag As Integer, PrevFlag As Integer, ByVal StartSeq As String, ByVal EndSeq As String)
Public Declare Sub SetAutoformfeed Lib "swprint.dll" (Flag As Integer)
Public Declare Sub LPrint Lib "swprint.dll" (ByVal Text As String)
Public Declare Sub Linefeed Lib "swprint.dll" (ByVal LineEnd As String)
Public Declare Sub Frmfeed Lib "swprint.dll" (ByVal FormFeed As String)
Public Declare Function LPrintEnd Lib "swprint.dll" (ByVal Printer As String) As Long
Public Declare Function LIBMAIN Lib "swprint.dll" (ByVal Instance As Long, ByVal Reason As Long, ByVal Reserved As Long) As Long
Public Declare Function AvailablePrinters Lib "swprint.dll" () As Integer
Public Declare Function PrinterDeviceName Lib "swprint.dll" (Index As Integer) As String
Public Declare Function DefaultPrinter Lib "swprint.dll" () As String
Public Declare Sub SetDefaultPrinter Lib "swprint.dll" (ByVal Printer As String)
Public Declare Sub CancelPrintJobs Lib "swprint.dll" ()
Public Declare Function PrintBMP Lib "swprint.dll" (ByVal Printer As String, ByVal FileName As String, ByVal Left As Double, ByVal Top As Double, ByVal Width As Double, ByVal Height As Double) As Long
Public Declare Function BLTIMAGE Lib "swprint.dll" (ByVal FileName As String, ByVal Mode As Integer, ByVal Left As Double, ByVal Top As Double, ByVal Width As Double, ByVal Height As Double, ByVal hDC As Long) As Integer
Public Declare Function PrintDoc Lib "swprint.dll" (ByVal Printer As String, ByVal FileName As String) As Long
Public Declare Function strWhereFolder Lib "swprint.dll" (Folder As Long) As String
Public Declare Function CreateShortcut Lib "swprint.dll" (Owner As Long, ByVal Target As String, ByVal Name As String, Folder As Long) As Long
Public Declare Sub GetFileToPrint Lib "swprint.dll" (ByVal Buffer As String)
Public Declare Sub VBWriteTxtMessage Lib "swprint.dll" (ByVal hWnd As Long, ByVal Text As String)
Public Declare Function VBTxtMessage Lib "swprint.dll" (ByVal hWnd As Long) As String
Public Declare Function VBLBMessage Lib "swprint.dll" (ByVal hWnd As Long, ByVal Index As Long) As String
Public Declare Function VBLbFindStringExact Lib "swprint.dll" (ByVal hWnd As Long, ByVal StartIndex As Long, ByVal Text As String) As Long
Public Declare Function IsWindowsNT Lib "swprint.dll" () As Integer
Public Declare Function WinPath Lib "swprint.dll" () As String
#End If

' Loads x64\swprint.dll in 64-bit Office, x86\swprint.dll in 32-bit Office,
' from Folder or else from "Spoolwright" in the 64-bit Program Files (the
' only one on 32-bit Windows). True when the library is loaded.
Public Function LoadSwprint(Optional ByVal Folder As String = "") As Boolean
    If Folder = "" Then
        Folder = Environ("ProgramW6432")
        If Folder = "" Then Folder = Environ("ProgramFiles")
        Folder = Folder & "\Spoolwright"
    End If
#If Win64 Then
    LoadSwprint = LoadLibraryA(Folder & "\x64\swprint.dll") <> 0
#Else
    LoadSwprint = LoadLibraryA(Folder & "\x86\swprint.dll") <> 0
#End If
End Function
