// WinPath, IsWindowsNT and LIBMAIN, including where LIBMAIN puts the
// line-printing scratch file.
#include "printengine/swprint.h"
#include "support/print_server.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kPrinter[] = "sw_raw";

std::string TempFolder() {
    char temp[MAX_PATH] = {};
    GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    return temp;
}

// Sets TEMP for one test and restores it, and LIBMAIN's state with it.
class TempVariable {
  public:
    explicit TempVariable(const char* value) : saved_(TempFolder()) {
        SetEnvironmentVariableA("TEMP", value);
    }
    ~TempVariable() {
        SetEnvironmentVariableA("TEMP", saved_.c_str());
        LIBMAIN(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);
    }

  private:
    std::string saved_;
};

TEST(SystemHelpers, WinPathIsTheWindowsFolderWithABackslash) {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    BSTR path = WinPath();
    ASSERT_NE(path, nullptr);
    // An OLE string of ANSI bytes: its byte length is the text's length.
    const std::string text(reinterpret_cast<const char*>(path), SysStringByteLen(path));
    SysFreeString(path);
    EXPECT_EQ(text, std::string(folder) + "\\");
}

TEST(SystemHelpers, IsWindowsNTIsTrueOnAnNTSystem) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ASSERT_TRUE(GetVersionExA(&version));
    ASSERT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(IsWindowsNT(), -1);
}

TEST(SystemHelpers, LibMainReturnsOneForEveryReason) {
    for (DWORD reason :
         {DLL_PROCESS_DETACH, DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH}) {
        EXPECT_EQ(LIBMAIN(GetModuleHandleA(nullptr), reason, nullptr), 1) << "reason " << reason;
    }
}

TEST(SystemHelpers, ScratchFileGoesToTheTempFolderNamedAtAttach) {
    const swtest::TempFolder folder;
    TempVariable temp(folder.Path().c_str()); // no trailing backslash: one is added
    LIBMAIN(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);

    swtest::PrinterInbox inbox(kPrinter);
    LPrint("in TEMP");
    EXPECT_TRUE(swtest::FileExists(folder.In("SPWLTEMP.TXT")));
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    EXPECT_EQ(inbox.NextJob(), "in TEMP");
}

TEST(SystemHelpers, ScratchFileIsBareNameWithoutTemp) {
    const swtest::TempFolder folder;
    swtest::CurrentFolderKeeper current;
    SetCurrentDirectoryA(folder.Path().c_str());
    TempVariable temp(nullptr); // unset
    LIBMAIN(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);
    swtest::PrinterInbox inbox(kPrinter);
    LPrint("in the current folder");
    EXPECT_TRUE(swtest::FileExists(folder.In("SPWLTEMP.TXT")));
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    EXPECT_EQ(inbox.NextJob(), "in the current folder");
}

} // namespace
