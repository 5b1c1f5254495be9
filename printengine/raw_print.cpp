// PrintFile and the two settings that shape every raw job.
#include "common/handle_guard.h"
#include "common/long_path.h"
#include "common/system_error.h"
#include "common/text_helpers.h"
#include "printengine/export_arguments.h"
#include "printengine/library_state.h"
#include "printengine/printer_driver.h"
#include "printengine/raw_job.h"
#include "printengine/spooler_api.h"
#include "printengine/swprint.h"

#include <cstdint>
#include <string>

namespace {

// A file that is a device (NUL, CON, a serial port) or a pipe has no length
// to stream and may never end: it is refused by name.
constexpr DWORD kNotADiskFile = ERROR_INVALID_NAME;

// Opens the file to print read-only and shared, so that printing never locks
// others out of it and never creates a missing one; through the wide call, so
// that a path longer than 259 characters opens too.
sw::FileHandle OpenFileToPrint(const std::string& file) {
    return sw::FileHandle(sw::OpenForReading(sw::TrimSpaces(file), FILE_FLAG_SEQUENTIAL_SCAN));
}

// Streams the file as the document's bytes: 0 when the spooler took every
// byte, else the first error. A job that fails half way is aborted, so that
// no truncated job is printed.
LONG StreamDocument(HANDLE printer, HANDLE source, std::uint64_t size) {
    LONG error = 0;
    auto read = [&](char* buffer, std::size_t length) {
        DWORD got = 0;
        if (!ReadFile(source, buffer, static_cast<DWORD>(length), &got, nullptr)) {
            error = sw::LastErrorOr(ERROR_READ_FAULT);
            return false;
        }
        if (got != length) { // the file shrank while it was printed
            error = ERROR_HANDLE_EOF;
            return false;
        }
        return true;
    };
    auto spoolerWrite = [&](const char* bytes, std::size_t length, std::size_t& written) {
        DWORD taken = 0;
        if (!sw::Spooler().writePrinter(printer, const_cast<char*>(bytes),
                                        static_cast<DWORD>(length), &taken)) {
            error = sw::LastErrorOr(ERROR_WRITE_FAULT);
            return false;
        }
        written = taken;
        return true;
    };
    auto write = [&](const char* bytes, std::size_t length) {
        if (sw::WriteAll(bytes, length, spoolerWrite))
            return true;
        if (error == 0) // the spooler took nothing more and said nothing
            error = ERROR_WRITE_FAULT;
        return false;
    };

    if (sw::StreamRawJob(sw::State().Additions(), size, read, write) != sw::RawJobOutcome::Sent) {
        sw::Spooler().abortPrinter(printer);
        return error;
    }
    sw::ClearLastError();
    if (!sw::Spooler().endDocPrinter(printer))
        return sw::LastErrorOr(ERROR_WRITE_FAULT);
    return 0;
}

// The data type of a raw job on the open printer, from the answers its
// driver gave in the last moments or else from the driver. An unreadable
// driver is asked again at the next job.
std::string RawJobDataType(const std::string& printerName, HANDLE printer) {
    sw::DataTypeMemory& memory = sw::State().dataTypes;
    const std::uint32_t now = GetTickCount();
    if (const char* known = memory.Recall(printerName, now))
        return known;
    const char* read = sw::DriverDataType(printer);
    if (read == nullptr)
        return "RAW";
    memory.Remember(printerName, read, now);
    return read;
}

// The job on an open printer: 0 when the spooler took the whole file with
// its additions, else the first error. No document is started for a file
// that cannot be read.
LONG PrintOnOpenPrinter(const std::string& printerName, HANDLE printer, const std::string& file) {
    const sw::FileHandle source = OpenFileToPrint(file);
    if (!source.IsOpen())
        return sw::LastErrorOr(ERROR_OPEN_FAILED);
    if (GetFileType(source.Get()) != FILE_TYPE_DISK)
        return kNotADiskFile;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(source.Get(), &size))
        return sw::LastErrorOr(ERROR_READ_FAULT);

    std::string documentName = sw::JobDocumentName(file);
    std::string dataType = RawJobDataType(printerName, printer);
    DOC_INFO_1A job = {&documentName[0], nullptr, &dataType[0]};
    sw::ClearLastError();
    if (sw::Spooler().startDocPrinter(printer, 1, reinterpret_cast<LPBYTE>(&job)) == 0)
        return sw::LastErrorOr(ERROR_OPEN_FAILED);
    return StreamDocument(printer, source.Get(), static_cast<std::uint64_t>(size.QuadPart));
}

} // namespace

extern "C" LONG WINAPI PrintFile(LPCSTR printerName, LPCSTR fileName) {
    std::string printer = sw::BoundedText(printerName, sw::kPrinterNameLimit);
    // A path is taken whole: a cut one would name another file.
    const std::string file = sw::BoundedText(fileName, sw::kFileArgumentLimit + 1);
    if (file.size() > sw::kFileArgumentLimit)
        return ERROR_FILENAME_EXCED_RANGE;

    HANDLE handle = nullptr;
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, 0};
    if (!sw::Spooler().openPrinter(&printer[0], &handle, &defaults))
        return sw::LastErrorOr(ERROR_INVALID_PRINTER_NAME);
    LONG result = PrintOnOpenPrinter(printer, handle, file);
    // The spooler may hand the job on only when the printer is closed: a
    // close that fails is a job that may not have been taken.
    sw::ClearLastError();
    if (!sw::Spooler().closePrinter(handle) && result == 0)
        result = sw::LastErrorOr(ERROR_WRITE_FAULT);
    // A job that failed may have failed for the data type of a driver since
    // changed; the next one asks the driver again.
    if (result != 0)
        sw::State().dataTypes.Forget(printer);
    return result;
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
