// The line format of the remote sites file "SWRemote.txt": entries joined by
// "|" on one line. Portable, so that reading, joining and the add and remove
// rules are unit-tested on the host; the file itself is handled in
// remote_sites_file.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr char kSiteSeparator = '|';
inline constexpr std::string_view kRemoteSitesFileName = "SWRemote.txt";

// `list` becomes the pieces of `text` between separators, in order; an empty
// text leaves `list` unchanged. "a||b" gives three pieces, the middle one empty.
void SplitList(std::string_view text, char separator, std::vector<std::string>& list);

// The entries joined by "|": a separator is written only after a non-empty
// prefix, so empty entries at the front disappear. No line end.
std::string JoinSites(const std::vector<std::string>& sites);

// The whole file as written: the joined entries followed by CR LF.
std::string SitesFileText(const std::vector<std::string>& sites);

// The list a file's text holds: the entries of every line (lines end in
// CR LF, LF or CR) and of every "|"-separated part of a line, in order, each
// without the blanks at its ends. Empty entries are left out, and so is one
// that repeats an earlier entry in any letter case, as the dialog keeps them
// out. A hand-written file with one site per line gives every site.
std::vector<std::string> SitesFromFileText(std::string_view text);

// The list with the trimmed site appended.
std::vector<std::string> WithSiteAdded(std::vector<std::string> sites, std::string_view site);

// The list without every entry that equals the trimmed site byte for byte.
std::vector<std::string> WithSiteRemoved(const std::vector<std::string>& sites,
                                         std::string_view site);

} // namespace sw
