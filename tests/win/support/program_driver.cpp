#include "support/program_driver.h"

#include "support/print_server.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace swtest {
namespace {

struct WindowSearch {
    DWORD processId;
    const char* windowClass;
    const char* caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM argument) {
    auto* search = reinterpret_cast<WindowSearch*>(argument);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    if (search->windowClass != nullptr && lstrcmpiA(name, search->windowClass) != 0)
        return TRUE;
    if (search->caption != nullptr) {
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof(caption));
        if (lstrcmpA(caption, search->caption) != 0 || !IsWindowVisible(window))
            return TRUE;
    }
    search->found = window;
    return FALSE;
}

// Memory in another process, freed with the object.
class RemoteMemory {
  public:
    RemoteMemory(HWND window, SIZE_T size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_ != nullptr)
            address_ =
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteMemory() {
        if (address_ != nullptr && free_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_ != nullptr)
            CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Address() const { return address_; }
    bool Write(const void* bytes, SIZE_T size) {
        return address_ != nullptr &&
               WriteProcessMemory(process_, address_, bytes, size, nullptr) != FALSE;
    }
    bool Read(void* bytes, SIZE_T size) const {
        return address_ != nullptr &&
               ReadProcessMemory(process_, address_, bytes, size, nullptr) != FALSE;
    }
    // The receiver owns it from now on (DragFinish frees a drop).
    void HandOver() { free_ = false; }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    bool free_ = true;
};

// A window-enumeration callback must be a stdcall function on 32-bit Windows,
// which a lambda is not.
BOOL CALLBACK CloseWindowOfProcess(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

} // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string EnvironmentText(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? value : "";
}

std::string ProgramFromEnvironment(const char* variable) {
    const std::string path = EnvironmentText(variable);
    if (path.empty())
        ADD_FAILURE() << variable << " is not set: run the tests through ctest";
    return path.empty() ? path : WindowsPathOf(path);
}

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.rfind('\\') + 1);
}

HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* caption) {
    WindowSearch search{processId, windowClass, caption};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND CreateTestWindow(const char* windowClass, WNDPROC procedure, const char* title, DWORD style) {
    WNDCLASSA registration = {};
    registration.lpfnWndProc = procedure;
    registration.hInstance = GetModuleHandleA(nullptr);
    registration.lpszClassName = windowClass;
    RegisterClassA(&registration); // fails harmlessly once it is registered
    return CreateWindowA(windowClass, title, style, 0, 0, 100, 100, nullptr, nullptr,
                         registration.hInstance, nullptr);
}

RunningProgram::RunningProgram(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << commandLine << ", error " << GetLastError();
        process_ = {};
    }
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess == nullptr)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
        // Ask its windows to close, as a user would, then insist.
        EnumWindows(CloseWindowOfProcess, static_cast<LPARAM>(process_.dwProcessId));
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) {
    if (process_.hProcess == nullptr)
        return STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool CloseWindowAndWait(const char* windowClass, const char* title, DWORD lookMs) {
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowA(windowClass, title)) != nullptr; }, lookMs);
    if (window == nullptr)
        return true;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process == nullptr)
        return true;
    const bool ended = WaitForSingleObject(process, 20000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

HWND RunningProgram::WaitForWindow(const char* windowClass, const char* caption,
                                   DWORD timeoutMs) const {
    HWND found = nullptr;
    const DWORD id = process_.dwProcessId;
    WaitFor([&] { return (found = FindProcessWindow(id, windowClass, caption)) != nullptr; },
            timeoutMs);
    return found;
}

void BringToFront(HWND window) {
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    Sleep(500);
}

void PostCommand(HWND window, int command) {
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void SendCommand(HWND window, int command) {
    SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        wchar_t text[1024] = {};
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
        if (length < 0 || length >= 1024)
            continue;
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        char ansi[2048] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof(ansi), nullptr, nullptr);
        items.push_back(ansi);
    }
    return items;
}

std::string SelectedListBoxItem(HWND list) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const std::vector<std::string> items = ListBoxItems(list);
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? items[index] : "";
}

std::string StatusBarText(HWND statusBar, int part) {
    // The length is counted in characters, which UTF-8 writes in up to three bytes.
    const LRESULT length = SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0);
    const SIZE_T size = 3 * static_cast<SIZE_T>(LOWORD(length)) + 1;
    RemoteMemory memory(statusBar, size);
    if (memory.Address() == nullptr)
        return "<no memory in the status bar's process>";
    SendMessageA(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(memory.Address()));
    std::string text(size, '\0');
    memory.Read(&text[0], size);
    return text.substr(0, text.find('\0'));
}

void DropFiles(HWND window, const std::vector<std::string>& paths) {
    // The shell's drops carry UTF-16 names; the test's paths are in its own
    // code page.
    std::wstring names;
    for (const std::string& path : paths) {
        const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
        names += wide; // ends in its NUL
    }
    names += L'\0';
    DROPFILES header = {};
    header.pFiles = sizeof(header);
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char*>(&header), sizeof(header));
    block.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
    RemoteMemory memory(window, block.size());
    ASSERT_TRUE(memory.Write(block.data(), block.size())) << "cannot write the drop";
    memory.HandOver();
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory.Address()), 0);
}

// The whole text: a window's log grows past any fixed buffer.
std::string WindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    return text.c_str();
}

} // namespace swtest
