// The context numbers at which the program opens its help file
// "Spoolwright.hlp", and the topics of the help's HTML edition that stand for
// them; the help source gives each number to the topic of that context name.
#pragma once

namespace sw {

inline constexpr unsigned kHelpContents = 1;
inline constexpr unsigned kHelpSetUp = 10;

// The context name of the topic with the number, or null for a number the
// program does not open.
inline const char* HelpContextName(unsigned context) {
    switch (context) {
    case kHelpContents:
        return "contents";
    case kHelpSetUp:
        return "setup";
    }
    return nullptr;
}

} // namespace sw
