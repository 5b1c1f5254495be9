// Writes the help file "Spoolwright.hlp" in the WinHelp 3.1 format that the
// platform's help viewer shows. Portable: the build writes the file with a
// host tool.
#pragma once

#include "info/help_source.h"

#include <string>

namespace sw {

// The bytes of the help file: the internal files |SYSTEM, |FONT, |TOPIC
// (uncompressed), |CONTEXT and |CTXOMAP, and their directory. The first topic
// is the contents.
std::string BuildHelpFile(const HelpSource& source);

} // namespace sw
