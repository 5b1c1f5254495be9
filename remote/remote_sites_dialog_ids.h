// Control ids of the "Remote sites" dialog, built at run time.
#pragma once

namespace sw {

inline constexpr int kRemoteSitesLabel = 101;
inline constexpr int kRemoteSitesCombo = 102;
inline constexpr int kRemoteSitesAdd = 103;
inline constexpr int kRemoteSitesDelete = 104;
// Names the entries of the file that are no site, so that nothing prints to them.
inline constexpr int kRemoteSitesUnusable = 105;
inline constexpr char kRemoteSitesCaption[] = "Remote sites";

} // namespace sw
