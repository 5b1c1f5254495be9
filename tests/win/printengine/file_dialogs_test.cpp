// The file dialogs and GetFileToPrint with Wine's real dialogs on the test
// display. A second thread plays the user: it waits for the dialog, records
// the filters and the file name it shows, then types a name and confirms, or
// cancels.
#include "common/file_dialogs.h"
#include "printengine/library_state.h"
#include "printengine/swprint.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct DialogView {
    bool shown = false;
    Texts filters;           // descriptions, as the file-type box lists them
    int selectedFilter = -1; // 0-based
    std::string fileName;    // the file name field
};

struct FindDialogData {
    const char* title;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    FindDialogData& find = *reinterpret_cast<FindDialogData*>(data);
    char className[32] = {}, title[128] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    GetClassNameA(window, className, sizeof(className));
    GetWindowTextA(window, title, sizeof(title));
    if (process == GetCurrentProcessId() && std::string(className) == "#32770" &&
        std::string(title) == find.title) {
        find.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(const char* title, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        FindDialogData find = {title, nullptr};
        EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&find));
        if (find.found != nullptr)
            return find.found;
        Sleep(50);
    }
    return nullptr;
}

// The file name field: a combo box in the Explorer-style dialog, an edit
// control in the older one.
HWND FileNameField(HWND dialog) {
    HWND field = GetDlgItem(dialog, cmb13);
    return field != nullptr ? field : GetDlgItem(dialog, edt1);
}

DialogView Look(HWND dialog) {
    DialogView view;
    view.shown = true;
    HWND types = GetDlgItem(dialog, cmb1);
    const LRESULT count = SendMessageA(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        view.filters.push_back(text);
    }
    view.selectedFilter = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
    char name[MAX_PATH] = {};
    GetWindowTextA(FileNameField(dialog), name, sizeof(name));
    view.fileName = name;
    return view;
}

// Plays the user of one dialog on a second thread.
class DialogUser {
  public:
    // typed empty: cancel; otherwise type it and confirm.
    DialogUser(const char* title, std::string typed)
        : thread_([this, title, typed] { Run(title, typed); }) {}
    ~DialogUser() {
        if (thread_.joinable())
            thread_.join();
    }

    const DialogView& View() {
        if (thread_.joinable())
            thread_.join();
        return view_;
    }

  private:
    void Run(const char* title, const std::string& typed) {
        HWND dialog = WaitForDialog(title, 15000);
        if (dialog == nullptr)
            return;
        view_ = Look(dialog);
        int button = IDCANCEL;
        if (!typed.empty()) {
            SendMessageA(FileNameField(dialog), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(typed.c_str()));
            button = IDOK;
        }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
        // A dialog that does not take the answer is cancelled, so no test hangs.
        for (int waited = 0; IsWindow(dialog); waited += 50) {
            if (waited == 10000)
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            Sleep(50);
        }
    }

    DialogView view_;
    std::thread thread_;
};

// A folder in TEMP with one file in it, removed at the end.
class FolderWithFile {
  public:
    explicit FolderWithFile(const std::string& name) {
        marker_ = new swtest::TempFile("", ".dir");
        folder_ = marker_->Path() + "_folder";
        CreateDirectoryA(folder_.c_str(), nullptr);
        file_ = folder_ + "\\" + name;
        HANDLE handle = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(handle);
    }
    ~FolderWithFile() {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((folder_ + "\\" + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_.c_str());
        delete marker_;
    }
    FolderWithFile(const FolderWithFile&) = delete;
    FolderWithFile& operator=(const FolderWithFile&) = delete;

    const std::string& Folder() const { return folder_; }
    const std::string& File() const { return file_; }

  private:
    swtest::TempFile* marker_;
    std::string folder_, file_;
};

// Restores the current directory, which the dialog may move.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper() { GetCurrentDirectoryA(MAX_PATH, saved_); }
    ~CurrentDirectoryKeeper() { SetCurrentDirectoryA(saved_); }

  private:
    char saved_[MAX_PATH] = {};
};

TEST(GetFileToPrint, RemembersTheChosenFileTypeForTheNextDialog) {
    CurrentDirectoryKeeper keeper;
    sw::State().fileSelection = sw::FileFilterState();
    FolderWithFile chosen("report.LST");
    const Texts initial = {"PRN files", "Text Files", "All Files"};
    const Texts withLst = {"PRN files", "Text Files", "All Files", "LST files"};

    {
        DialogUser user("Open File", chosen.File());
        char buffer[256] = {};
        GetFileToPrint(buffer);
        EXPECT_EQ(std::string(buffer), chosen.File());
        EXPECT_EQ(user.View().filters, initial);
        EXPECT_EQ(user.View().selectedFilter, 0);
        EXPECT_EQ(user.View().fileName, "*.PRN");
    }
    // Cancelled twice: the new type is offered and preselected both times.
    for (int round = 0; round < 2; ++round) {
        DialogUser user("Open File", "");
        char buffer[256];
        std::memset(buffer, 'x', sizeof(buffer));
        GetFileToPrint(buffer);
        EXPECT_EQ(std::string(buffer), "") << "round " << round;
        ASSERT_TRUE(user.View().shown);
        EXPECT_EQ(user.View().filters, withLst) << "round " << round;
        EXPECT_EQ(user.View().selectedFilter, 3) << "round " << round;
        EXPECT_EQ(user.View().fileName, "*.LST") << "round " << round;
    }
    EXPECT_EQ(sw::State().fileSelection.filterList.size(), 4u);
}

TEST(GetFileToPrint, NullBufferShowsNoDialog) {
    GetFileToPrint(nullptr);
    EXPECT_EQ(WaitForDialog("Open File", 0), nullptr);
}

TEST(FileDialogs, OpenStartsInTheInitialFolderWithTheGivenFilter) {
    FolderWithFile chosen("data.b");
    DialogUser user("Pick a file", "data.b");
    sw::FileDialogRequest request;
    request.title = "Pick a file";
    request.initialFolder = chosen.Folder();
    request.filterText = "A files|*.a|B files|*.b";
    request.filterIndex = 2;
    request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    EXPECT_TRUE(sw::OpenFileDialog(request));
    EXPECT_EQ(request.fileName, chosen.File());
    EXPECT_EQ(user.View().filters, (Texts{"A files", "B files"}));
    EXPECT_EQ(user.View().selectedFilter, 1);
}

TEST(FileDialogs, SaveAddsTheDefaultExtension) {
    FolderWithFile folder("existing.txt");
    DialogUser user("Save as", "notes");
    sw::FileDialogRequest request;
    request.title = "Save as";
    request.initialFolder = folder.Folder();
    request.filterText = "Text|*.txt";
    request.defaultExtension = "txt";
    EXPECT_TRUE(sw::SaveFileDialog(request));
    EXPECT_EQ(request.fileName, folder.Folder() + "\\notes.txt");
}

// A chosen path of 257 characters does not fit the 256-byte file buffer: the
// dialog fails and leaves the size it needed in the buffer's first bytes.
TEST(FileDialogs, PathLongerThanTheBufferReturnsFalseAndKeepsTheName) {
    CurrentDirectoryKeeper keeper;
    FolderWithFile base("marker.txt");
    const std::string fileName = "long.txt";
    const std::size_t folderLength = 257 - fileName.size() - 1;
    ASSERT_LT(base.Folder().size() + 2, folderLength);
    const std::string folder =
        base.Folder() + "\\" + std::string(folderLength - base.Folder().size() - 1, 'd');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\" + fileName;
    ASSERT_EQ(path.size(), 257u);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    {
        DialogUser user("Too long", path);
        sw::FileDialogRequest request;
        request.title = "Too long";
        request.fileName = "*.PRN";
        request.initialFolder = folder;
        request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        EXPECT_FALSE(sw::OpenFileDialog(request));
        EXPECT_TRUE(user.View().shown);
        EXPECT_EQ(request.fileName, "*.PRN") << "the buffer held no name";
    }
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(FileDialogs, CancelReturnsFalseAndKeepsTheName) {
    DialogUser user("Save as", "");
    sw::FileDialogRequest request;
    request.title = "Save as";
    request.fileName = "untouched.txt";
    EXPECT_FALSE(sw::SaveFileDialog(request));
    EXPECT_TRUE(user.View().shown);
    EXPECT_EQ(request.fileName, "untouched.txt");
}

} // namespace
