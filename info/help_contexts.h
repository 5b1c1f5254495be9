// The context numbers at which the program opens its help file
// "Spoolwright.hlp"; the help source gives each of them to one topic.
#pragma once

namespace sw {

inline constexpr unsigned kHelpContents = 1;
inline constexpr unsigned kHelpSetUp = 10;

} // namespace sw
