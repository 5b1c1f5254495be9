// The file dialogs and GetFileToPrint with Wine's real dialogs on the test
// display. A second thread plays the user: it waits for the dialog, records
// the filters and the file name it shows, then types a name and confirms, or
// cancels.
#include "common/file_dialogs.h"
#include "printengine/library_state.h"
#include "printengine/swprint.h"
#include "support/file_writer.h"
#include "support/program_driver.h"
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

HWND FindDialog(const char* title) {
    return swtest::FindProcessWindow(GetCurrentProcessId(), "#32770", title);
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
        HWND dialog = nullptr;
        if (!swtest::WaitFor([&] { return (dialog = FindDialog(title)) != nullptr; }, 15000))
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
        if (!swtest::WaitFor([&] { return !IsWindow(dialog); }, 10000)) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            swtest::WaitFor([&] { return !IsWindow(dialog); });
        }
    }

    DialogView view_;
    std::thread thread_;
};

// A folder in TEMP with one empty file in it, removed at the end.
class FolderWithFile : public swtest::TempFolder {
  public:
    explicit FolderWithFile(const std::string& name) : file_(Write(name, "")) {}
    const std::string& File() const { return file_; }

  private:
    std::string file_;
};

TEST(GetFileToPrint, RemembersTheChosenFileTypeForTheNextDialog) {
    swtest::CurrentFolderKeeper keeper; // the dialog may move it
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
    EXPECT_EQ(FindDialog("Open File"), nullptr);
}

TEST(FileDialogs, OpenStartsInTheInitialFolderWithTheGivenFilter) {
    FolderWithFile chosen("data.b");
    DialogUser user("Pick a file", "data.b");
    sw::FileDialogRequest request;
    request.title = "Pick a file";
    request.initialFolder = chosen.Path();
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
    request.initialFolder = folder.Path();
    request.filterText = "Text|*.txt";
    request.defaultExtension = "txt";
    EXPECT_TRUE(sw::SaveFileDialog(request));
    EXPECT_EQ(request.fileName, folder.Path() + "\\notes.txt");
}

// A chosen path of 257 characters, past the 256-byte buffer the dialog once
// had, comes back whole.
TEST(FileDialogs, PathLongerThanTheOldBufferIsReturnedWhole) {
    swtest::CurrentFolderKeeper keeper; // the dialog may move it
    FolderWithFile base("marker.txt");
    const std::string fileName = "long.txt";
    const std::size_t folderLength = 257 - fileName.size() - 1;
    ASSERT_LT(base.Path().size() + 2, folderLength);
    const std::string folder =
        base.Path() + "\\" + std::string(folderLength - base.Path().size() - 1, 'd');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\" + fileName;
    ASSERT_EQ(path.size(), 257u);
    ASSERT_TRUE(swtest::WriteToFile(path, ""));

    {
        DialogUser user("Too long", path);
        sw::FileDialogRequest request;
        request.title = "Too long";
        request.fileName = "*.PRN";
        request.initialFolder = folder;
        request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        EXPECT_TRUE(sw::OpenFileDialog(request));
        EXPECT_TRUE(user.View().shown);
        EXPECT_EQ(request.fileName, path) << "a path past the old 256-byte buffer comes back whole";
    }
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
