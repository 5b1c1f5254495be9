// Drives programs of the project from a test, across processes, as a user
// and the companion would: starts them, finds their windows, sends commands,
// drops files, and reads back list boxes and status bars.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace swtest {

// Waits until `condition` holds; false after `timeoutMs`. Meanwhile it
// dispatches this thread's messages, so that the test's own windows and
// timers are served while another process works.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

inline void PumpMessagesFor(DWORD milliseconds) {
    WaitFor([] { return false; }, milliseconds);
}

// The Windows path of a Linux path (Z:\...).
std::string WindowsPathOf(const std::string& unixPath);

// The value of an environment variable; empty when it is not set.
std::string EnvironmentText(const char* variable);

// A built program named by an environment variable that the test's CMake
// sets (SW_SWUTIL, SW_COMPANION_STANDIN, ...), as a Windows path.
std::string ProgramFromEnvironment(const char* variable);

// The folder of the running test program, with a trailing backslash: the
// test's stand-ins and the files the build copies for it are there.
std::string TestProgramFolder();

// A top-level window of process `processId` of the class (null: any) and
// with the caption (null: any; a window found by its caption is a shown one).
HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* caption = nullptr);

// A top-level window of this thread for a test to receive messages with; its
// class is registered with `procedure` at the first call.
HWND CreateTestWindow(const char* windowClass, WNDPROC procedure, const char* title = "",
                      DWORD style = WS_OVERLAPPEDWINDOW);

// The window class of the companion stand-in (companion_standin.exe). Wait
// for it rather than for any window of the process: Wine may make a window
// of its own for the process before the stand-in makes its own.
inline constexpr char kCompanionStandInClass[] = "SpoolwrightRemoteStandIn";

// A program started for one test and ended with it.
class RunningProgram {
  public:
    RunningProgram(const std::string& program, const std::string& arguments);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The exit code; STILL_ACTIVE when it had not ended within `timeoutMs`.
    DWORD WaitForExit(DWORD timeoutMs = 30000);
    bool Started() const { return process_.hProcess != nullptr; }
    // A top-level window of this process, as FindProcessWindow finds it.
    HWND WaitForWindow(const char* windowClass, const char* caption = nullptr,
                       DWORD timeoutMs = 20000) const;
    // A dialog or message box of this process with this caption.
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 20000) const {
        return WaitForWindow("#32770", caption, timeoutMs);
    }

  private:
    PROCESS_INFORMATION process_ = {};
};

// swutil.exe with `arguments` (the command line after the program name).
inline RunningProgram StartProgram(const std::string& arguments) {
    return RunningProgram(ProgramFromEnvironment("SW_SWUTIL"), arguments);
}

// Closes the top-level window of this class and title (either null: any) of
// whatever process, as a user would, and waits for that process to end.
// True when it ended, or when no such window appeared within `lookMs`.
bool CloseWindowAndWait(const char* windowClass, const char* title, DWORD lookMs = 0);

// The main window's command, as the menu sends it (posted: a command may open
// a modal dialog).
void PostCommand(HWND window, int command);
void SendCommand(HWND window, int command);

// The items of a list box of any process, in its order.
std::vector<std::string> ListBoxItems(HWND list);
std::string SelectedListBoxItem(HWND list);

// The text of part `part` of a status bar of another process.
std::string StatusBarText(HWND statusBar, int part);

// Drops the files on the window as the shell does (WM_DROPFILES with the
// paths in the receiving process's memory).
void DropFiles(HWND window, const std::vector<std::string>& paths);

// A window of another process shown to the screen: the main window restored
// and in front, for the keyboard.
void BringToFront(HWND window);

// The text of a window of any process.
std::string WindowText(HWND window);

} // namespace swtest
