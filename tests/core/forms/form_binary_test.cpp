#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/core/forms/form_test_support.h"
#include "tests/core/forms/windows_1251.h"

using namespace forms;
using formtest::Bytes;
using formtest::FormWith;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Hexadecimal bytes; "#" starts a comment.
std::vector<std::uint8_t> ReadHexFile(const std::string& path) {
    std::istringstream lines(ReadFile(path));
    std::vector<std::uint8_t> bytes;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) bytes.push_back(std::uint8_t(std::stoi(word, nullptr, 16)));
    }
    return bytes;
}

// "TPF0", an object "TF" named "F" with one property "V" holding the tagged value, the ends.
std::vector<std::uint8_t> FormHolding(std::initializer_list<std::uint8_t> taggedValue) {
    std::vector<std::uint8_t> bytes = Bytes(std::string_view(
        "TPF0\x02TF\x01"
        "F\x01V",
        11
    ));
    bytes.insert(bytes.end(), taggedValue);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// The tagged value bytes of a one-property form written in binary.
std::vector<std::uint8_t> TaggedBytes(
    const Value& value, int writerFormat = 6, const CodePage& codePage = Windows1252()
) {
    const std::vector<std::uint8_t> bytes = WriteFormBinary(FormWith(value), writerFormat, codePage);
    const size_t start = 4 + 7 + 6 + 6;  // signature, "TForm1", "Form1", "Value"
    return {bytes.begin() + start, bytes.end() - 2};
}

Value Integer(std::int64_t integer) {
    Value value;
    value.type = ValueType::Integer;
    value.integer = integer;
    return value;
}

Value Text(ValueType type, std::string text) {
    Value value;
    value.type = type;
    value.text = std::move(text);
    return value;
}

std::string ErrorOf(const std::vector<std::uint8_t>& bytes) {
    try {
        ReadFormBinary(bytes);
    } catch (const FormError& error) {
        return error.what();
    }
    return "(read)";
}

}  // namespace

TEST(FormBinary, GoldenFormMatchesHandCheckedBytes) {
    const std::string text = ReadFile(FORM_GOLDEN_DIR "/small.form");
    const std::vector<std::uint8_t> expected = ReadHexFile(FORM_GOLDEN_DIR "/small.hex");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(WriteFormBinary(ParseFormText(text)), expected);
    EXPECT_EQ(WriteFormText(ReadFormBinary(expected)), text);
}

// The program as built writes format 5: a non-ASCII caption as an 8-bit string.
TEST(FormBinary, BuiltWriterFormatKeepsCaptionsEightBit) {
    EXPECT_EQ(kBuiltWriterFormat, 5);
    const std::string text = ReadFile(FORM_GOLDEN_DIR "/accented.form");
    const std::vector<std::uint8_t> expected = ReadHexFile(FORM_GOLDEN_DIR "/accented.hex");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(WriteFormBinary(ParseFormText(text), kBuiltWriterFormat), expected);
    EXPECT_EQ(WriteFormText(ReadFormBinary(expected)), text);
    // Format 6 would have made it UTF-8 (tag 20).
    EXPECT_EQ(WriteFormBinary(ParseFormText(text), 6).at(4 + 9 + 8 + 8), 20);
}

TEST(FormBinary, IntegersTakeTheSmallestTag) {
    EXPECT_EQ(TaggedBytes(Integer(127)), (std::vector<std::uint8_t>{2, 0x7F}));
    EXPECT_EQ(TaggedBytes(Integer(-128)), (std::vector<std::uint8_t>{2, 0x80}));
    EXPECT_EQ(TaggedBytes(Integer(128)), (std::vector<std::uint8_t>{3, 0x80, 0}));
    EXPECT_EQ(TaggedBytes(Integer(-32768)), (std::vector<std::uint8_t>{3, 0, 0x80}));
    EXPECT_EQ(TaggedBytes(Integer(32768)), (std::vector<std::uint8_t>{4, 0, 0x80, 0, 0}));
    EXPECT_EQ(TaggedBytes(Integer(INT32_MIN)), (std::vector<std::uint8_t>{4, 0, 0, 0, 0x80}));
    EXPECT_THROW(TaggedBytes(Integer(std::int64_t(INT32_MAX) + 1)), FormError);
}

TEST(FormBinary, StringTagsFollowLengthAndWriterFormat) {
    EXPECT_EQ(TaggedBytes(Text(ValueType::String, "ab")), (std::vector<std::uint8_t>{6, 2, 'a', 'b'}));
    EXPECT_EQ(TaggedBytes(Text(ValueType::String, std::string(255, 'x'))).at(0), 6);
    const std::vector<std::uint8_t> longString = TaggedBytes(Text(ValueType::String, std::string(256, 'x')));
    EXPECT_EQ(
        std::vector<std::uint8_t>(longString.begin(), longString.begin() + 5),
        (std::vector<std::uint8_t>{12, 0, 1, 0, 0})
    );

    // A non-ASCII 8-bit caption: UTF-8 from format 6 on, the bytes themselves before.
    const Value caption = Text(ValueType::String, "\xE9");
    EXPECT_EQ(TaggedBytes(caption, 6), (std::vector<std::uint8_t>{20, 2, 0, 0, 0, 0xC3, 0xA9}));
    EXPECT_EQ(TaggedBytes(caption, 5), (std::vector<std::uint8_t>{6, 1, 0xE9}));
    EXPECT_EQ(
        TaggedBytes(Text(ValueType::String, "\xC0"), 6, formtest::Cyrillic()),
        (std::vector<std::uint8_t>{20, 2, 0, 0, 0, 0xD0, 0x90})
    );

    // UTF-8 values for older formats: 8-bit when the code page holds them, else wide.
    EXPECT_EQ(TaggedBytes(Text(ValueType::Utf8String, "\xC3\xA9"), 5), (std::vector<std::uint8_t>{6, 1, 0xE9}));
    EXPECT_EQ(
        TaggedBytes(Text(ValueType::Utf8String, "\xD0\x90"), 5), (std::vector<std::uint8_t>{18, 1, 0, 0, 0, 0x10, 0x04})
    );
    EXPECT_EQ(
        TaggedBytes(Text(ValueType::Utf8String, "\xD0\x90"), 6), (std::vector<std::uint8_t>{20, 2, 0, 0, 0, 0xD0, 0x90})
    );
    // A look-alike conversion ("e" for "\u00E9") is no 8-bit form: the string stays wide.
    EXPECT_EQ(
        TaggedBytes(Text(ValueType::Utf8String, "\xC3\xA9"), 5, formtest::BestFit()),
        (std::vector<std::uint8_t>{18, 1, 0, 0, 0, 0xE9, 0})
    );
}

TEST(FormBinary, EveryValueTagReadsAndWritesBack) {
    struct Case {
        std::vector<std::uint8_t> tagged;
        ValueType type;
    };
    const std::vector<Case> cases = {
        {{1, 6, 1, 'a', 2, 5, 0}, ValueType::List},
        {{2, 0xFF}, ValueType::Integer},
        {{3, 0x34, 0x12}, ValueType::Integer},
        {{4, 0x78, 0x56, 0x34, 0x12}, ValueType::Integer},
        {{5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}, ValueType::Extended},  // 1.5
        {{6, 3, 'a', 'b', 'c'}, ValueType::String},
        {{7, 8, 'a', 'l', 'C', 'l', 'i', 'e', 'n', 't'}, ValueType::Ident},
        {{8}, ValueType::False},
        {{9}, ValueType::True},
        {{10, 3, 0, 0, 0, 1, 2, 3}, ValueType::Binary},
        {{11, 2, 'a', 'k', 2, 'b', 'k', 0}, ValueType::Set},
        {{13}, ValueType::Nil},
        {{14, 1, 1, 'W', 2, 50, 0, 2, 3, 1, 0, 0}, ValueType::Collection},
        {{15, 0, 0, 0xC0, 0x3F}, ValueType::Single},                // 1.5
        {{16, 0x10, 0x27, 0, 0, 0, 0, 0, 0}, ValueType::Currency},  // 1
        {{17, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, ValueType::Date},      // 1.5
        {{18, 2, 0, 0, 0, 0x1F, 0x04, 'a', 0}, ValueType::WideString},
        {{20, 2, 0, 0, 0, 0xC3, 0xA9}, ValueType::Utf8String},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> bytes = FormHolding({});
        std::vector<std::uint8_t> form(bytes.begin(), bytes.end() - 2);
        form.insert(form.end(), c.tagged.begin(), c.tagged.end());
        form.insert(form.end(), {0, 0});
        const Object read = ReadFormBinary(form);
        EXPECT_EQ(read.properties.at(0).value.type, c.type) << int(c.tagged[0]);
        EXPECT_EQ(WriteFormBinary(read), form) << int(c.tagged[0]);
    }
    // A long string (tag 12) is read as an 8-bit string.
    std::vector<std::uint8_t> tagged = {12, 0, 1, 0, 0};
    tagged.insert(tagged.end(), 256, 'z');
    std::vector<std::uint8_t> form = FormHolding({});
    form.insert(form.end() - 2, tagged.begin(), tagged.end());
    EXPECT_EQ(ReadFormBinary(form).properties.at(0).value.text, std::string(256, 'z'));
    EXPECT_EQ(WriteFormBinary(ReadFormBinary(form)), form);
}

TEST(FormBinary, ValuesReadAsTheirMeaning) {
    const Object collection = ReadFormBinary(FormHolding({14, 1, 1, 'W', 2, 50, 0, 2, 3, 1, 0, 0}));
    const auto& items = collection.properties.at(0).value.items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_FALSE(items[0].order.has_value());
    EXPECT_EQ(items[0].properties.at(0).value.integer, 50);
    EXPECT_EQ(items[1].order, 3);

    EXPECT_EQ(ReadFormBinary(FormHolding({3, 0x34, 0x82})).properties[0].value.integer, -32204);
    EXPECT_EQ(ReadFormBinary(FormHolding({16, 0x10, 0x27, 0, 0, 0, 0, 0, 0})).properties[0].value.integer, 10000);
    EXPECT_EQ(ReadFormBinary(FormHolding({18, 2, 0, 0, 0, 0x1F, 0x04, 'a', 0})).properties[0].value.wide, u"\u041Fa");
    EXPECT_DOUBLE_EQ(ReadFormBinary(FormHolding({15, 0, 0, 0xC0, 0x3F})).properties[0].value.real, 1.5);
}

TEST(FormBinary, ObjectPrefixCarriesFlagsAndPosition) {
    Object form;
    form.className = "TF";
    form.name = "F";
    Object child;
    child.className = "TC";
    child.flags = kInherited | kChildPos;
    child.position = 300;
    form.children.push_back(child);
    form.children.push_back(Object{kInline, 0, "", "TI", {}, {}});
    const std::vector<std::uint8_t> bytes = WriteFormBinary(form);
    const std::vector<std::uint8_t> expected = {
        'T',  'P', 'F',  '0',  2, 'T', 'F', 1, 'F', 0,  // the form, no prefix
        0xF3, 3,   0x2C, 0x01, 2, 'T', 'C', 0, 0,   0,  // inherited, position 300
        0xF4, 2,   'T',  'I',  0, 0,   0,               // inline, no name
        0};
    EXPECT_EQ(bytes, expected);
    const Object read = ReadFormBinary(bytes);
    EXPECT_EQ(read.children.at(0).flags, kInherited | kChildPos);
    EXPECT_EQ(read.children.at(0).position, 300);
    EXPECT_EQ(read.children.at(1).flags, kInline);
}

TEST(FormBinary, ResourceRecordWrapsTheBinaryForm) {
    const Object form = ParseFormText("object AskForClose: TAskForClose\r\n  Left = 1\r\nend\r\n");
    const std::vector<std::uint8_t> binary = WriteFormBinary(form);
    const std::vector<std::uint8_t> record = WriteFormResourceRecord(form);
    std::vector<std::uint8_t> header = {0xFF, 10, 0};
    header.insert(header.end(), {'T', 'A', 's', 'k', 'F', 'o', 'r', 'C', 'l', 'o', 's', 'e', 0, 0x30, 0x10});
    header.insert(header.end(), {std::uint8_t(binary.size()), 0, 0, 0});
    ASSERT_EQ(record.size(), header.size() + binary.size());
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + header.size()), header);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin() + header.size(), record.end()), binary);

    EXPECT_EQ(DetectFormStorage(record), FormStorage::ResourceRecord);
    EXPECT_EQ(DetectFormStorage(binary), FormStorage::Binary);
    EXPECT_EQ(DetectFormStorage(Bytes("object A: TA")), FormStorage::Text);
    EXPECT_EQ(DetectFormStorage({}), FormStorage::Text);
    EXPECT_EQ(WriteFormBinary(ReadFormBinary(record)), binary);

    Object longName = form;
    longName.className = "T" + std::string(68, 'x');
    EXPECT_NO_THROW(WriteFormResourceRecord(longName));
    longName.className += "x";
    try {
        WriteFormResourceRecord(longName);
        ADD_FAILURE() << "a 70-character class name was accepted";
    } catch (const FormError& error) {
        EXPECT_STREQ(error.what(), "Component name is too long");
    }
}

TEST(FormBinary, CorruptDataRaisesFormError) {
    const std::vector<std::uint8_t> valid = WriteFormBinary(ParseFormText(
        "object F: TF\r\n  A = (\r\n    'x'\r\n    <\r\n      item [1]\r\n        B = {0102}\r\n      end>)\r\n"
        "  W = #1055\r\n  object C: TC [2]\r\n    S = [a]\r\n  end\r\nend\r\n"
    ));
    ASSERT_NO_THROW(ReadFormBinary(valid));
    for (size_t length = 0; length < valid.size(); ++length) {
        const std::vector<std::uint8_t> truncated(valid.begin(), valid.begin() + length);
        EXPECT_THROW(ReadFormBinary(truncated), FormError) << length;
    }
    const std::vector<std::uint8_t> record = WriteFormResourceRecord(ParseFormText("object F: TF\r\nend\r\n"));
    for (size_t length = 3; length < record.size(); ++length)
        EXPECT_THROW(ReadFormBinary(std::vector<std::uint8_t>(record.begin(), record.begin() + length)), FormError);

    EXPECT_EQ(ErrorOf(Bytes("TPF1")), "Corrupt form description: the signature \"TPF0\" is missing (byte 4)");
    EXPECT_EQ(
        ErrorOf(FormHolding({19, 0, 0, 0, 0, 0, 0, 0, 0})), "Corrupt form description: unknown value type 19 (byte 11)"
    );
    EXPECT_EQ(
        ErrorOf(FormHolding({10, 0xFF, 0xFF, 0xFF, 0xFF, 1})),
        "Corrupt form description: the data ends too early (byte 16)"
    );
    EXPECT_THROW(ReadFormBinary(FormHolding({18, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0})), FormError);
    EXPECT_THROW(ReadFormBinary(FormHolding({12, 0xFF, 0xFF, 0xFF, 0xFF})), FormError);
    EXPECT_THROW(ReadFormBinary(FormHolding({14, 2, 1, 6, 0, 0})), FormError);  // item without its list mark
    EXPECT_THROW(ReadFormBinary(Bytes(std::string_view("TPF0\xF8\x02TF\x00\x00\x00", 11))), FormError);  // unknown flag

    std::vector<std::uint8_t> deep = Bytes(std::string_view(
        "TPF0\x02TF\x01"
        "F\x01V",
        11
    ));
    deep.insert(deep.end(), 100000, 1);
    EXPECT_THROW(ReadFormBinary(deep), FormError);
    std::vector<std::uint8_t> deepObjects = Bytes("TPF0");
    for (int i = 0; i < 10000; ++i) deepObjects.insert(deepObjects.end(), {2, 'T', 'F', 0, 0});
    EXPECT_THROW(ReadFormBinary(deepObjects), FormError);
}

TEST(FormBinary, ValuesTheBinaryFormCannotHoldAreRefused) {
    EXPECT_THROW(TaggedBytes(Text(ValueType::Ident, std::string(256, 'a'))), FormError);
    Object form = FormWith(Integer(1));
    form.properties[0].name = std::string(256, 'P');
    EXPECT_THROW(WriteFormBinary(form), FormError);
    form.properties[0].name.clear();
    EXPECT_THROW(WriteFormBinary(form), FormError);
    Value set;
    set.type = ValueType::Set;
    set.names = {""};
    EXPECT_THROW(TaggedBytes(set), FormError);
    // A class name's length byte must not look like an object's flags byte.
    form = FormWith(Integer(1));
    form.className = std::string(239, 'T');
    EXPECT_NO_THROW(WriteFormBinary(form));
    form.className += "T";
    EXPECT_THROW(WriteFormBinary(form), FormError);
}
