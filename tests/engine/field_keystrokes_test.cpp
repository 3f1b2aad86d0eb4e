#include "engine/field_keystrokes.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmar::engine {
namespace {

// Types the characters one by one at the end of the text, as a user would, and
// keeps what the rules accept.
std::string typeInto(std::string text, std::u32string_view keys)
{
    for (char32_t key : keys) {
        const KeystrokeVerdict v = judgeNumberEditKey({text, text.size(), 0, key, true});
        if (v.accepted) {
            text = v.text;
            text += static_cast<char>(v.character);
        }
    }
    return text;
}

TEST(NumberEditKeys, TypingBuildsOnlyNumbers)
{
    EXPECT_EQ(typeInto("", U"1e-"), "1e-");
    EXPECT_EQ(typeInto("", U"1ee"), "1e");        // a second e is refused
    EXPECT_EQ(typeInto("", U"1eE"), "1e");
    EXPECT_EQ(typeInto("", U"1,2,3"), "1,23");    // a second comma is refused
    EXPECT_EQ(typeInto("", U"1.5"), "1,5");       // "." becomes the decimal separator
    EXPECT_EQ(typeInto("", U"1e5,"), "1e5");      // no comma in the exponent
    EXPECT_EQ(typeInto("", U"-1--"), "-1");       // a sign only at the start or after e
    EXPECT_EQ(typeInto("", U"1e--5"), "1e-5");
    EXPECT_EQ(typeInto("", U"12ab x%3"), "123");  // no other characters
}

TEST(NumberEditKeys, JudgesByCaretAndSelection)
{
    struct Case {
        const char* text;
        std::size_t caret, selection;
        char32_t key;
        bool accepted;
    } cases[] = {
        {"5", 0, 0, '-', true},       // sign at the very start
        {"-5", 0, 0, '+', false},     // the text already begins with a sign
        {"-5", 0, 1, '+', true},      // ... unless the sign is selected, so replaced
        {"12", 1, 0, '-', false},
        {"1e5", 2, 0, '-', true},     // directly after e
        {"1e5", 0, 0, ',', true},
        {"1e5", 3, 0, ',', false},    // caret after the e
        {"1,5", 3, 0, ',', false},
        {"1,5", 1, 1, ',', true},     // replaces the selected comma
        {"1e5", 1, 1, 'E', true},     // replaces the selected e
        {"1e5", 3, 0, 'E', false},
        {"12", 1, 0, keyEnter, false},
        {"12", 1, 0, keyBackspace, true},
        {"12", 1, 0, 0x16 /* paste */, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeNumberEditKey({c.text, c.caret, c.selection, c.key, true}).accepted, c.accepted)
            << c.text << " caret " << c.caret << " key " << static_cast<int>(c.key);
}

TEST(NumberEditKeys, LeadingBlanksGoBeforeJudging)
{
    const KeystrokeVerdict v = judgeNumberEditKey({" \t5", 3, 0, '-', true});
    EXPECT_FALSE(v.accepted); // the caret stands after the 5 once the blanks are gone
    const KeystrokeVerdict w = judgeNumberEditKey({"  5", 2, 0, '-', true});
    ASSERT_TRUE(w.accepted);  // ... and at the start here
    EXPECT_EQ(w.text, "5");
    EXPECT_EQ(w.caret, 0u);
    const KeystrokeVerdict x = judgeNumberEditKey({"  5", 3, 0, '7', true});
    EXPECT_EQ(x.text, "5");
    EXPECT_EQ(x.caret, 1u);
}

TEST(NumberEditKeys, DisabledFieldTakesOnlyControlKeys)
{
    for (char32_t key : {U'1', U'-', U',', U'e', char32_t(keyBackspace), char32_t(keyDelete)})
        EXPECT_FALSE(judgeNumberEditKey({"12", 1, 0, key, false}).accepted) << static_cast<int>(key);
    EXPECT_TRUE(judgeNumberEditKey({"12", 1, 0, 0x03 /* copy */, false}).accepted);
}

TEST(NumberEditKeys, OtherSeparators)
{
    const NumberSeparators english{'.', ','};
    EXPECT_EQ(judgeNumberEditKey({"1", 1, 0, '.', true}, english).character, U'.');
    EXPECT_FALSE(judgeNumberEditKey({"1", 1, 0, ',', true}, english).accepted);
}

TEST(IntegerSpinEditKeys, DigitsAndALeadingSign)
{
    struct Case {
        const char* text;
        std::size_t caret, selection;
        char32_t key;
        bool editable, accepted;
    } cases[] = {
        {"", 0, 0, '-', true, true},
        {"12", 0, 0, '-', true, true},
        {"12", 1, 0, '-', true, false},
        {"-12", 0, 0, '+', true, false},
        {"-12", 0, 2, '+', true, true},   // the selected sign is replaced
        {"-12", 0, 1, '+', true, true},
        {"-12", 1, 2, '+', true, false},
        {"12", 2, 0, '5', true, true},
        {"12", 2, 0, ',', true, false},
        {"12", 2, 0, 'e', true, false},
        {"12", 2, 0, keyEnter, true, false},
        {"12", 2, 0, keyBackspace, true, true},
        {"12", 2, 0, '5', false, false},
        {"12", 2, 0, keyBackspace, false, false},
        {"12", 2, 0, keyDelete, false, false},
        {"12", 2, 0, 0x03, false, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeIntegerSpinKey({c.text, c.caret, c.selection, c.key, c.editable}).accepted, c.accepted)
            << c.text << " caret " << c.caret << " sel " << c.selection << " key " << static_cast<int>(c.key);
    EXPECT_TRUE(integerSpinClipboardEditAllowed(true, false));
    EXPECT_FALSE(integerSpinClipboardEditAllowed(false, false));
    EXPECT_FALSE(integerSpinClipboardEditAllowed(true, true));
}

} // namespace
} // namespace quillmar::engine
