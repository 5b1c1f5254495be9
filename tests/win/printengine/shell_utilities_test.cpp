// strWhereFolder and CreateShortcut against Wine's shell: its special
// folders (in the run's own home folder) and the shortcut it writes to the
// Recent folder when a file is added to the recent documents.
#include "common/path_helpers.h"
#include "printengine/shell_api.h"
#include "printengine/swprint.h"
#include "support/file_writer.h"
#include "support/ole_text.h"
#include "support/scoped_seam.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace {

using swtest::FileExists;
using swtest::TakeOleText;

std::string FolderPath(LONG folder) {
    return TakeOleText(strWhereFolder(&folder));
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The shell's own shortcut in Recent to `target`, once it is a recent document.
std::string RecentShortcutOf(const swtest::TempFile& target) {
    return FolderPath(CSIDL_RECENT) + "\\" + sw::FileNamePart(target.Path()) + ".lnk";
}

// The target a shortcut file points to, read through the shell; empty when
// the file is no shortcut.
std::string ShortcutTarget(const std::string& path) {
    std::string target;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t widePath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
        char buffer[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(widePath, STGM_READ)) &&
            SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, 0)))
            target = buffer;
        file->Release();
    }
    if (link != nullptr)
        link->Release();
    CoUninitialize();
    return target;
}

TEST(ShellUtilities, SpecialFoldersAreTheShellsFolders) {
    for (LONG folder : {CSIDL_STARTUP, CSIDL_RECENT, CSIDL_SENDTO, CSIDL_DESKTOPDIRECTORY}) {
        char expected[MAX_PATH] = {};
        ASSERT_EQ(SHGetFolderPathA(nullptr, folder | CSIDL_FLAG_CREATE, nullptr, 0, expected),
                  S_OK);
        const std::string path = FolderPath(folder);
        EXPECT_EQ(path, expected) << "folder " << folder;
        EXPECT_TRUE(IsFolder(path)) << path;
    }
}

TEST(ShellUtilities, FolderWithoutAPathGivesEmptyText) {
    EXPECT_EQ(FolderPath(CSIDL_DRIVES), "") << "My Computer is a virtual folder";
    EXPECT_EQ(FolderPath(0x7777), "") << "a number the shell does not know";
    EXPECT_EQ(TakeOleText(strWhereFolder(nullptr)), "");
}

TEST(ShellUtilities, ShortcutIsMadeWithTheCleanedNameAndTheRecentOneMovedAway) {
    swtest::TempFile target("to be linked", ".txt");
    const std::string made = FolderPath(CSIDL_DESKTOPDIRECTORY) + "\\Label2_3.lnk";
    const HWND owner = nullptr;
    const LONG folder = CSIDL_DESKTOPDIRECTORY;

    EXPECT_EQ(CreateShortcut(&owner, target.Path().c_str(), "Label 2.3", &folder), -1);
    EXPECT_EQ(ShortcutTarget(made), target.Path());
    EXPECT_FALSE(FileExists(RecentShortcutOf(target)))
        << "the shortcut in Recent is moved, not copied";
    DeleteFileA(made.c_str());
}

TEST(ShellUtilities, ExistingShortcutOfThatNameIsReplaced) {
    swtest::TempFile target("new target", ".prn");
    const std::string made = FolderPath(CSIDL_SENDTO) + "\\Spoolwright.lnk";
    ASSERT_TRUE(swtest::WriteToFile(made, "old"));
    const LONG folder = CSIDL_SENDTO;
    EXPECT_EQ(CreateShortcut(nullptr, target.Path().c_str(), "Spoolwright", &folder), -1);
    EXPECT_EQ(ShortcutTarget(made), target.Path());
    DeleteFileA(made.c_str());
}

TEST(ShellUtilities, RecentFolderKeepsTheShellsOwnShortcut) {
    swtest::TempFile target("recent", ".txt");
    const std::string recent = RecentShortcutOf(target);
    const LONG folder = CSIDL_RECENT;
    EXPECT_EQ(CreateShortcut(nullptr, target.Path().c_str(), "Some Name", &folder), -1);
    EXPECT_EQ(ShortcutTarget(recent), target.Path());
    EXPECT_FALSE(FileExists(FolderPath(CSIDL_RECENT) + "\\SomeName.lnk"));
    DeleteFileA(recent.c_str());
}

TEST(ShellUtilities, UnknownOrVirtualFolderMakesNoShortcut) {
    swtest::TempFile target("nowhere", ".txt");
    for (LONG folder : {LONG{0x7777}, LONG{CSIDL_DRIVES}}) {
        EXPECT_EQ(CreateShortcut(nullptr, target.Path().c_str(), "x", &folder), 0)
            << "folder " << folder;
    }
    EXPECT_FALSE(FileExists(RecentShortcutOf(target))) << "the recent documents were left alone";
}

TEST(ShellUtilities, EmptyTargetOrMissingFolderMakesNoShortcut) {
    const LONG folder = CSIDL_DESKTOPDIRECTORY;
    EXPECT_EQ(CreateShortcut(nullptr, "", "Empty", &folder), 0);
    EXPECT_EQ(CreateShortcut(nullptr, nullptr, "Null", &folder), 0);
    swtest::TempFile target("x", ".txt");
    EXPECT_EQ(CreateShortcut(nullptr, target.Path().c_str(), "NoFolder", nullptr), 0);
    EXPECT_FALSE(FileExists(FolderPath(folder) + "\\Empty.lnk"));
}

TEST(ShellUtilities, FailedCopyIsReportedAndTheRecentShortcutRemoved) {
    swtest::TempFile target("blocked", ".txt");
    const std::string blocked = FolderPath(CSIDL_DESKTOPDIRECTORY) + "\\Blocked.lnk";
    ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr)); // no file can be copied there
    const LONG folder = CSIDL_DESKTOPDIRECTORY;
    EXPECT_EQ(CreateShortcut(nullptr, target.Path().c_str(), "Blocked", &folder), 0);
    EXPECT_TRUE(IsFolder(blocked));
    EXPECT_FALSE(FileExists(RecentShortcutOf(target)));
    RemoveDirectoryA(blocked.c_str());
}

// A shell that makes no shortcut in Recent: Wine's always makes it at once.
void WINAPI AddNothing(UINT, LPCVOID) {}

TEST(ShellUtilities, ShortcutThatNeverAppearsGivesZeroAfterTheWait) {
    swtest::ScopedSeam<sw::ShellApi> shell(sw::Shell());
    sw::Shell().addToRecentDocs = &AddNothing;
    swtest::TempFile target("late", ".txt");
    const LONG folder = CSIDL_DESKTOPDIRECTORY;
    EXPECT_EQ(CreateShortcut(nullptr, target.Path().c_str(), "Never", &folder), 0);
    EXPECT_FALSE(FileExists(FolderPath(folder) + "\\Never.lnk"));
}

} // namespace
