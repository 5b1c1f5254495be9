// How WordPad is recognised and driven: where it is looked for first, the
// scratch document whose association finds it otherwise, the command line that
// makes it print, and the title word that says its work is done. Portable, so
// that the rules are unit-tested on the host; the lookup is in
// find_word_pad.cpp.
#pragma once

#include <string>
#include <string_view>

namespace sw {

inline constexpr std::string_view kFixedWordPadPath = "C:\\Program Files\\Accessories\\Wordpad.exe";

// The scratch ".wri" document asked for its associated program.
inline constexpr std::string_view kScratchDocumentContents = "ez\r\n";

// A name for the scratch document that no other process uses: the process id
// and a counter the caller raises when the name is taken.
std::string ScratchDocumentName(unsigned long processId, unsigned attempt);

// True when the program path contains "WORDPAD" in any letter case.
bool IsWordPadProgram(std::string_view programPath);

// The program path, a space, the document as given and " /p", which makes
// WordPad print the document on the default printer and exit.
std::string WordPadPrintCommand(std::string_view programPath, std::string_view document);

// True when a window title contains "FINISHED" in any letter case.
bool TitleSaysFinished(std::string_view title);

} // namespace sw
