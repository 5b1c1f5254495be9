// Drives modal dialogs of the test's own thread as a user would: a script of
// steps runs from a thread-less timer, which the dialog's own message loop
// dispatches, and acts on the dialog with real window messages.
#pragma once

#include "support/program_driver.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace swtest {

class DialogDriver {
  public:
    DialogDriver() = default;
    // A script whose first step waits for the window with this caption.
    explicit DialogDriver(const std::string& caption) { On(caption); }

    // Waits until a window of this thread with this caption is shown (a
    // dialog or a message box); the following steps act on it.
    DialogDriver& On(const std::string& caption);
    DialogDriver& SetText(int id, const std::string& text);
    // A button click (BM_CLICK), posted so that the dialog handles it in its
    // own loop, as it handles a mouse click; nested message boxes can open.
    DialogDriver& Click(int id);
    DialogDriver& SelectItem(int id, int index);
    // A key (VK_RETURN, VK_ESCAPE) pressed in the control, through the
    // dialog's keyboard handling.
    DialogDriver& PressKey(int id, WPARAM key);
    // The close box (the system menu's Close command).
    DialogDriver& CloseBox();
    // Runs a check or a read on the current window.
    DialogDriver& Inspect(std::function<void(HWND window)> action);

    // Arms the script, runs `open` (which shows a modal dialog and returns
    // when it is closed) and fails the test when a step did not run. A step
    // that waits in vain ends the dialogs, so that a failing test cannot hang.
    void Run(const std::function<void()>& open);

  private:
    struct Step {
        std::function<bool(DialogDriver&)> run; // false: try again at the next tick
        bool yields = false;                    // let the dialog's loop run after it
        std::string what;
    };
    DialogDriver& Add(std::string what, bool yields, std::function<bool(DialogDriver&)> run);
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunSteps();
    void GiveUp();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ticksOnStep_ = 0;
    bool running_ = false;
    HWND window_ = nullptr;
};

std::string ItemText(HWND window, int id);
bool IsChecked(HWND window, int id);
inline std::vector<std::string> ListItems(HWND window, int id) {
    return ListBoxItems(GetDlgItem(window, id));
}
// The text of a message box: the longest static text in it.
std::string MessageBoxText(HWND box);
// The ids of the controls that the Tab key visits, from `firstId` on, until
// it comes back to `firstId`.
std::vector<int> TabOrder(HWND window, int firstId);

} // namespace swtest
