#include <gtest/gtest.h>

#include "core/forms/code_page.h"

using namespace forms;

TEST(CodePage, Windows1252MapsEveryByteAndBack) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(char(byte));
    const std::u16string wide = Windows1252().ToWide(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(wide[0x41], u'A');
    EXPECT_EQ(wide[0x80], u'\u20AC');
    EXPECT_EQ(wide[0x9F], u'\u0178');
    EXPECT_EQ(wide[0x81], u'\u0081');  // unassigned: kept as the control character
    EXPECT_EQ(wide[0xE9], u'\u00E9');
    EXPECT_EQ(Windows1252().ToNarrow(wide), all);

    EXPECT_EQ(
        Windows1252().ToNarrow(u"\u20AC5"),
        "\x80"
        "5"
    );
    EXPECT_EQ(Windows1252().ToNarrow(u"\u041F"), std::nullopt);
    EXPECT_EQ(Windows1252().ToNarrow(u"\u0080"), std::nullopt);  // its byte is the euro sign
}

TEST(CodePage, Utf8ConversionsHandleSurrogatesAndMalformedInput) {
    EXPECT_EQ(Utf16ToUtf8(u"A\u00E9\u20AC\U0001F600"), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"A\u00E9\u20AC\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");                             // cut sequence
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");                   // overlong
    EXPECT_EQ(
        Utf8ToUtf16("\xED\xA0\x80"
                    "a"),
        u"\uFFFD"
        "a"
    );  // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF5\x80\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
}

TEST(CodePage, WideTextOfEveryTextValue) {
    Value value;
    value.type = ValueType::String;
    value.text = "caf\xE9";
    EXPECT_EQ(WideTextOf(value), u"caf\u00E9");
    value.type = ValueType::Ident;
    value.text = "alClient";
    EXPECT_EQ(WideTextOf(value), u"alClient");
    value.type = ValueType::Utf8String;
    value.text = "\xD0\x9F";
    EXPECT_EQ(WideTextOf(value), u"\u041F");
    value.type = ValueType::WideString;
    value.wide = u"\u041F!";
    EXPECT_EQ(WideTextOf(value), u"\u041F!");
    value.type = ValueType::Integer;
    EXPECT_EQ(WideTextOf(value), u"");
}
