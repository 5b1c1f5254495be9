// Finds the WordPad program, looked up afresh on every call.
#pragma once

#include <string>

namespace sw {

// The WordPad program's path: the fixed location when a file is there, else
// the program the shell associates with ".wri" documents (which may be another
// word processor), else the program WordPad's App Paths key names (Windows
// keeps it there when ".wri" documents belong to no program); each only when
// its program file exists. Empty when none is found. The association is asked
// for a
// scratch document created anew in the TEMP folder and deleted afterwards, so
// no file of the user's is touched and no write access elsewhere is needed.
std::string FindWordPad();

} // namespace sw
