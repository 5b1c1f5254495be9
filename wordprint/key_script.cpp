#include "wordprint/key_script.h"

#include <array>

namespace sw {
namespace {

struct NamedKey {
    std::string_view token;
    int code;
};

constexpr std::array<NamedKey, 24> kNamedKeys = {{
    {"{BACKSPACE}", 8}, {"{BS}", 8},           {"{BKSP}", 8},  {"{BREAK}", 19},  {"{CAPSLOCK}", 20},
    {"{DELETE}", 46},   {"{DEL}", 46},         {"{DOWN}", 40}, {"{END}", 35},    {"{ENTER}", 13},
    {"{ESC}", 27},      {"{HELP}", 47},        {"{HOME}", 36}, {"{INSERT}", 45}, {"{INS}", 45},
    {"{LEFT}", 37},     {"{NUMLOCK}", 144},    {"{PGDN}", 34}, {"{PGUP}", 33},   {"{PRTSC}", 42},
    {"{RIGHT}", 39},    {"{SCROLLLOCK}", 145}, {"{TAB}", 9},   {"{UP}", 38},
}};

int ModifierOf(char c) {
    switch (c) {
    case '+':
        return kVirtualKeyShift;
    case '^':
        return kVirtualKeyControl;
    case '%':
        return kVirtualKeyAlt;
    }
    return 0;
}

// "{F1}" to "{F16}": 112 to 127.
int FunctionKeyCode(std::string_view token) {
    if (token.size() < 4 || token.size() > 5 || token[1] != 'F')
        return 0;
    int number = 0;
    for (std::size_t i = 2; i + 1 < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9')
            return 0;
        number = number * 10 + (token[i] - '0');
    }
    if (token[2] == '0' || number < 1 || number > 16)
        return 0;
    return 111 + number;
}

} // namespace

int NamedKeyCodeOf(std::string_view token) {
    for (const NamedKey& key : kNamedKeys)
        if (key.token == token)
            return key.code;
    return FunctionKeyCode(token);
}

std::vector<KeyAction> ParseKeyScript(std::string_view script) {
    std::vector<KeyAction> actions;
    std::vector<int> held;
    auto add = [&](KeyAction::Kind kind, int key, char character) {
        actions.push_back(KeyAction{kind, key, character, held});
        held.clear();
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (const int modifier = ModifierOf(c)) {
            held.push_back(modifier);
        } else if (c == '~') {
            add(KeyAction::Kind::Press, kVirtualKeyEnter, '\0');
        } else if (c != '{') {
            add(KeyAction::Kind::Type, 0, c);
        } else {
            const std::size_t close = script.find('}', i + 1);
            if (close == std::string_view::npos) {
                add(KeyAction::Kind::Type, 0, '{');
                continue;
            }
            const std::string_view token = script.substr(i, close - i + 1);
            i = close;
            if (token.size() == 3 && ModifierOf(token[1]) != 0)
                add(KeyAction::Kind::Type, 0, token[1]);
            else if (const int code = NamedKeyCodeOf(token))
                add(KeyAction::Kind::Press, code, '\0');
            else
                held.clear();
        }
    }
    for (int modifier : held)
        actions.push_back(KeyAction{KeyAction::Kind::Press, modifier, '\0', {}});
    return actions;
}

} // namespace sw
