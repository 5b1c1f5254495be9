#include "unattended/recycle_bin.h"

#include "common/long_path.h"
#include "unattended/state_files.h"
#include "unattended/step_times.h"

#include <objbase.h>
#include <shellapi.h>

namespace sw {
namespace {

// The full path: the shell deletes a file for good instead when its path is
// relative. Empty, with the system's code as the last error, when there is none.
std::string FullPath(const std::string& path) {
    std::vector<char> full(MAX_PATH + 1);
    DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length =
            GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) {
        if (GetLastError() == 0)
            SetLastError(ERROR_INVALID_NAME);
        return std::string();
    }
    return std::string(full.data(), length);
}

// The shell's own code for the whole list; which files it took is told by
// looking for them after.
int ShellRecycle(const std::string& source) {
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = source.c_str();
    // FOF_NOERRORUI as well: an error dialog would stop the timer until answered.
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
    const int result = SHFileOperationA(&operation);
    return result == 0 && operation.fAnyOperationsAborted ? ERROR_CANCELLED : result;
}

// Moves the file alone: 0 when it left its folder, otherwise the shell's
// or the system's code.
std::int32_t SendToRecycleBin(const std::string& path) {
    const std::string full = FullPath(path);
    if (full.empty())
        return static_cast<std::int32_t>(GetLastError());
    // The source is a list of paths, each ended by NUL, closed by one more NUL.
    std::string source = full;
    source.push_back('\0');
    const int result = ShellRecycle(source);
    if (result != 0)
        return result;
    // The shell may report success for a file it could not take.
    return PathAttributes(full.c_str()) == INVALID_FILE_ATTRIBUTES ? 0 : ERROR_ACCESS_DENIED;
}

// Moves the files in one call of the shell; which of them left their
// folder is for the caller to look.
void SendAllToRecycleBin(const std::vector<std::string>& paths) {
    std::string source;
    for (const std::string& path : paths) {
        const std::string full = FullPath(path);
        if (full.empty())
            continue;
        source += full;
        source.push_back('\0');
    }
    if (!source.empty())
        ShellRecycle(source);
}

// The files moved together, then each one the shell left tried alone.
std::vector<std::int32_t> MoveAllToRecycleBin(const std::vector<std::string>& paths) {
    SendAllToRecycleBin(paths);
    std::vector<std::int32_t> codes(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (!IsFileGone(paths[i]))
            codes[i] = SendToRecycleBin(paths[i]);
    }
    return codes;
}

} // namespace

void RecycleBinBatch::Start(std::vector<std::string> paths) {
    Finish();
    paths_ = std::move(paths);
    codes_.clear();
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (thread_ == nullptr)
        codes_ = MoveAllToRecycleBin(paths_);
}

std::vector<std::int32_t> RecycleBinBatch::Finish() {
    if (thread_ != nullptr) {
        while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) ==
               WAIT_OBJECT_0 + 1) {
            // Looking at the queue answers what was sent; nothing posted is taken.
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    paths_.clear();
    std::vector<std::int32_t> codes;
    codes.swap(codes_);
    return codes;
}

DWORD WINAPI RecycleBinBatch::Run(LPVOID self) {
    auto* batch = static_cast<RecycleBinBatch*>(self);
    // The shell may use objects of its own, which want an apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        const StepTimer timer(ScanStep::ShellMove);
        batch->codes_ = MoveAllToRecycleBin(batch->paths_);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}

} // namespace sw
