// Printing a document through the word processor the system associates with
// word-processor files: WordPad prints it from its command line; another word
// processor gets a print macro typed into it once and then runs it.
#pragma once

#include <cstdint>
#include <string_view>

namespace sw {

// Prints `file` on `printer` through the word processor. Returns 0 when the
// work was handed over, -2 when no word processor was found or it failed.
std::int32_t PrintWithApplication(std::string_view printer, std::string_view file);

} // namespace sw
