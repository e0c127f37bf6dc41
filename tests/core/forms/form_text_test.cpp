#include <gtest/gtest.h>

#include <cstring>

#include "tests/core/forms/form_test_support.h"
#include "tests/core/forms/windows_1251.h"

using namespace forms;
using formtest::Crlf;
using formtest::FormWith;
using formtest::ValueLine;

namespace {

Value StringValue(std::string text) {
    Value value;
    value.type = ValueType::String;
    value.text = std::move(text);
    return value;
}

std::string WrittenValue(Value value) { return ValueLine(WriteFormText(FormWith(std::move(value)))); }

const Value& ParsedValue(const Object& form) { return form.properties.at(0).value; }

Object ParseValueText(const std::string& valueText) {
    return ParseFormText("object Form1: TForm1\r\n  Value = " + valueText + "\r\nend\r\n");
}

std::string ErrorOf(const std::string& text) {
    try {
        ParseFormText(text);
    } catch (const FormError& error) {
        return error.what();
    }
    return "(parsed)";
}

}  // namespace

TEST(FormText, ObjectHeadersCarryFlagsNamesAndPositions) {
    const std::string text = Crlf({
        "inherited MainWnd: TMainWnd",
        "  object Panel1: TPanel [2]",
        "    inline Frame1: TFrame1",
        "    end",
        "  end",
        "  object TTimer",
        "  end",
        "end",
    });
    const Object form = ParseFormText(text);
    EXPECT_EQ(form.flags, kInherited);
    EXPECT_EQ(form.name, "MainWnd");
    EXPECT_EQ(form.className, "TMainWnd");
    ASSERT_EQ(form.children.size(), 2u);
    EXPECT_EQ(form.children[0].flags, kChildPos);
    EXPECT_EQ(form.children[0].position, 2);
    EXPECT_EQ(form.children[0].children.at(0).flags, kInline);
    EXPECT_EQ(form.children[0].children.at(0).name, "Frame1");
    EXPECT_EQ(form.children[1].name, "");
    EXPECT_EQ(form.children[1].className, "TTimer");
    EXPECT_EQ(WriteFormText(form), text);
}

TEST(FormText, StringsUseCodesForControlCharactersAndApostrophes) {
    EXPECT_EQ(WrittenValue(StringValue("")), "  Value = ''");
    EXPECT_EQ(WrittenValue(StringValue("It's\r\nok")), "  Value = 'It'#39's'#13#10'ok'");
    EXPECT_EQ(WrittenValue(StringValue("\t")), "  Value = #9");
    EXPECT_EQ(
        WrittenValue(StringValue("Gr\xF6\xDF"
                                 "e")),
        "  Value = 'Gr\xF6\xDF"
        "e'"
    );

    // Doubled apostrophes, hexadecimal codes and "+" joins are read as well.
    EXPECT_EQ(ParsedValue(ParseValueText("'It''s' + #$41#66")).text, "It'sAB");
    EXPECT_EQ(ParsedValue(ParseValueText("'It'#39's'#13#10'ok'")).text, "It's\r\nok");
}

TEST(FormText, StringsLongerThan64CharactersContinueOnFollowingLines) {
    const std::string sixtyFour(64, 'a');
    EXPECT_EQ(WrittenValue(StringValue(sixtyFour)), "  Value = '" + sixtyFour + "'");

    const std::string text = Crlf({
        "object Form1: TForm1",
        "  Value = ",
        "    '" + sixtyFour + "' +",
        "    '" + std::string(64, 'b') + "' +",
        "    #13'c'",
        "end",
    });
    const Object form = ParseFormText(text);
    EXPECT_EQ(ParsedValue(form).text, sixtyFour + std::string(64, 'b') + "\rc");
    EXPECT_EQ(WriteFormText(form), text);
}

TEST(FormText, WideStringsWriteCodesAbove255) {
    Value wide;
    wide.type = ValueType::WideString;
    wide.wide = u"\u041F\u0440 \u00E9\u20AC'";
    EXPECT_EQ(WrittenValue(wide), "  Value = #1055#1088' \xE9'#8364#39");

    const Value parsed = ParsedValue(ParseValueText("#1055#1088' \xE9'#8364#39"));
    EXPECT_EQ(parsed.type, ValueType::WideString);
    EXPECT_EQ(parsed.wide, wide.wide);

    // UTF-8 values read back as the 8-bit strings they came from when the code page holds them.
    Value utf8;
    utf8.type = ValueType::Utf8String;
    utf8.text =
        "Gr\xC3\xB6\xC3\x9F"
        "e \xE2\x82\xAC";
    EXPECT_EQ(
        WrittenValue(utf8),
        "  Value = 'Gr\xF6\xDF"
        "e \x80'"
    );
    utf8.text = "\xD0\x9F \xE2\x82\xAC";
    EXPECT_EQ(WrittenValue(utf8), "  Value = #1055' '#8364");
}

TEST(FormText, NumbersKeepTheirKind) {
    struct Case {
        std::string text;
        ValueType type;
    };
    for (const Case& c :
         {Case{"0", ValueType::Integer}, Case{"-2147483648", ValueType::Integer},
          Case{"2147483647", ValueType::Integer}, Case{"0.1", ValueType::Extended}, Case{"2.0", ValueType::Extended},
          Case{"-1.5E-7", ValueType::Extended}, Case{"1E4000", ValueType::Extended}, Case{"1.5s", ValueType::Single},
          Case{"3s", ValueType::Single}, Case{"12c", ValueType::Currency}, Case{"-0.0001c", ValueType::Currency},
          Case{"922337203685477.5807c", ValueType::Currency}, Case{"45000.25d", ValueType::Date}}) {
        const Object form = ParseValueText(c.text);
        EXPECT_EQ(ParsedValue(form).type, c.type) << c.text;
        EXPECT_EQ(ValueLine(WriteFormText(form)), "  Value = " + c.text) << c.text;
    }
    EXPECT_EQ(ParsedValue(ParseValueText("12.3456c")).integer, 123456);
    EXPECT_EQ(ParsedValue(ParseValueText("1.23455c")).integer, 12346);  // rounds the fifth decimal
    EXPECT_EQ(ParsedValue(ParseValueText("$FF")).integer, 255);
    EXPECT_EQ(ParsedValue(ParseValueText("$FFFFFFFF")).integer, -1);
    EXPECT_DOUBLE_EQ(ParsedValue(ParseValueText("45000.25d")).real, 45000.25);

    // The shortest text that reads back to the same ten bytes.
    Value third;
    third.type = ValueType::Extended;
    const long double value = 1.0L / 3;
    std::memcpy(third.extended, &value, 10);
    EXPECT_EQ(WrittenValue(third), "  Value = 0.33333333333333333334");
}

TEST(FormText, WordsSetsAndLists) {
    const std::string text = Crlf({
        "object Form1: TForm1",
        "  Visible = False",
        "  Enabled = True",
        "  PopupMenu = nil",
        "  Align = alClient",
        "  OnClick = Form1.Button1Click",
        "  Anchors = [akLeft, akTop]",
        "  BorderIcons = []",
        "  Items.Strings = (",
        "    'one'",
        "    'two'",
        "    (",
        "      1",
        "      alNone))",
        "  Empty = ()",
        "end",
    });
    const Object form = ParseFormText(text);
    EXPECT_EQ(form.Find("Visible")->value.type, ValueType::False);
    EXPECT_EQ(form.Find("Enabled")->value.type, ValueType::True);
    EXPECT_EQ(form.Find("PopupMenu")->value.type, ValueType::Nil);
    EXPECT_EQ(form.Find("OnClick")->value.text, "Form1.Button1Click");
    EXPECT_EQ(form.Find("Anchors")->value.names, (std::vector<std::string>{"akLeft", "akTop"}));
    EXPECT_TRUE(form.Find("BorderIcons")->value.names.empty());
    const Value& items = form.Find("Items.Strings")->value;
    ASSERT_EQ(items.list.size(), 3u);
    EXPECT_EQ(items.list[1].text, "two");
    EXPECT_EQ(items.list[2].list.at(1).text, "alNone");
    EXPECT_EQ(form.Find("Missing"), nullptr);
    EXPECT_EQ(WriteFormText(form), text);
}

TEST(FormText, CollectionsWithAndWithoutOrder) {
    const std::string text = Crlf({
        "object StatusBar1: TStatusBar",
        "  Panels = <",
        "    item",
        "      Width = 50",
        "    end",
        "    item [3]",
        "      Text = 'Ready'",
        "      Bevel = pbNone",
        "    end",
        "    item",
        "    end>",
        "  Columns = <>",
        "end",
    });
    const Object form = ParseFormText(text);
    const Value& panels = form.Find("Panels")->value;
    ASSERT_EQ(panels.items.size(), 3u);
    EXPECT_FALSE(panels.items[0].order.has_value());
    EXPECT_EQ(panels.items[1].order, 3);
    EXPECT_EQ(panels.items[1].properties.at(1).name, "Bevel");
    EXPECT_TRUE(panels.items[2].properties.empty());
    EXPECT_TRUE(form.Find("Columns")->value.items.empty());
    EXPECT_EQ(WriteFormText(form), text);
}

TEST(FormText, BinaryDataBreaksIntoLinesOf32Bytes) {
    Value data;
    data.type = ValueType::Binary;
    for (int i = 0; i < 31; ++i) data.binary.push_back(std::uint8_t(i * 8));
    EXPECT_EQ(WrittenValue(data), "  Value = {0008101820283038404850586068707880889098A0A8B0B8C0C8D0D8E0E8F0}");
    data.binary.push_back(0xFF);
    EXPECT_EQ(
        WrittenValue(data), "  Value = {\r\n    0008101820283038404850586068707880889098A0A8B0B8C0C8D0D8E0E8F0FF}"
    );
    data.binary.push_back(0x01);
    EXPECT_EQ(
        WrittenValue(data),
        "  Value = {\r\n    0008101820283038404850586068707880889098A0A8B0B8C0C8D0D8E0E8F0FF\r\n    01}"
    );
    EXPECT_EQ(ParsedValue(ParseValueText("{0a 0B\r\n ff}")).binary, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
    EXPECT_EQ(WrittenValue(ParsedValue(ParseValueText("{}"))), "  Value = {}");
}

TEST(FormText, ReadsLooseButValidText) {
    const Object form =
        ParseFormText("OBJECT Form1 : TForm1\n\tLeft=1\n  Caption='a'+\n'b'\n  OBJECT TButton End\nEND");
    EXPECT_EQ(form.name, "Form1");
    EXPECT_EQ(form.Find("Left")->value.integer, 1);
    EXPECT_EQ(form.Find("Caption")->value.text, "ab");
    EXPECT_EQ(form.children.at(0).className, "TButton");
}

TEST(FormText, MalformedTextReportsLineAndForm) {
    EXPECT_EQ(ErrorOf("object Form1: TForm1\r\n  Left 1\r\nend\r\n"), "Wrong FRD Format\r\nLine#: 2\r\nForm: Form1");
    EXPECT_EQ(ErrorOf(""), "Wrong FRD Format\r\nLine#: 1\r\nForm: ");
    EXPECT_EQ(ErrorOf("object : TForm1\r\nend\r\n"), "Wrong FRD Format\r\nLine#: 1\r\nForm: ");

    struct Case {
        std::string text;
        int line;
    };
    const std::string head = "object Form1: TForm1\r\n";
    for (const Case& c : {
             Case{head + "  Caption = 'open\r\nend\r\n", 2},                      // unterminated string
             Case{head + "  Left = 2147483648\r\nend\r\n", 2},                    // beyond 32 bits
             Case{head + "  Data = {ABC}\r\nend\r\n", 2},                         // odd number of digits
             Case{head + "  Data = {AG}\r\nend\r\n", 2},                          // not hexadecimal
             Case{head + "  Set = [a b]\r\nend\r\n", 2},                          // missing comma
             Case{head + "  Caption = 'a' +\r\nend\r\n", 3},                      // "+" without a string
             Case{head + "  Code = #70000\r\nend\r\n", 2},                        // beyond 16 bits
             Case{head + "  Left = 12px\r\nend\r\n", 2},                          // junk after a number
             Case{head + "  object B: TB\r\n  end\r\n  Left = 1\r\nend\r\n", 4},  // property after a child
             Case{head + "  Items = <\r\n    Width = 1\r\n  >\r\nend\r\n", 3},    // collection without "item"
             Case{head + "  Caption = \xE9\r\nend\r\n", 2},                       // stray character
             Case{head + "  Left = 1\r\n", 3},                                    // missing "end"
             Case{head + "end\r\nend\r\n", 3},                                    // text after the form
             Case{head + "  Left = 1.5x\r\nend\r\n", 2},
         }) {
        EXPECT_EQ(ErrorOf(c.text), "Wrong FRD Format\r\nLine#: " + std::to_string(c.line) + "\r\nForm: Form1")
            << c.text;
    }
}

TEST(FormText, HostileNestingIsRejectedNotRecursedInto) {
    const std::string lists = "object Form1: TForm1\r\n  Value = " + std::string(100000, '(');
    EXPECT_THROW(ParseFormText(lists), FormError);
    std::string objects;
    for (int i = 0; i < 10000; ++i) objects += "object A: TA\r\n";
    EXPECT_THROW(ParseFormText(objects), FormError);
}

TEST(FormText, ValuesWithoutATextFormAreRefused) {
    Value infinite;
    infinite.type = ValueType::Single;
    infinite.real = 1.0 / 0.0;
    EXPECT_THROW(WriteFormText(FormWith(infinite)), FormError);

    Value nan;
    nan.type = ValueType::Extended;
    const long double quietNan = __builtin_nanl("");
    std::memcpy(nan.extended, &quietNan, 10);
    EXPECT_THROW(WriteFormText(FormWith(nan)), FormError);

    Value badName;
    badName.type = ValueType::Ident;
    badName.text = "two words";
    EXPECT_THROW(WriteFormText(FormWith(badName)), FormError);
}

namespace {

Value Wide(std::u16string text) {
    Value value;
    value.type = ValueType::WideString;
    value.wide = std::move(text);
    return value;
}

// What a string value written as text under `codePage` reads back as.
std::u16string ThroughText(const Value& value, const CodePage& codePage) {
    const std::string text = WriteFormText(FormWith(value), codePage);
    return WideTextOf(ParsedValue(ParseFormText(text, codePage)), codePage);
}

}  // namespace

// "café" through a Cyrillic code page used to come back as "caй": the writer gave the
// missing "é" as #233 and the parser read that as the code page's byte 233.
TEST(FormText, StringsTheCodePageLacksStayWide) {
    const CodePage& cyrillic = formtest::Cyrillic();
    const Value cafe = Wide(u"caf\u00E9");
    EXPECT_EQ(ValueLine(WriteFormText(FormWith(cafe), cyrillic)), "  Value = 'caf'#233");
    const Value parsed = ParsedValue(ParseFormText(WriteFormText(FormWith(cafe), cyrillic), cyrillic));
    EXPECT_EQ(parsed.type, ValueType::WideString);
    EXPECT_EQ(parsed.wide, u"caf\u00E9");

    // Mixed with letters the code page has, as UTF-8, and at every character from 128 to 255.
    EXPECT_EQ(ThroughText(Wide(u"\u0416 caf\u00E9 \u20AC"), cyrillic), u"\u0416 caf\u00E9 \u20AC");
    Value utf8;
    utf8.type = ValueType::Utf8String;
    utf8.text = "caf\xC3\xA9";
    EXPECT_EQ(ThroughText(utf8, cyrillic), u"caf\u00E9");
    for (char16_t c = 128; c <= 255; ++c) {
        const std::u16string text = {u'a', c, u'b'};
        EXPECT_EQ(ThroughText(Wide(text), cyrillic), text) << int(c);
        EXPECT_EQ(ThroughText(Wide(text), Windows1252()), text) << int(c);
    }

    // 8-bit strings keep their bytes: byte 233 is the Cyrillic letter in its code page.
    const Value shortI = StringValue("\xE9");
    const Value back = ParsedValue(ParseFormText(WriteFormText(FormWith(shortI), cyrillic), cyrillic));
    EXPECT_EQ(back.type, ValueType::String);
    EXPECT_EQ(back.text, "\xE9");

    // A code from 128 to 255 the code page has stays an 8-bit string of that letter's byte.
    EXPECT_EQ(ParsedValue(ParseValueText("'caf'#233")).text, "caf\xE9");
    EXPECT_EQ(ParsedValue(ParseFormText("object Form1: TForm1\r\n  Value = #167\r\nend\r\n", cyrillic)).text, "\xA7");
}

// A conversion that substitutes look-alikes counts as having no 8-bit form.
TEST(FormText, LookAlikeConversionsAreNotTrusted) {
    const std::string text = WriteFormText(FormWith(Wide(u"caf\u00E9")), formtest::BestFit());
    EXPECT_EQ(ValueLine(text), "  Value = 'caf'#233");
    EXPECT_EQ(ParsedValue(ParseFormText(text, formtest::BestFit())).wide, u"caf\u00E9");
}

// The text form has one keyword per object; an object both inherited and inline cannot be
// said in it and is refused, while the binary form keeps both flags.
TEST(FormText, InheritedInlineObjectsAreRefused) {
    Object form;
    form.name = "Form1";
    form.className = "TForm1";
    Object frame;
    frame.name = "Frame1";
    frame.className = "TFrame1";
    frame.flags = kInherited | kInline;
    form.children.push_back(frame);
    try {
        WriteFormText(form);
        ADD_FAILURE() << "written";
    } catch (const FormError& error) {
        EXPECT_STREQ(error.what(), "Object \"Frame1\" is both inherited and inline, which the text form cannot hold");
    }
    EXPECT_EQ(ReadFormBinary(WriteFormBinary(form)).children.at(0).flags, kInherited | kInline);
    // The text form cannot say it either.
    EXPECT_THROW(
        ParseFormText(Crlf({"object Form1: TForm1", "  inherited inline Frame1: TFrame1", "  end", "end"})), FormError
    );
}

// Names that the parser would take for keywords, and identifiers it would take for other
// values, are refused rather than written into text that reads back as something else.
TEST(FormText, WordsThatWouldReadAsKeywordsAreRefused) {
    for (const char* name : {"end", "Object", "INHERITED", "inline"}) {
        Object form = FormWith(StringValue("x"));
        form.properties[0].name = name;
        EXPECT_THROW(WriteFormText(form), FormError) << name;
    }
    for (const char* word : {"True", "false", "NIL"}) {
        Value value;
        value.type = ValueType::Ident;
        value.text = word;
        EXPECT_THROW(WriteFormText(FormWith(value)), FormError) << word;
    }
    Value ident;
    ident.type = ValueType::Ident;
    ident.text = "Trueish";
    EXPECT_EQ(WrittenValue(ident), "  Value = Trueish");
}
