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

// The program path and the document, each in double quotes, with a space
// between, and " /p", which makes WordPad print the document on the default
// printer and exit. Unquoted, a path with spaces would name other files.
std::string WordPadPrintCommand(std::string_view programPath, std::string_view document);

// The App Paths key of WordPad, under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE;
// its default value names the program.
inline constexpr std::string_view kWordPadAppPathKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\WORDPAD.EXE";

// The program an App Paths value names: the value without the blanks at its
// ends and without the double quotes around it.
std::string ProgramOfAppPath(std::string_view value);

// The text in double quotes.
std::string Quoted(std::string_view text);

// True when a window title contains "FINISHED" in any letter case.
bool TitleSaysFinished(std::string_view title);

} // namespace sw
