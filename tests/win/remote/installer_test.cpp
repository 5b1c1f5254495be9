// The installer: a silent install puts the four files in the folder given,
// runs the set-up run and registers the uninstaller; a command-line print
// through the installed program reaches a printer; a silent uninstall
// removes the files and the shortcuts the program made.
#include "support/print_server.h"
#include "support/temp_files.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kWaitMs = 120000;
const char kInstallFolder[] = "C:\\Program Files\\Spoolwright Test";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Spoolwright";
const char* const kInstalledFiles[] = {"swutil.exe", "swprint.dll", "Remsw.exe", "Spoolwright.hlp",
                                       "Uninstall.exe"};

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string Installed(const std::string& name) {
    return std::string(kInstallFolder) + "\\" + name;
}

// The exit code when a 32-bit program cannot be started at all: the
// installer's NSIS stub is one, and a machine whose kernel runs 64-bit
// programs only (under 64-bit Wine) refuses it.
constexpr int kNotStartable = -2;

// Runs a command line and waits for it; its exit code, or -1.
int RunAndWait(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BAD_EXE_FORMAT || error == ERROR_INTERNAL_ERROR)
            return kNotStartable;
        ADD_FAILURE() << "cannot start " << commandLine << ", error " << error;
        return -1;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, kWaitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        ADD_FAILURE() << commandLine << " did not end";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

// Closes a top-level window (by class or title) and waits for its process.
void CloseWindowAndWait(const char* className, const char* title, DWORD lookMs) {
    HWND window = nullptr;
    for (DWORD waited = 0; window == nullptr && waited < lookMs; waited += 100) {
        window = FindWindowA(className, title);
        if (window == nullptr)
            Sleep(100);
    }
    if (window == nullptr)
        return;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process != nullptr) {
        EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0)
            << (className ? className : title) << " did not close";
        CloseHandle(process);
    }
}

std::string SpecialFolder(int folder) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool UninstallKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class Installer : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const char* installer = std::getenv("SW_INSTALLER");
        ASSERT_NE(installer, nullptr) << "SW_INSTALLER names the built installer";
        const std::string commandLine =
            "\"" + WindowsPath(installer) + "\" /S /D=" + std::string(kInstallFolder);
        installExitCode_ = RunAndWait(commandLine);
        if (installExitCode_ == kNotStartable)
            return;
        // The set-up run goes on as the running program, with its help and
        // companion; they are closed so that the next steps start afresh.
        CloseWindowAndWait("SpoolwrightFarreach", nullptr, 10000);
        CloseWindowAndWait("MS_WINHELP", nullptr, 2000);
        CloseWindowAndWait(nullptr, "Spoolwright Remote", 2000);
    }

    void SetUp() override {
        if (installExitCode_ == kNotStartable)
            GTEST_SKIP() << "this machine cannot run the 32-bit installer";
    }

    static int installExitCode_;
};
int Installer::installExitCode_ = -1;

TEST_F(Installer, ASilentInstallPutsTheFilesInTheChosenFolder) {
    EXPECT_EQ(installExitCode_, 0);
    for (const char* name : kInstalledFiles)
        EXPECT_TRUE(swtest::FileExists(Installed(name))) << name;
    EXPECT_TRUE(UninstallKeyExists());
}

// Needs the command-line print of swutil.exe ("printer|file"): enable it
// (drop DISABLED_) once the program prints from its command line.
TEST_F(Installer, DISABLED_TheInstalledProgramPrintsFromItsCommandLine) {
    const swtest::TempFile report("installed print\r\n");
    swtest::PrinterInbox inbox("sw_raw");
    EXPECT_EQ(RunAndWait("\"" + Installed("swutil.exe") + "\" \"sw_raw|" + report.Path() + "\""),
              0);
    EXPECT_EQ(inbox.NextJob(), "installed print\r\n");
}

// Runs last (gtest keeps the order of a file's tests): afterwards nothing is installed.
TEST_F(Installer, ASilentUninstallRemovesTheFilesAndTheProgramsShortcuts) {
    // The shortcuts the set-up run and every start make, under their names.
    const std::string shortcuts[] = {
        SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\SpoolwrightFarreach.lnk",
        SpecialFolder(CSIDL_SENDTO) + "\\SpoolwrightFarreach.lnk",
        SpecialFolder(CSIDL_STARTUP) + "\\SWRemote.lnk",
    };
    for (const std::string& shortcut : shortcuts) {
        if (!swtest::FileExists(shortcut))
            WriteFile(shortcut, "stand-in shortcut");
    }
    // What the program keeps beside itself stays, and with it the folder.
    WriteFile(Installed("Unattended.txt"), "01-02-2026 10:00:00 printed\r\n");

    EXPECT_EQ(RunAndWait("\"" + Installed("Uninstall.exe") + "\" /S"), 0);
    // The uninstaller runs on from a copy of itself; wait for its work.
    for (DWORD waited = 0; swtest::FileExists(Installed("swutil.exe")) && waited < kWaitMs;
         waited += 200)
        Sleep(200);
    for (DWORD waited = 0; swtest::FileExists(Installed("Uninstall.exe")) && waited < kWaitMs;
         waited += 200)
        Sleep(200);

    for (const char* name : kInstalledFiles)
        EXPECT_FALSE(swtest::FileExists(Installed(name))) << name;
    for (const std::string& shortcut : shortcuts)
        EXPECT_FALSE(swtest::FileExists(shortcut)) << shortcut;
    EXPECT_FALSE(UninstallKeyExists());
    EXPECT_TRUE(swtest::FileExists(Installed("Unattended.txt")));
    DeleteFileA(Installed("Unattended.txt").c_str());
    RemoveDirectoryA(kInstallFolder);
}

} // namespace
