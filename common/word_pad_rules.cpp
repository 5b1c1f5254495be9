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

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string WordPadPrintCommand(std::string_view programPath, std::string_view document) {
    return Quoted(programPath) + " " + Quoted(document) + " /p";
}

std::string ProgramOfAppPath(std::string_view value) {
    const std::size_t first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::string();
    value = value.substr(first, value.find_last_not_of(" \t") - first + 1);
    if (value.size() >= 2 && value.front() == '"') {
        const std::size_t close = value.find('"', 1);
        if (close != std::string_view::npos)
            return std::string(value.substr(1, close - 1));
    }
    return std::string(value);
}

bool TitleSaysFinished(std::string_view title) {
    return ContainsIgnoringCase(title, "FINISHED");
}

} // namespace sw
