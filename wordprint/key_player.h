// Plays keystroke scripts as system keyboard events, for whatever window has
// the keyboard focus. Every key pressed is released again.
#pragma once

#include <cstdint>
#include <string_view>

namespace sw {

// Plays the script (see key_script.h).
void SendKeyScript(std::string_view script);

// The key of the brace token that starts at `position` (1-based index of the
// "{"), and moves `position` past its "}"; 0 when the token names no key.
// A literal token ("{+}") types its character. Without a "}" the position
// moves past the "{" alone.
std::int32_t NamedKeyCode(std::int32_t& position, std::string_view script);

// Types the first character of `text`, with Shift, Ctrl or Alt where the
// keyboard layout needs them for it.
void TypeKey(std::string_view text);

} // namespace sw
