#include "wordprint/key_script.h"

#include "wordprint/print_macro.h"

#include <gtest/gtest.h>

namespace {

using sw::KeyAction;
using Kind = KeyAction::Kind;

KeyAction Press(int key, std::vector<int> modifiers = {}) {
    return KeyAction{Kind::Press, key, '\0', modifiers};
}
KeyAction Type(char c, std::vector<int> modifiers = {}) {
    return KeyAction{Kind::Type, 0, c, modifiers};
}

TEST(KeyScript, NamedKeysAndFunctionKeys) {
    EXPECT_EQ(sw::NamedKeyCodeOf("{BACKSPACE}"), 8);
    EXPECT_EQ(sw::NamedKeyCodeOf("{BKSP}"), 8);
    EXPECT_EQ(sw::NamedKeyCodeOf("{DEL}"), 46);
    EXPECT_EQ(sw::NamedKeyCodeOf("{SCROLLLOCK}"), 145);
    EXPECT_EQ(sw::NamedKeyCodeOf("{F1}"), 112);
    EXPECT_EQ(sw::NamedKeyCodeOf("{F16}"), 127);
    for (const char* none : {"{F0}", "{F17}", "{F01}", "{f4}", "{del}", "{FOO}", "{TAB 3}", "{+}"})
        EXPECT_EQ(sw::NamedKeyCodeOf(none), 0) << none;
}

TEST(KeyScript, ModifierHoldsTheNextKeyOnly) {
    EXPECT_EQ(sw::ParseKeyScript("%{F4}"), (std::vector<KeyAction>{Press(115, {18})}));
    EXPECT_EQ(sw::ParseKeyScript("+ab"), (std::vector<KeyAction>{Type('a', {16}), Type('b')}));
    EXPECT_EQ(sw::ParseKeyScript("^+~"), (std::vector<KeyAction>{Press(13, {17, 16})}));
}

TEST(KeyScript, CharacterAfterATokenIsNotSkipped) {
    EXPECT_EQ(sw::ParseKeyScript("{DEL}x"), (std::vector<KeyAction>{Press(46), Type('x')}));
    EXPECT_EQ(sw::ParseKeyScript("AB~"), (std::vector<KeyAction>{Type('A'), Type('B'), Press(13)}));
}

TEST(KeyScript, LiteralTokensTypeTheirCharacter) {
    EXPECT_EQ(sw::ParseKeyScript("{+}{^}{%}"),
              (std::vector<KeyAction>{Type('+'), Type('^'), Type('%')}));
}

TEST(KeyScript, UnknownTokensPressNothingAndParenthesesAreCharacters) {
    EXPECT_EQ(sw::ParseKeyScript("{FOO}a{TAB 3}(b)"),
              (std::vector<KeyAction>{Type('a'), Type('('), Type('b'), Type(')')}));
    // The modifier before a token that names no key does not reach later keys.
    EXPECT_EQ(sw::ParseKeyScript("%{FOO}a"), (std::vector<KeyAction>{Type('a')}));
}

TEST(KeyScript, UnclosedBraceIsTypedAndTrailingModifiersAreReleased) {
    EXPECT_EQ(sw::ParseKeyScript("a{b"), (std::vector<KeyAction>{Type('a'), Type('{'), Type('b')}));
    EXPECT_EQ(sw::ParseKeyScript("x%"), (std::vector<KeyAction>{Type('x'), Press(18)}));
    EXPECT_TRUE(sw::ParseKeyScript("").empty());
}

TEST(PrintMacro, ThirteenScriptsOpenTypeAndClose) {
    const std::vector<std::string> scripts = sw::PrintMacroScripts();
    ASSERT_EQ(scripts.size(), 13u);
    EXPECT_EQ(scripts[0], "%{F11}");
    EXPECT_EQ(scripts[6], "    Application.PrintOut FileName:=\"\", Range:=wdPrintAllDocument, "
                          "Item:= _~");
    EXPECT_EQ(scripts[10], "End Sub~");
    EXPECT_EQ(scripts[12], "%{F4}");
}

} // namespace
