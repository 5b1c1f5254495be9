// The captions of the program's and the library's message boxes, so that one
// program speaks with one name wherever it asks or warns.
#pragma once

namespace sw {

// The program's own messages: print failures, remote printers, long paths.
inline constexpr char kProgramCaption[] = "Spoolwright Farreach";
// The short name: the library's bitmap print and the web links.
inline constexpr char kShortCaption[] = "Spoolwright";
// The settings dialogs' warnings.
inline constexpr char kUtilityCaption[] = "Spoolwright utility";

} // namespace sw
