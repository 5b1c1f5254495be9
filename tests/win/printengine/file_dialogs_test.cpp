// The file dialogs and GetFileToPrint with Wine's real dialogs on the test
// display. The dialog driver plays the user from the dialog's own loop: it
// records the filters and the file name shown, then types a name and
// confirms, or cancels.
#include "common/file_dialogs.h"
#include "printengine/library_state.h"
#include "printengine/swprint.h"
#include "support/dialog_driver.h"
#include "support/file_writer.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct DialogView {
    bool shown = false;
    Texts filters;           // descriptions, as the file-type box lists them
    int selectedFilter = -1; // 0-based
    std::string fileName;    // the file name field
};

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
    view.fileName = swtest::WindowText(FileNameField(dialog));
    return view;
}

// Plays the user of the dialog that `open` shows: looks at it, then types
// `typed` and confirms, or cancels when `typed` is empty.
DialogView Answer(const char* title, const std::string& typed, const std::function<void()>& open) {
    DialogView view;
    swtest::DialogDriver(title)
        .Inspect([&](HWND dialog) {
            view = Look(dialog);
            if (!typed.empty())
                SetWindowTextA(FileNameField(dialog), typed.c_str());
        })
        .Click(typed.empty() ? IDCANCEL : IDOK)
        .Run(open);
    return view;
}

TEST(GetFileToPrint, RemembersTheChosenFileTypeForTheNextDialog) {
    swtest::CurrentFolderKeeper keeper; // the dialog may move it
    sw::State().fileSelection = sw::FileFilterState();
    const swtest::TempFolder folder;
    const std::string chosen = folder.Write("report.LST", "");
    const Texts withLst = {"PRN files", "Text Files", "All Files", "LST files"};

    char buffer[256] = {};
    DialogView view = Answer("Open File", chosen, [&] { GetFileToPrint(buffer); });
    EXPECT_EQ(std::string(buffer), chosen);
    EXPECT_EQ(view.filters, (Texts{"PRN files", "Text Files", "All Files"}));
    EXPECT_EQ(view.selectedFilter, 0);
    EXPECT_EQ(view.fileName, "*.PRN");
    // Cancelled twice: the new type is offered and preselected both times.
    for (int round = 0; round < 2; ++round) {
        std::memset(buffer, 'x', sizeof(buffer));
        view = Answer("Open File", "", [&] { GetFileToPrint(buffer); });
        EXPECT_EQ(std::string(buffer), "") << "round " << round;
        ASSERT_TRUE(view.shown);
        EXPECT_EQ(view.filters, withLst) << "round " << round;
        EXPECT_EQ(view.selectedFilter, 3) << "round " << round;
        EXPECT_EQ(view.fileName, "*.LST") << "round " << round;
    }
    EXPECT_EQ(sw::State().fileSelection.filterList.size(), 4u);
}

TEST(GetFileToPrint, NullBufferShowsNoDialog) {
    GetFileToPrint(nullptr);
    EXPECT_EQ(swtest::FindProcessWindow(GetCurrentProcessId(), "#32770", "Open File"), nullptr);
}

TEST(FileDialogs, OpenStartsInTheInitialFolderWithTheGivenFilter) {
    const swtest::TempFolder folder;
    const std::string chosen = folder.Write("data.b", "");
    sw::FileDialogRequest request;
    request.title = "Pick a file";
    request.initialFolder = folder.Path();
    request.filterText = "A files|*.a|B files|*.b";
    request.filterIndex = 2;
    request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const DialogView view =
        Answer("Pick a file", "data.b", [&] { EXPECT_TRUE(sw::OpenFileDialog(request)); });
    EXPECT_EQ(request.fileName, chosen);
    EXPECT_EQ(view.filters, (Texts{"A files", "B files"}));
    EXPECT_EQ(view.selectedFilter, 1);
}

TEST(FileDialogs, SaveAddsTheDefaultExtension) {
    const swtest::TempFolder folder;
    folder.Write("existing.txt", "");
    sw::FileDialogRequest request;
    request.title = "Save as";
    request.initialFolder = folder.Path();
    request.filterText = "Text|*.txt";
    request.defaultExtension = "txt";
    Answer("Save as", "notes", [&] { EXPECT_TRUE(sw::SaveFileDialog(request)); });
    EXPECT_EQ(request.fileName, folder.Path() + "\\notes.txt");
}

// A chosen path of 257 characters, past the 256-byte buffer the dialog once
// had, comes back whole.
TEST(FileDialogs, PathLongerThanTheOldBufferIsReturnedWhole) {
    swtest::CurrentFolderKeeper keeper; // the dialog may move it
    const swtest::TempFolder base;
    const std::string fileName = "long.txt";
    const std::size_t folderLength = 257 - fileName.size() - 1;
    ASSERT_LT(base.Path().size() + 2, folderLength);
    const std::string folder =
        base.Path() + "\\" + std::string(folderLength - base.Path().size() - 1, 'd');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\" + fileName;
    ASSERT_EQ(path.size(), 257u);
    ASSERT_TRUE(swtest::WriteToFile(path, ""));

    sw::FileDialogRequest request;
    request.title = "Too long";
    request.fileName = "*.PRN";
    request.initialFolder = folder;
    request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const DialogView view =
        Answer("Too long", path, [&] { EXPECT_TRUE(sw::OpenFileDialog(request)); });
    EXPECT_TRUE(view.shown);
    EXPECT_EQ(request.fileName, path) << "a path past the old 256-byte buffer comes back whole";
}

TEST(FileDialogs, CancelReturnsFalseAndKeepsTheName) {
    sw::FileDialogRequest request;
    request.title = "Save as";
    request.fileName = "untouched.txt";
    const DialogView view =
        Answer("Save as", "", [&] { EXPECT_FALSE(sw::SaveFileDialog(request)); });
    EXPECT_TRUE(view.shown);
    EXPECT_EQ(request.fileName, "untouched.txt");
}

} // namespace
