#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/core/forms/form_test_support.h"

using namespace forms;
using formtest::Crlf;
using formtest::ThroughBinary;

namespace {

// Every kind of value and header in canonical text form.
const std::string kEveryKind = Crlf({
    "inherited MainWnd: TMainWnd",
    "  Left = 0",
    "  Top = -129",
    "  Width = 40000",
    "  Height = -2147483648",
    "  Caption = 'Tessly'#39's window'#13#10",
    "  Hint = ",
    "    '0123456789012345678901234567890123456789012345678901234567890123' +",
    "    '4567'",
    "  Long = ",
    "    '" + std::string(64, 'L') + "' +",
    "    '" + std::string(64, 'L') + "' +",
    "    '" + std::string(64, 'L') + "' +",
    "    '" + std::string(64, 'L') + "' +",
    "    'L'",
    "  Title = 'Gr\xF6\xDF"
    "e \x80'",
    "  Wide = 'Wide '#1055#1088#1080' \xE9'",
    "  Ratio = 1.5",
    "  Big = 1.2345678901234567891E4000",
    "  Scale = 0.25s",
    "  Price = 12.3456c",
    "  Stamp = 45000.5d",
    "  Visible = False",
    "  Enabled = True",
    "  PopupMenu = nil",
    "  Align = alClient",
    "  OnClick = AnyClick",
    "  Anchors = [akLeft, akTop]",
    "  Empty = []",
    "  Items.Strings = (",
    "    'one'",
    "    'two'",
    "    (",
    "      3",
    "      [a]))",
    "  Panels = <",
    "    item",
    "      Width = 50",
    "      Inner = <",
    "        item [7]",
    "          Text = ''",
    "        end>",
    "    end",
    "    item [3]",
    "      Text = 'Ready'",
    "    end>",
    "  Small = {0A0B0C}",
    "  Picture.Data = {",
    "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F",
    "    20}",
    "  object Panel1: TPanel [2]",
    "    inline Frame1: TFrame1",
    "      object Label1: TLabel",
    "        Caption = 'Deep'",
    "      end",
    "    end",
    "  end",
    "  object TTimer",
    "  end",
    "end",
});

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string WithCrlf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

const char* const kRepositoryForms[] = {
#include "repository_forms.inc"
    nullptr};

}  // namespace

TEST(FormRoundTrip, TextThroughBinaryIsUnchanged) {
    EXPECT_EQ(ThroughBinary(kEveryKind, 6), kEveryKind);
    EXPECT_EQ(ThroughBinary(kEveryKind, 5), kEveryKind);
    // Also through a resource-file record.
    EXPECT_EQ(WriteFormText(ReadFormBinary(WriteFormResourceRecord(ParseFormText(kEveryKind)))), kEveryKind);
}

TEST(FormRoundTrip, BinaryThroughTextIsUnchanged) {
    for (int format : {5, 6}) {
        const std::vector<std::uint8_t> binary = WriteFormBinary(ParseFormText(kEveryKind), format);
        EXPECT_EQ(WriteFormBinary(ParseFormText(WriteFormText(ReadFormBinary(binary))), format), binary) << format;
    }
}

// The forms the program embeds must survive the build's conversion unchanged.
TEST(FormRoundTrip, RepositoryFormsAreCanonicalAndConvert) {
    if (kRepositoryForms[0] == nullptr) GTEST_SKIP() << "no forms/*.form yet";
    for (const char* const* path = kRepositoryForms; *path; ++path) {
        const std::string text = WithCrlf(ReadFile(*path));
        ASSERT_FALSE(text.empty()) << *path;
        try {
            EXPECT_EQ(ThroughBinary(text), text)
                << *path << " is not in the canonical text form; rewrite it with: formc --text FILE FILE";
        } catch (const FormError& error) {
            ADD_FAILURE() << *path << ": " << error.what();
        }
    }
}
