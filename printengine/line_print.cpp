// Line printing: lines are collected in a scratch file in the TEMP folder and
// printed as one raw job by LPrintEnd. A line that could not be collected is
// reported by LPrintEnd, which then prints nothing rather than the lines that
// happen to be there.
#include "common/system_error.h"
#include "printengine/library_state.h"
#include "printengine/export_arguments.h"
#include "printengine/raw_job.h"
#include "printengine/swprint.h"

namespace {

// Remembers the first failure of the lines being collected.
void Remember(sw::LibraryState& state, DWORD fallback) {
    if (state.lineError == 0)
        state.lineError = sw::LastErrorOr(fallback);
}

// Writes all bytes at the end of what was written.
void Append(sw::LibraryState& state, const std::string& bytes) {
    if (bytes.empty())
        return;
    DWORD written = 0;
    if (!WriteFile(state.scratchFile, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr) ||
        written != bytes.size())
        Remember(state, ERROR_WRITE_FAULT);
}

// Starts collecting: a scratch file left by an earlier process is replaced,
// never appended to.
void OpenScratchFile(sw::LibraryState& state) {
    DeleteFileA(state.scratchPath.c_str());
    state.scratchFile = CreateFileA(state.scratchPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (state.scratchFile == INVALID_HANDLE_VALUE)
        Remember(state, ERROR_OPEN_FAILED);
}

void CloseScratchFile(sw::LibraryState& state) {
    if (state.scratchFile != INVALID_HANDLE_VALUE)
        CloseHandle(state.scratchFile);
    state.scratchFile = INVALID_HANDLE_VALUE;
}

void DeleteScratchFile(const sw::LibraryState& state) {
    if (GetFileAttributesA(state.scratchPath.c_str()) != INVALID_FILE_ATTRIBUTES)
        DeleteFileA(state.scratchPath.c_str());
}

} // namespace

extern "C" void WINAPI LPrint(LPCSTR text) {
    sw::LibraryState& state = sw::State();
    // After a failure the job is lost already: collecting more would only
    // replace the scratch file and hide the lines that went missing.
    if (state.lineError != 0)
        return;
    if (state.scratchFile == INVALID_HANDLE_VALUE)
        OpenScratchFile(state);
    if (state.scratchFile != INVALID_HANDLE_VALUE)
        Append(state, sw::TextArgument(text) + state.lineEndText);
}

extern "C" void WINAPI Linefeed(LPCSTR lineEndText) {
    sw::State().lineEndText = sw::BoundedText(lineEndText, sw::kLineTextLimit);
}

extern "C" void WINAPI Frmfeed(LPCSTR formFeedText) {
    sw::State().formFeedText = sw::BoundedText(formFeedText, sw::kLineTextLimit);
}

extern "C" LONG WINAPI LPrintEnd(LPCSTR printerName) {
    sw::LibraryState& state = sw::State();
    const std::string printer = sw::BoundedText(printerName, sw::kLinePrinterNameLimit);
    // Without a preceding LPrint the job is still printed, from an empty file.
    if (state.scratchFile == INVALID_HANDLE_VALUE && state.lineError == 0)
        OpenScratchFile(state);
    if (state.scratchFile != INVALID_HANDLE_VALUE && !state.formFeedText.empty())
        Append(state, sw::FormFeedField(state.formFeedText));
    CloseScratchFile(state);

    LONG result = state.lineError;
    state.lineError = 0;
    if (result == 0) {
        const std::string path = sw::BoundedText(state.scratchPath.c_str(), sw::kFileNameLimit);
        result = PrintFile(printer.c_str(), path.c_str());
    }
    DeleteScratchFile(state);
    return result;
}
