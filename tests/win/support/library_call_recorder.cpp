#include "support/library_call_recorder.h"

#include <sstream>

namespace swtest {
namespace {

std::string Flag(const SHORT* flag) {
    return flag == nullptr ? "null" : std::to_string(*flag);
}

} // namespace

LibraryCallRecorder::LibraryCallRecorder(Answers answers)
    : ScopedSeam(sw::PrintLibrary()), answers_(answers) {
    sw::PrintLibrary() = {Orientation, SetAutoformfeed, PrintFile, PrintBmp, PrintWithApplication};
}

std::vector<std::string> LibraryCallRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const LibraryCall& call : calls_)
        texts.push_back(call.text);
    return texts;
}

std::vector<LibraryCall> LibraryCallRecorder::Calls(std::string_view function) const {
    std::vector<LibraryCall> matching;
    for (const LibraryCall& call : calls_)
        if (call.function == function)
            matching.push_back(call);
    return matching;
}

LibraryCall LibraryCallRecorder::Record(std::string function, std::string printer, std::string file,
                                        const std::string& arguments) {
    std::string text = function + "(" + arguments + ")";
    calls_.push_back({std::move(function), std::move(printer), std::move(file), std::move(text)});
    return calls_.back();
}

bool LibraryCallRecorder::NextListedResult(LONG& result) {
    if (printResults.empty())
        return false;
    result = printResults.front();
    printResults.erase(printResults.begin());
    if (!printErrors.empty()) {
        SetLastError(printErrors.front());
        printErrors.erase(printErrors.begin());
    }
    return true;
}

long LibraryCallRecorder::Finish(const LibraryCall& call, long result) {
    if (afterCall)
        afterCall(call, result);
    return result;
}

void WINAPI LibraryCallRecorder::Orientation(const SHORT* flag, SHORT* previous, LPCSTR start,
                                             LPCSTR end) {
    LibraryCallRecorder* self = Active();
    const LibraryCall call =
        self->Record("Orientation", "", "",
                     Flag(flag) + "," + std::to_string(std::string(start).size()) + "," +
                         std::to_string(std::string(end).size()));
    if (self->answers_ == Answers::Real)
        self->Real().orientation(flag, previous, start, end);
    self->Finish(call, 0);
}

void WINAPI LibraryCallRecorder::SetAutoformfeed(const SHORT* flag) {
    LibraryCallRecorder* self = Active();
    const LibraryCall call = self->Record("SetAutoformfeed", "", "", Flag(flag));
    if (self->answers_ == Answers::Real)
        self->Real().setAutoformfeed(flag);
    self->Finish(call, 0);
}

LONG WINAPI LibraryCallRecorder::PrintFile(LPCSTR printer, LPCSTR file) {
    LibraryCallRecorder* self = Active();
    const LibraryCall call =
        self->Record("PrintFile", printer, file, std::string(printer) + "," + file);
    LONG result = 0;
    if (!self->NextListedResult(result) && self->answers_ == Answers::Real)
        result = self->Real().printFile(printer, file);
    return self->Finish(call, result);
}

LONG WINAPI LibraryCallRecorder::PrintBmp(LPCSTR printer, LPCSTR file, double left, double top,
                                          double width, double height) {
    LibraryCallRecorder* self = Active();
    std::ostringstream arguments;
    arguments << printer << "," << file << "," << left << "," << top << "," << width << ","
              << height;
    const LibraryCall call = self->Record("PrintBMP", printer, file, arguments.str());
    LONG result = 0;
    if (!self->NextListedResult(result) && self->answers_ == Answers::Real)
        result = self->Real().printBmp(printer, file, left, top, width, height);
    return self->Finish(call, result);
}

std::int32_t LibraryCallRecorder::PrintWithApplication(std::string_view printer,
                                                       std::string_view file) {
    LibraryCallRecorder* self = Active();
    const LibraryCall call =
        self->Record("PrintWithApplication", std::string(printer), std::string(file),
                     std::string(printer) + "," + std::string(file));
    const std::int32_t result = self->answers_ == Answers::Real
                                    ? self->Real().printWithApplication(printer, file)
                                    : self->applicationResult;
    return static_cast<std::int32_t>(self->Finish(call, result));
}

} // namespace swtest
