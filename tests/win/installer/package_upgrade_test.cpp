// The 64-bit package replacing the 32-bit one, in their default folders: the
// 32-bit package (here built of this build's programs, since no 32-bit
// program runs under 64-bit Wine) goes into the 32-bit Program Files; the
// 64-bit package removes it, installs into the 64-bit Program Files with the
// library of each bitness and the developer folder, and takes the program's
// data files along; a 64-bit caller prints through the installed library;
// uninstalling leaves the data files only.
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <windows.h>

#include <msi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kWaitMs = 120000;
const char kFolder32[] = "C:\\Program Files (x86)\\Spoolwright\\";
const char kFolder64[] = "C:\\Program Files\\Spoolwright\\";
const char kUpgradeCode[] = "{D7B950FA-DA69-4C69-A3F8-E600461C6269}";
const char* const kDataFiles[] = {"sw.dat", "swprinted.dat", "swprinting.dat", "Unattended.txt"};
const char* const kDeveloperFiles[] = {"include\\swprint.h", "lib\\x86\\swprint.lib",
                                       "lib\\x64\\swprint.dll.a", "SwPrint.cs"};

DWORD Msiexec(const std::string& arguments) {
    const DWORD code = swtest::RunningProgram("msiexec", arguments + " /qn").WaitForExit(kWaitMs);
    // An install's set-up run goes on as the running program; it is closed.
    swtest::CloseWindowAndWait("SpoolwrightFarreach", nullptr, 20000);
    swtest::CloseWindowAndWait("MS_WINHELP", nullptr, 2000);
    swtest::CloseWindowAndWait(nullptr, "Spoolwright Remote", 2000);
    return code;
}

int InstalledProducts() {
    char productCode[39] = {};
    int count = 0;
    while (MsiEnumRelatedProductsA(kUpgradeCode, 0, count, productCode) == ERROR_SUCCESS)
        ++count;
    return count;
}

std::string Data(const char* name) {
    return std::string("data of ") + name;
}

std::string In(const char* folder, const char* name) {
    return std::string(folder) + name;
}

TEST(PackageUpgrade, The64BitPackageReplacesThe32BitOneAndKeepsTheProgramData) {
    ASSERT_EQ(Msiexec("/i \"" + swtest::ProgramFromEnvironment("SW_INSTALLER_32") + "\""), 0u);
    ASSERT_TRUE(swtest::FileExists(In(kFolder32, "swutil.exe")));
    ASSERT_TRUE(swtest::FileExists(In(kFolder32, "x86\\swprint.dll")));
    for (const char* name : kDataFiles)
        ASSERT_TRUE(swtest::WriteToFile(In(kFolder32, name), Data(name)));

    ASSERT_EQ(Msiexec("/i \"" + swtest::ProgramFromEnvironment("SW_INSTALLER") + "\""), 0u);
    EXPECT_EQ(InstalledProducts(), 1);
    EXPECT_FALSE(swtest::FileExists(In(kFolder32, "swutil.exe")));
    for (const char* name : kDataFiles) {
        EXPECT_EQ(swtest::ReadWholeFile(In(kFolder64, name)), Data(name)) << name;
        EXPECT_FALSE(swtest::FileExists(In(kFolder32, name))) << name;
    }
    for (const char* name : kDeveloperFiles)
        EXPECT_TRUE(swtest::FileExists(In(kFolder64, "developer\\") + name)) << name;

    // A 64-bit caller prints through the library of its bitness.
    HMODULE library = LoadLibraryA(In(kFolder64, "x64\\swprint.dll").c_str());
    ASSERT_NE(library, nullptr);
    using PrintFileFunction = LONG(WINAPI*)(LPCSTR, LPCSTR);
    const auto printFile = reinterpret_cast<PrintFileFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "PrintFile")));
    ASSERT_NE(printFile, nullptr);
    const swtest::TempFile report("printed by a 64-bit caller\r\n");
    swtest::PrinterInbox inbox("sw_raw");
    EXPECT_EQ(printFile("sw_raw", report.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "printed by a 64-bit caller\r\n");
    FreeLibrary(library);
    // x86\swprint.dll is for 32-bit callers, which do not run under 64-bit
    // Wine: a 64-bit one cannot load it (its exports: e2e.exports_x86).
    EXPECT_EQ(LoadLibraryA(In(kFolder64, "x86\\swprint.dll").c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));

    EXPECT_EQ(Msiexec("/x \"" + swtest::ProgramFromEnvironment("SW_INSTALLER") + "\""), 0u);
    EXPECT_EQ(InstalledProducts(), 0);
    EXPECT_FALSE(swtest::FileExists(In(kFolder64, "swutil.exe")));
    EXPECT_FALSE(swtest::FileExists(In(kFolder64, "x64")));
    EXPECT_FALSE(swtest::FileExists(In(kFolder64, "developer")));
    for (const char* name : kDataFiles) {
        EXPECT_TRUE(swtest::FileExists(In(kFolder64, name))) << name;
        DeleteFileA(In(kFolder64, name).c_str());
    }
    RemoveDirectoryA(kFolder64);
    RemoveDirectoryA(kFolder32);
}

} // namespace
