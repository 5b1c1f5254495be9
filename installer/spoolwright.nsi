; The installer of Spoolwright: the program, its print-engine library, the
; companion and the help file. It runs the program's set-up run, which makes
; the shortcuts; the uninstaller removes the files and those shortcuts and
; leaves the user's settings, schedules and event log.
;
; makensis -DOUTFILE=... -DSWUTIL=... -DSWPRINT=... -DREMSW=... -DHELPFILE=... spoolwright.nsi

Unicode false
!include "WinMessages.nsh"

!define PRODUCT "Spoolwright Farreach Utility"
!define MAKER "Quorvel Enterprises"
!define VERSION "2.00"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Spoolwright"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Spoolwright"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show

VIProductVersion "2.0.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "LegalCopyright" "${MAKER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Asks the running program and its companion to close, so that their files
; can be replaced or removed.
!macro CloseRunningPrograms
    FindWindow $0 "SpoolwrightFarreach"
    StrCmp $0 0 +2
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    FindWindow $0 "" "Spoolwright Remote"
    StrCmp $0 0 +2
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    Sleep 500
!macroend

Section "Spoolwright"
    !insertmacro CloseRunningPrograms
    SetOutPath "$INSTDIR"
    File "/oname=swutil.exe" "${SWUTIL}"
    File "/oname=swprint.dll" "${SWPRINT}"
    File "/oname=Remsw.exe" "${REMSW}"
    File "/oname=Spoolwright.hlp" "${HELPFILE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

    ; The set-up run, started in the program's folder: it makes the desktop,
    ; Send To and Startup shortcuts, writes the default driver-bypass
    ; patterns, shows the help and then goes on as the running program.
    Exec '"$INSTDIR\swutil.exe" ACSI'
SectionEnd

Section "Uninstall"
    !insertmacro CloseRunningPrograms
    ; The shortcuts the program made, under the names it gives them.
    Delete "$DESKTOP\SpoolwrightFarreach.lnk"
    Delete "$SENDTO\SpoolwrightFarreach.lnk"
    Delete "$SMSTARTUP\SWRemote.lnk"

    Delete "$INSTDIR\swutil.exe"
    Delete "$INSTDIR\swprint.dll"
    Delete "$INSTDIR\Remsw.exe"
    Delete "$INSTDIR\Spoolwright.hlp"
    Delete "$INSTDIR\Uninstall.exe"
    ; Removed only when empty: the schedules and the event log the program
    ; keeps beside itself stay.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
