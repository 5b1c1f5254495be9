// Names and places of the shortcuts CreateShortcut makes. Portable, so that
// the cleaning rules are unit-tested.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sw {

inline constexpr std::size_t kShortcutArgumentLimit = 259;

// The shortcut's file name without ".lnk": every "." becomes "_" and every
// space is removed ("Label 2.3" gives "Label2_3").
std::string CleanShortcutName(std::string_view name);

// Where the shell puts the shortcut that adding `target` to the recent
// documents makes: the Recent folder, the target's file name, ".lnk".
std::string RecentShortcutPath(std::string_view recentFolder, std::string_view target);

// The shortcut's path in its destination folder.
std::string DestinationShortcutPath(std::string_view folder, std::string_view name);

} // namespace sw
