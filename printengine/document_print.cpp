// PrintDoc: a document printed by WordPad on a named printer. WordPad prints
// a document given with " /p" on the default printer, so the printer is made
// the default while WordPad runs and the previous default is restored after.
// Without WordPad, the document's own application prints it through its
// "printto" verb.
#include "common/find_word_pad.h"
#include "common/print_to_verb.h"
#include "common/word_pad_rules.h"
#include "printengine/export_arguments.h"
#include "printengine/run_and_wait.h"
#include "printengine/swprint.h"

#include <string>

namespace {

constexpr LONG kNoWordPad = -2;

std::string CurrentDefaultPrinter() {
    const BSTR name = DefaultPrinter();
    if (name == nullptr)
        return std::string();
    const std::string text(reinterpret_cast<const char*>(name), SysStringByteLen(name));
    SysFreeString(name);
    return text;
}

// How long the document's own application may take to print it.
constexpr unsigned long kPrintToLimitMs = 120000;

LONG PrintWithWordPad(const std::string& printer, const std::string& file) {
    const std::string program = sw::FindWordPad();
    // Without WordPad the document's associated application prints it,
    // told the printer by name.
    if (program.empty())
        return sw::PrintWithPrintToVerb(printer, file, kPrintToLimitMs) == 0 ? 0 : kNoWordPad;
    // Another word processor cannot be told to print from its command line.
    if (!sw::IsWordPadProgram(program))
        return 0;
    SetDefaultPrinter(printer.c_str());
    sw::RunAndWait(sw::WordPadPrintCommand(program, file), SW_SHOWMINNOACTIVE, program);
    return 0;
}

} // namespace

extern "C" LONG WINAPI PrintDoc(LPCSTR printerName, LPCSTR fileName) {
    // Both names are kept whole: a shortened name would match no printer, and
    // the default would then not be switched or not be restored.
    std::string previous;
    LONG result = 0;
    try {
        previous = CurrentDefaultPrinter();
        result = PrintWithWordPad(sw::TextArgument(printerName), sw::TextArgument(fileName));
    } catch (...) {
        // Nothing may cross into the caller; the default is restored below.
        result = 0;
    }
    SetDefaultPrinter(previous.c_str());
    return result;
}
