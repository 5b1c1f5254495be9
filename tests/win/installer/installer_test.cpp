// The installer package through the platform's msiexec: a quiet install puts
// the files in the folder given, registers the service, runs the quiet set-up
// run (shortcuts, no window) and registers the product; a command-line print
// through the installed program reaches a printer; a quiet uninstall removes
// the files, the registration and the shortcuts the program made, and keeps
// what the program wrote beside itself; a full-UI install starts the program.
#include "service/service_control.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <windows.h>

#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kWaitMs = 120000;
const char kInstallFolder[] = "C:\\Program Files\\Spoolwright Test";
// The package's upgrade code: every version of the product shares it.
const char kUpgradeCode[] = "{D7B950FA-DA69-4C69-A3F8-E600461C6269}";
const char* const kInstalledFiles[] = {"swutil.exe", "swprint.dll", "Remsw.exe", "swservice.exe",
                                       "Spoolwright.hlp"};

std::string Installed(const std::string& name) {
    return std::string(kInstallFolder) + "\\" + name;
}

// Runs a program to its end; its exit code (STILL_ACTIVE if it did not end).
DWORD RunToEnd(const std::string& program, const std::string& arguments) {
    return swtest::RunningProgram(program, arguments).WaitForExit(kWaitMs);
}

std::string SpecialFolder(int folder) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// Whether a product of the package's upgrade code is installed.
bool ProductInstalled() {
    char productCode[39] = {};
    return MsiEnumRelatedProductsA(kUpgradeCode, 0, 0, productCode) == ERROR_SUCCESS &&
           MsiQueryProductStateA(productCode) == INSTALLSTATE_DEFAULT;
}

std::string Package() {
    return swtest::ProgramFromEnvironment("SW_INSTALLER");
}

class Installer : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_FALSE(Package().empty()) << "SW_INSTALLER names the built package";
        installExitCode_ = RunToEnd("msiexec", "/i \"" + Package() + "\" /qn INSTALLDIR=\"" +
                                                   kInstallFolder + "\"");
    }

    static inline DWORD installExitCode_ = STILL_ACTIVE;
};

TEST_F(Installer, AQuietInstallPutsTheFilesInTheChosenFolderAndRunsTheSetUpRun) {
    EXPECT_EQ(installExitCode_, 0u);
    for (const char* name : kInstalledFiles)
        EXPECT_TRUE(swtest::FileExists(Installed(name))) << name;
    EXPECT_TRUE(ProductInstalled());
    // The service is registered, to be started by hand, and not started.
    const sw::ServiceInfo service = sw::QueryUnattendedService();
    EXPECT_EQ(service.state, sw::ServiceState::Stopped);
    EXPECT_FALSE(service.startsAtBoot);
    // The quiet set-up run has ended with the install: it made the
    // shortcuts, and showed and started nothing, as deployment needs.
    EXPECT_TRUE(swtest::FileExists(SpecialFolder(CSIDL_SENDTO) + "\\SpoolwrightFarreach.lnk"));
    EXPECT_TRUE(swtest::FileExists(SpecialFolder(CSIDL_STARTUP) + "\\SWRemote.lnk"));
    EXPECT_EQ(FindWindowA("SpoolwrightFarreach", nullptr), nullptr);
    EXPECT_EQ(FindWindowA("MS_WINHELP", nullptr), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "Spoolwright Remote"), nullptr);
}

TEST_F(Installer, TheInstalledProgramPrintsFromItsCommandLine) {
    const swtest::TempFile report("installed print\r\n");
    swtest::PrinterInbox inbox("sw_raw");
    EXPECT_EQ(RunToEnd(Installed("swutil.exe"), "\"sw_raw|" + report.Path() + "\""), 0u);
    EXPECT_EQ(inbox.NextJob(), "installed print\r\n");
}

// Runs after the quiet install's tests (gtest keeps the order of a file's
// tests): afterwards nothing is installed.
TEST_F(Installer, AQuietUninstallClosesTheProgramAndRemovesItsFilesAndShortcuts) {
    // The shortcuts the set-up run and every start make, under their names.
    const std::string shortcuts[] = {
        SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\SpoolwrightFarreach.lnk",
        SpecialFolder(CSIDL_SENDTO) + "\\SpoolwrightFarreach.lnk",
        SpecialFolder(CSIDL_STARTUP) + "\\SWRemote.lnk",
    };
    for (const std::string& shortcut : shortcuts)
        ASSERT_TRUE(swtest::FileExists(shortcut) ||
                    swtest::WriteToFile(shortcut, "stand-in shortcut"))
            << shortcut;
    // What the program keeps beside itself stays, and with it the folder.
    ASSERT_TRUE(
        swtest::WriteToFile(Installed("Unattended.txt"), "01-02-2026 10:00:00 printed\r\n"));
    // A running program is asked to close, so that its files can go.
    swtest::RunningProgram program(Installed("swutil.exe"), "");
    ASSERT_NE(program.WaitForWindow("SpoolwrightFarreach"), nullptr);
    // So is a running service, which is then removed.
    ASSERT_EQ(sw::StartUnattendedService(kWaitMs), 0u);

    EXPECT_EQ(RunToEnd("msiexec", "/x \"" + Package() + "\" /qn"), 0u);
    EXPECT_EQ(program.WaitForExit(10000), 0u) << "the running program was not closed";

    for (const char* name : kInstalledFiles)
        EXPECT_FALSE(swtest::FileExists(Installed(name))) << name;
    for (const std::string& shortcut : shortcuts)
        EXPECT_FALSE(swtest::FileExists(shortcut)) << shortcut;
    EXPECT_FALSE(ProductInstalled());
    EXPECT_EQ(sw::QueryUnattendedService().state, sw::ServiceState::NotInstalled);
    EXPECT_TRUE(swtest::FileExists(Installed("Unattended.txt")));
    DeleteFileA(Installed("Unattended.txt").c_str());
    RemoveDirectoryA(kInstallFolder);
}

// An install the user follows ends in the set-up run as it always did: the
// program's window and help come up.
TEST_F(Installer, AFullUiInstallStartsTheProgramAndItsHelp) {
    ASSERT_EQ(RunToEnd("msiexec", "/i \"" + Package() + "\" INSTALLDIR=\"" + kInstallFolder + "\""),
              0u);
    EXPECT_TRUE(
        swtest::WaitFor([] { return FindWindowA("SpoolwrightFarreach", nullptr) != nullptr; }));
    EXPECT_TRUE(swtest::CloseWindowAndWait("SpoolwrightFarreach", nullptr, 20000));
    EXPECT_TRUE(swtest::CloseWindowAndWait("MS_WINHELP", nullptr, 2000));
    EXPECT_TRUE(swtest::CloseWindowAndWait(nullptr, "Spoolwright Remote", 2000));
    EXPECT_EQ(RunToEnd("msiexec", "/x \"" + Package() + "\" /qn"), 0u);
    RemoveDirectoryA(kInstallFolder);
}

} // namespace
