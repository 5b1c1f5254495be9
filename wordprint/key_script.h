// Keystroke scripts: ordinary characters stand for themselves, "~" is Enter,
// "+", "^" and "%" hold Shift, Ctrl and Alt for the next key, and a name in
// braces ("{F4}", "{DEL}") is a special key; "{+}", "{^}" and "{%}" type the
// character itself. Portable: the script becomes a list of key actions that
// the Win32 player sends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr int kVirtualKeyEnter = 13;
inline constexpr int kVirtualKeyShift = 16;
inline constexpr int kVirtualKeyControl = 17;
inline constexpr int kVirtualKeyAlt = 18;

struct KeyAction {
    enum class Kind {
        Press, // a key by its virtual-key code
        Type,  // a character, through the keyboard layout
    };
    Kind kind = Kind::Press;
    int virtualKey = 0;
    char character = '\0';
    // Modifier keys held down around the key, in the order they were given;
    // each is released after it, in reverse order.
    std::vector<int> modifiers;

    bool operator==(const KeyAction& other) const {
        return kind == other.kind && virtualKey == other.virtualKey &&
               character == other.character && modifiers == other.modifiers;
    }
};

// The virtual-key code of a whole brace token such as "{F4}"; 0 when the
// token names no key (the three literal tokens "{+}", "{^}", "{%}" included).
int NamedKeyCodeOf(std::string_view token);

// The actions of a script, in order. A token that names no key produces
// nothing and drops the modifiers given before it; a "{" without a "}" after
// it is typed as the character "{". Modifiers left at the end of the script
// are pressed and released on their own.
std::vector<KeyAction> ParseKeyScript(std::string_view script);

} // namespace sw
