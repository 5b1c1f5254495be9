// Control ids of the "Remote sites" dialog, built at run time.
#pragma once

namespace sw {

inline constexpr int kRemoteSitesLabel = 101;
inline constexpr int kRemoteSitesCombo = 102;
inline constexpr int kRemoteSitesAdd = 103;
inline constexpr int kRemoteSitesDelete = 104;
inline constexpr char kRemoteSitesCaption[] = "Remote sites";

} // namespace sw
