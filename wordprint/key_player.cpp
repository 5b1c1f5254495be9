#include "wordprint/key_player.h"

#include "wordprint/key_script.h"

#include <windows.h>

#include <vector>

namespace sw {
namespace {

void KeyDown(BYTE key, BYTE scan) {
    keybd_event(key, scan, 0, 0);
}

void KeyUp(BYTE key, BYTE scan) {
    keybd_event(key, scan, KEYEVENTF_KEYUP, 0);
}

BYTE ScanOf(int virtualKey) {
    return static_cast<BYTE>(MapVirtualKeyA(static_cast<UINT>(virtualKey), 0));
}

void PressModifiers(const std::vector<int>& modifiers) {
    for (int key : modifiers)
        KeyDown(static_cast<BYTE>(key), ScanOf(key));
}

void ReleaseModifiers(const std::vector<int>& modifiers) {
    for (auto key = modifiers.rbegin(); key != modifiers.rend(); ++key)
        KeyUp(static_cast<BYTE>(*key), ScanOf(*key));
}

// A character that no key of the layout makes is sent as the character itself.
void TypeUnicodeCharacter(char character) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &character, 1, &wide, 1) != 1)
        return;
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(wide);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// The character through the keyboard layout: the shift state VkKeyScanA
// gives is held around it, unless the script holds that modifier already.
void TypeCharacter(char character, const std::vector<int>& held) {
    const SHORT scan = VkKeyScanA(character);
    if (scan == -1) {
        TypeUnicodeCharacter(character);
        return;
    }
    const BYTE virtualKey = LOBYTE(scan);
    const BYTE shiftState = HIBYTE(scan);
    char oem[2] = {character, '\0'};
    char converted[2] = {};
    CharToOemA(oem, converted);
    const BYTE keyScan = static_cast<BYTE>(LOBYTE(OemKeyScan(static_cast<BYTE>(converted[0]))));

    std::vector<int> needed;
    const int layoutModifiers[] = {kVirtualKeyShift, kVirtualKeyControl, kVirtualKeyAlt};
    for (int bit = 0; bit < 3; ++bit) {
        const int key = layoutModifiers[bit];
        bool alreadyHeld = false;
        for (int heldKey : held)
            alreadyHeld = alreadyHeld || heldKey == key;
        if ((shiftState & (1 << bit)) != 0 && !alreadyHeld)
            needed.push_back(key);
    }
    PressModifiers(needed);
    KeyDown(virtualKey, keyScan);
    KeyUp(virtualKey, keyScan);
    ReleaseModifiers(needed);
}

void Play(const KeyAction& action) {
    PressModifiers(action.modifiers);
    if (action.kind == KeyAction::Kind::Type) {
        TypeCharacter(action.character, action.modifiers);
    } else {
        const BYTE key = static_cast<BYTE>(action.virtualKey);
        KeyDown(key, ScanOf(action.virtualKey));
        KeyUp(key, ScanOf(action.virtualKey));
    }
    ReleaseModifiers(action.modifiers);
}

} // namespace

void SendKeyScript(std::string_view script) {
    for (const KeyAction& action : ParseKeyScript(script))
        Play(action);
}

std::int32_t NamedKeyCode(std::int32_t& position, std::string_view script) {
    if (position < 1 || static_cast<std::size_t>(position) > script.size())
        return 0;
    const std::size_t open = static_cast<std::size_t>(position) - 1;
    const std::size_t close = script.find('}', open + 1);
    if (close == std::string_view::npos) {
        ++position;
        return 0;
    }
    const std::string_view token = script.substr(open, close - open + 1);
    position += static_cast<std::int32_t>(token.size());
    if (token.size() == 3 && (token[1] == '+' || token[1] == '^' || token[1] == '%')) {
        TypeKey(token.substr(1, 1));
        return 0;
    }
    return NamedKeyCodeOf(token);
}

void TypeKey(std::string_view text) {
    if (!text.empty())
        TypeCharacter(text[0], {});
}

} // namespace sw
