// PrintFile and the two settings that shape every raw job.
#include "common/handle_guard.h"
#include "common/long_path.h"
#include "common/text_helpers.h"
#include "printengine/library_state.h"
#include "printengine/raw_job.h"
#include "printengine/spooler_api.h"
#include "printengine/swprint.h"

#include <string>

namespace {

struct ClosePrinterThroughSpooler {
    void operator()(HANDLE printer) const { sw::Spooler().closePrinter(printer); }
};

// A printer handle, closed through the spooler seam as it was opened.
using PrinterHandle = sw::HandleGuard<HANDLE, ClosePrinterThroughSpooler>;

// The error of a failed call, never 0, so that a failure is never reported as success.
LONG ErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return static_cast<LONG>(error != ERROR_SUCCESS ? error : fallback);
}

} // namespace

extern "C" LONG WINAPI PrintFile(LPCSTR printerName, LPCSTR fileName) {
    std::string printer = sw::BoundedText(printerName, sw::kPrinterNameLimit);
    // A path is taken whole: a cut one would name another file.
    const std::string file = sw::BoundedText(fileName, sw::kFileArgumentLimit + 1);
    if (file.size() > sw::kFileArgumentLimit)
        return ERROR_FILENAME_EXCED_RANGE;
    std::string documentName = sw::JobDocumentName(file);

    PrinterHandle handle;
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, 0};
    if (!sw::Spooler().openPrinter(&printer[0], handle.Receive(), &defaults))
        return ErrorOr(ERROR_INVALID_PRINTER_NAME);

    // Read-only, and shared, so that printing never locks others out of the
    // file and never creates a missing one.
    // Through the wide call, so that a path longer than 259 characters opens too.
    sw::FileHandle source(sw::OpenForReading(sw::TrimSpaces(file), FILE_FLAG_SEQUENTIAL_SCAN));
    LARGE_INTEGER size = {};
    if (!source.IsOpen() || !GetFileSizeEx(source.Get(), &size))
        return ErrorOr(ERROR_OPEN_FAILED);

    char dataType[] = "RAW";
    DOC_INFO_1A job = {&documentName[0], nullptr, dataType};
    if (sw::Spooler().startDocPrinter(handle.Get(), 1, reinterpret_cast<LPBYTE>(&job)) == 0)
        return ErrorOr(ERROR_OPEN_FAILED);

    LONG error = 0;
    auto read = [&](char* buffer, std::size_t length) {
        DWORD got = 0;
        if (!ReadFile(source.Get(), buffer, static_cast<DWORD>(length), &got, nullptr)) {
            error = ErrorOr(ERROR_READ_FAULT);
            return false;
        }
        if (got != length) { // the file shrank while it was printed
            error = ERROR_HANDLE_EOF;
            return false;
        }
        return true;
    };
    auto write = [&](const char* bytes, std::size_t length) {
        DWORD written = 0;
        if (!sw::Spooler().writePrinter(handle.Get(), const_cast<char*>(bytes),
                                        static_cast<DWORD>(length), &written)) {
            error = ErrorOr(ERROR_WRITE_FAULT);
            return false;
        }
        if (written != length) {
            error = ERROR_WRITE_FAULT;
            return false;
        }
        return true;
    };

    if (sw::StreamRawJob(sw::State().Additions(), static_cast<std::uint64_t>(size.QuadPart), read,
                         write) != sw::RawJobOutcome::Sent) {
        // Abort, so that no truncated job reaches the printer.
        sw::Spooler().abortPrinter(handle.Get());
        return error;
    }
    if (!sw::Spooler().endDocPrinter(handle.Get()))
        return ErrorOr(ERROR_WRITE_FAULT);
    return 0;
}

extern "C" void WINAPI Orientation(const SHORT* newFlag, SHORT* previousFlag, LPCSTR startSequence,
                                   LPCSTR endSequence) {
    sw::LibraryState& state = sw::State();
    if (previousFlag != nullptr)
        *previousFlag = state.orientationEnabled;
    state.orientationEnabled = newFlag != nullptr ? *newFlag : 0;
    // An empty text keeps the stored sequence: a sequence is replaced, never cleared.
    if (startSequence != nullptr && *startSequence != '\0')
        state.orientationStartSeq = startSequence;
    if (endSequence != nullptr && *endSequence != '\0')
        state.orientationEndSeq = endSequence;
}

extern "C" void WINAPI SetAutoformfeed(const SHORT* flag) {
    sw::State().autoFormFeed = (flag != nullptr && *flag != 0) ? -1 : 0;
}
