// What the printer's driver asks of a raw job: printers with an XPS driver
// (version 4, usual from Windows 8 on) take a job of data type "RAW" and
// print nothing; they need "XPS_PASS", which passes the bytes on unchanged.
#pragma once

#include <windows.h>
#include <winspool.h>

// The driver attribute of XPS drivers; older headers lack it.
#ifndef PRINTER_DRIVER_XPS
#define PRINTER_DRIVER_XPS 0x00000002
#endif

namespace sw {

// GetPrinterDriver's level 8 record (DRIVER_INFO_8A), which the headers
// declare only for builds that target Windows Vista and later.
struct DriverInfo8 {
    DWORD cVersion;
    LPSTR pName;
    LPSTR pEnvironment;
    LPSTR pDriverPath;
    LPSTR pDataFile;
    LPSTR pConfigFile;
    LPSTR pHelpFile;
    LPSTR pDependentFiles;
    LPSTR pMonitorName;
    LPSTR pDefaultDataType;
    LPSTR pszzPreviousNames;
    FILETIME ftDriverDate;
    DWORDLONG dwlDriverVersion;
    LPSTR pszMfgName;
    LPSTR pszOEMUrl;
    LPSTR pszHardwareID;
    LPSTR pszProvider;
    LPSTR pszPrintProcessor;
    LPSTR pszVendorSetup;
    LPSTR pszzColorProfiles;
    LPSTR pszInfPath;
    DWORD dwPrinterDriverAttributes;
    LPSTR pszzCoreDriverDependencies;
    FILETIME ftMinInboxDriverVerDate;
    DWORDLONG dwlMinInboxDriverVerVersion;
};

inline constexpr DWORD kDriverInfo8Level = 8;

// The data type of a raw job on the open printer, as its driver asks it:
// "XPS_PASS" when the driver reports PRINTER_DRIVER_XPS, "RAW" for every
// other driver. Null when the driver cannot be read (Windows before 8 knows
// no level 8), where a raw job is "RAW" too.
const char* DriverDataType(HANDLE printer);

} // namespace sw
