// Line printing: lines are collected in a scratch file in the TEMP folder and
// printed as one raw job by LPrintEnd.
#include "printengine/library_state.h"
#include "printengine/raw_job.h"
#include "printengine/swprint.h"

namespace {

// Writes all bytes at the end of what was written; failures are not reported,
// as line printing has no way to report them before LPrintEnd.
void Append(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Starts collecting: a scratch file left by an earlier process is replaced,
// never appended to.
void OpenScratchFile(sw::LibraryState& state) {
    DeleteFileA(state.scratchPath.c_str());
    state.scratchFile = CreateFileA(state.scratchPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void CloseScratchFile(sw::LibraryState& state) {
    if (state.scratchFile != INVALID_HANDLE_VALUE)
        CloseHandle(state.scratchFile);
    state.scratchFile = INVALID_HANDLE_VALUE;
}

} // namespace

extern "C" void WINAPI LPrint(LPCSTR text) {
    sw::LibraryState& state = sw::State();
    if (state.scratchFile == INVALID_HANDLE_VALUE)
        OpenScratchFile(state);
    if (state.scratchFile != INVALID_HANDLE_VALUE)
        Append(state.scratchFile, sw::TextArgument(text) + state.lineEndText);
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
    if (state.scratchFile == INVALID_HANDLE_VALUE)
        OpenScratchFile(state);
    if (state.scratchFile != INVALID_HANDLE_VALUE && !state.formFeedText.empty())
        Append(state.scratchFile, sw::FormFeedField(state.formFeedText));
    CloseScratchFile(state);

    const std::string path = sw::BoundedText(state.scratchPath.c_str(), sw::kFileNameLimit);
    const LONG result = PrintFile(printer.c_str(), path.c_str());
    if (GetFileAttributesA(state.scratchPath.c_str()) != INVALID_FILE_ATTRIBUTES)
        DeleteFileA(state.scratchPath.c_str());
    return result;
}
