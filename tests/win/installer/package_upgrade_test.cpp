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
const char* const kDeveloperFiles[] = {"developer\\include\\swprint.h",
                                       "developer\\lib\\x86\\swprint.lib",
                                       "developer\\lib\\x86\\swprint.dll.a",
                                       "developer\\lib\\x64\\swprint.lib",
                                       "developer\\lib\\x64\\swprint.dll.a",
                                       "developer\\swprint.bas",
                                       "developer\\swprint.py",
                                       "developer\\SwPrint.cs"};

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

// The machine a DLL was built for, from its PE header (0 when unreadable).
unsigned PeMachine(const std::string& path) {
    const std::string bytes = swtest::ReadWholeFile(path);
    if (bytes.size() < 0x40)
        return 0;
    const auto at = [&](std::size_t offset) { return static_cast<unsigned char>(bytes[offset]); };
    const std::size_t header = at(0x3C) | at(0x3D) << 8 | at(0x3E) << 16 | at(0x3F) << 24;
    return header + 6 <= bytes.size() ? (at(header + 4) | at(header + 5) << 8) : 0;
}

std::string Data(const char* name) {
    return std::string("data of ") + name + "\r\n";
}

TEST(PackageUpgrade, The64BitPackageReplacesThe32BitOneAndKeepsTheProgramData) {
    ASSERT_EQ(Msiexec("/i \"" + swtest::ProgramFromEnvironment("SW_INSTALLER_32") + "\""), 0u);
    ASSERT_TRUE(swtest::FileExists(std::string(kFolder32) + "swutil.exe"));
    ASSERT_TRUE(swtest::FileExists(std::string(kFolder32) + "x86\\swprint.dll"));
    for (const char* name : kDataFiles)
        ASSERT_TRUE(swtest::WriteToFile(kFolder32 + std::string(name), Data(name)));

    ASSERT_EQ(Msiexec("/i \"" + swtest::ProgramFromEnvironment("SW_INSTALLER") + "\""), 0u);
    EXPECT_EQ(InstalledProducts(), 1);
    EXPECT_FALSE(swtest::FileExists(std::string(kFolder32) + "swutil.exe"));
    for (const char* name : kDataFiles) {
        EXPECT_EQ(swtest::ReadWholeFile(kFolder64 + std::string(name)), Data(name)) << name;
        EXPECT_FALSE(swtest::FileExists(kFolder32 + std::string(name))) << name;
    }
    EXPECT_EQ(PeMachine(std::string(kFolder64) + "x64\\swprint.dll"), 0x8664u);
    EXPECT_EQ(PeMachine(std::string(kFolder64) + "x86\\swprint.dll"), 0x14Cu);
    for (const char* name : kDeveloperFiles)
        EXPECT_TRUE(swtest::FileExists(kFolder64 + std::string(name))) << name;

    // A 64-bit caller prints through the library of its bitness.
    HMODULE library = LoadLibraryA((std::string(kFolder64) + "x64\\swprint.dll").c_str());
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
    // No 32-bit caller runs under 64-bit Wine: of x86\swprint.dll, its
    // bitness is checked above and its export table by e2e.exports_x86.

    EXPECT_EQ(Msiexec("/x \"" + swtest::ProgramFromEnvironment("SW_INSTALLER") + "\""), 0u);
    EXPECT_EQ(InstalledProducts(), 0);
    EXPECT_FALSE(swtest::FileExists(std::string(kFolder64) + "swutil.exe"));
    EXPECT_FALSE(swtest::FileExists(std::string(kFolder64) + "x64"));
    EXPECT_FALSE(swtest::FileExists(std::string(kFolder64) + "developer"));
    for (const char* name : kDataFiles) {
        EXPECT_TRUE(swtest::FileExists(kFolder64 + std::string(name))) << name;
        DeleteFileA((kFolder64 + std::string(name)).c_str());
    }
    RemoveDirectoryA(kFolder64);
    RemoveDirectoryA(kFolder32);
}

} // namespace
