#include "common/print_to_verb.h"

#include "common/handle_guard.h"
#include "common/program_process.h"
#include "common/word_pad_rules.h"

#include <shellapi.h>

namespace sw {
namespace {

constexpr std::int32_t kNotPrinted = -2;

} // namespace

std::int32_t PrintWithPrintToVerb(const std::string& printer, const std::string& document,
                                  unsigned long limitMs) {
    // The printer is the verb's parameter; quoted, since printer names hold spaces.
    const std::string parameters = Quoted(printer);
    SHELLEXECUTEINFOA request = {};
    request.cbSize = sizeof(request);
    // No message box of the shell's: a failure is the caller's to report. The
    // request is complete when the call returns.
    request.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.lpVerb = "printto";
    request.lpFile = document.c_str();
    request.lpParameters = parameters.c_str();
    request.nShow = SW_SHOWMINNOACTIVE;
    if (!ShellExecuteExA(&request))
        return kNotPrinted;
    if (request.hProcess == nullptr)
        return 0;
    const FileHandle process(request.hProcess);
    return WaitForProcessEnd(process.Get(), limitMs) ? 0 : kNotPrinted;
}

} // namespace sw
