#include "common/word_pad_rules.h"

#include <algorithm>
#include <cctype>

namespace sw {
namespace {

bool ContainsIgnoringCase(std::string_view text, std::string_view upperCaseWord) {
    const auto found =
        std::search(text.begin(), text.end(), upperCaseWord.begin(), upperCaseWord.end(),
                    [](char fromText, char fromWord) {
                        return std::toupper(static_cast<unsigned char>(fromText)) == fromWord;
                    });
    return found != text.end();
}

} // namespace

std::string ScratchDocumentName(unsigned long processId, unsigned attempt) {
    return "swlookup-" + std::to_string(processId) + "-" + std::to_string(attempt) + ".wri";
}

bool IsWordPadProgram(std::string_view programPath) {
    return ContainsIgnoringCase(programPath, "WORDPAD");
}

std::string WordPadPrintCommand(std::string_view programPath, std::string_view document) {
    std::string command(programPath);
    command += ' ';
    command += document;
    command += " /p";
    return command;
}

bool TitleSaysFinished(std::string_view title) {
    return ContainsIgnoringCase(title, "FINISHED");
}

} // namespace sw
