// The shell's programs replaced for one test: the program that opens text
// files and web pages (the stand-in started_program.exe, which writes its
// command line to %TEMP%\sw_started.txt), and the WinHelp viewer taken out of
// the Windows folder, as Windows 10 and 11 have none.
#pragma once

#include "support/program_driver.h"
#include "support/registry_text.h"
#include "support/temp_files.h"
#include "support/text_lines.h"

#include <windows.h>

#include <string>
#include <vector>

namespace swtest {

inline std::string StartedLog() {
    return TempPath() + "sw_started.txt";
}

// The command lines the stand-in was started with, after waiting for `count`
// of them (at most `timeoutMs`).
inline std::vector<std::string> StartedCommands(std::size_t count, DWORD timeoutMs = 10000) {
    std::vector<std::string> lines;
    WaitFor(
        [&] {
            lines = FileExists(StartedLog()) ? SplitLines(ReadWholeFile(StartedLog()), "\r\n")
                                             : std::vector<std::string>();
            return lines.size() >= count;
        },
        timeoutMs);
    return lines;
}

// The line the stand-in `standIn` writes when started as a marker.
inline std::string MarkerLine(const std::string& standIn) {
    return "\"" + standIn + "\" marker";
}

// The command lines once the stand-in, started as a marker, has written its
// own: a program started before it has had its turn, so that a line missing
// before the marker's is a program that was never started.
inline std::vector<std::string> StartedUpToMarker(const std::string& standIn) {
    RunningProgram(standIn, "marker").WaitForExit();
    return StartedCommands(0, 0);
}

// Files of the extension (".txt", ".html") open with `program` while it lives.
class OpenedWith {
  public:
    OpenedWith(const std::string& extension, const std::string& program)
        : type_(extension, "SwTest.Opened" + extension),
          command_("SwTest.Opened" + extension + "\\shell\\open\\command",
                   "\"" + program + "\" \"%1\"") {
        DeleteFileA(StartedLog().c_str());
    }
    ~OpenedWith() { DeleteFileA(StartedLog().c_str()); }

  private:
    ScopedClassesText type_, command_;
};

// The Windows folder's WinHelp viewer moved aside while it lives.
class NoWinHelpViewer {
  public:
    NoWinHelpViewer() {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        for (const char* folder : {"\\", "\\system32\\"}) {
            const std::string viewer = std::string(windows) + folder + "winhlp32.exe";
            if (MoveFileExA(viewer.c_str(), (viewer + ".aside").c_str(), MOVEFILE_REPLACE_EXISTING))
                moved_.push_back(viewer);
        }
    }
    ~NoWinHelpViewer() {
        for (const std::string& viewer : moved_)
            MoveFileExA((viewer + ".aside").c_str(), viewer.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    NoWinHelpViewer(const NoWinHelpViewer&) = delete;
    NoWinHelpViewer& operator=(const NoWinHelpViewer&) = delete;

  private:
    std::vector<std::string> moved_;
};

} // namespace swtest
