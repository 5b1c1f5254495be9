#include "support/library_call_recorder.h"

#include <sstream>
#include <type_traits>

namespace swtest {
namespace {

std::string Flag(const SHORT* flag) {
    return flag == nullptr ? "null" : std::to_string(*flag);
}

std::string Length(LPCSTR text) {
    return std::to_string(std::string(text).size());
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

template <typename Function, typename... Arguments>
long LibraryCallRecorder::Answer(LibraryCall call, bool listed, long scripted,
                                 Function sw::PrintLibraryApi::*real, Arguments... arguments) {
    call.text = call.function + "(" + call.text + ")";
    calls_.push_back(call);
    long result = scripted;
    if (listed && !printResults.empty()) {
        result = printResults.front();
        printResults.erase(printResults.begin());
        if (!printErrors.empty()) {
            SetLastError(printErrors.front());
            printErrors.erase(printErrors.begin());
        }
    } else if (answers_ == Answers::Real) {
        if constexpr (std::is_void_v<decltype((Real().*real)(arguments...))>)
            (Real().*real)(arguments...);
        else
            result = (Real().*real)(arguments...);
    }
    if (afterCall)
        afterCall(call, result);
    return result;
}

void WINAPI LibraryCallRecorder::Orientation(const SHORT* flag, SHORT* previous, LPCSTR start,
                                             LPCSTR end) {
    Active()->Answer({"Orientation", "", "", Flag(flag) + "," + Length(start) + "," + Length(end)},
                     false, 0, &sw::PrintLibraryApi::orientation, flag, previous, start, end);
}

void WINAPI LibraryCallRecorder::SetAutoformfeed(const SHORT* flag) {
    Active()->Answer({"SetAutoformfeed", "", "", Flag(flag)}, false, 0,
                     &sw::PrintLibraryApi::setAutoformfeed, flag);
}

LONG WINAPI LibraryCallRecorder::PrintFile(LPCSTR printer, LPCSTR file) {
    return Active()->Answer({"PrintFile", printer, file, std::string(printer) + "," + file}, true,
                            0, &sw::PrintLibraryApi::printFile, printer, file);
}

LONG WINAPI LibraryCallRecorder::PrintBmp(LPCSTR printer, LPCSTR file, double left, double top,
                                          double width, double height) {
    std::ostringstream arguments;
    arguments << printer << "," << file << "," << left << "," << top << "," << width << ","
              << height;
    return Active()->Answer({"PrintBMP", printer, file, arguments.str()}, true, 0,
                            &sw::PrintLibraryApi::printBmp, printer, file, left, top, width,
                            height);
}

std::int32_t LibraryCallRecorder::PrintWithApplication(std::string_view printer,
                                                       std::string_view file) {
    const std::string arguments = std::string(printer) + "," + std::string(file);
    return static_cast<std::int32_t>(Active()->Answer(
        {"PrintWithApplication", std::string(printer), std::string(file), arguments}, false,
        Active()->applicationResult, &sw::PrintLibraryApi::printWithApplication, printer, file));
}

} // namespace swtest
