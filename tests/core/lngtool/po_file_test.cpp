#include "tools/lngtool/po_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace lngtool;

namespace {

TEST(PoFile, ReadsHeaderEntriesContinuationsAndMarks) {
    const PoCatalog catalog = ParsePo(
        "\xEF\xBB\xBF# translator's note\n"
        "msgid \"\"\n"
        "msgstr \"\"\n"
        "\"Language: ru\\n\"\n"
        "\"X-Native-Name: \xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9\\n\"\n"
        "\n"
        "#. ResID 65179\n"
        "msgctxt \"Wizard.SWizardNextButton\"\n"
        "msgid \"&Next >\"\n"
        "msgstr \"&\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5 >\"\n"
        "\n"
        "#, fuzzy, c-format\n"
        "msgctxt \"Main.STrayTipPack\"\n"
        "msgid \"\"\n"
        "\"a\\r\\n\"\n"
        "\"b \\\"q\\\" \\\\ \\t\\101\"\n"
        "msgstr \"x\"\n"
        "\n"
        "#~ msgctxt \"Old.SGone\"\n"
        "#~ msgid \"gone\"\n"
        "#~ msgstr \"weg\"\n"
        "msgctxt \"TOptWnd.OptWnd.Caption\"\n"
        "msgid \"Options\"\n"
        "msgstr \"\"\n"
    );
    EXPECT_EQ(catalog.header.at("Language"), "ru");
    EXPECT_EQ(catalog.header.at("X-Native-Name"), "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9");
    ASSERT_EQ(catalog.entries.size(), 3u);
    EXPECT_EQ(catalog.entries[0].context, "Wizard.SWizardNextButton");
    EXPECT_EQ(catalog.entries[0].translation, "&\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5 >");
    EXPECT_FALSE(catalog.entries[0].fuzzy);
    EXPECT_EQ(catalog.entries[1].source, "a\r\nb \"q\" \\ \tA");
    EXPECT_TRUE(catalog.entries[1].fuzzy);
    EXPECT_EQ(catalog.entries[2].context, "TOptWnd.OptWnd.Caption");
    EXPECT_FALSE(catalog.entries[2].fuzzy);
    EXPECT_TRUE(catalog.entries[2].translation.empty());
}

TEST(PoFile, WrittenCatalogueReadsBackTheSameTexts) {
    const std::vector<PoEntry> entries = {
        {"Main.STrayMenuPack", "Configure...\r\nExit\r\n\r\n", "Konfigurieren...\r\nBeenden\r\n\r\n", false,
         "ResID 65206"},
        {"TForm9.Memo1.Lines.Strings", "one\ntwo", "", true, ""},
        {"Odd.SChars", "tab\there \"quoted\" back\\slash bell\a \x01", "\xC3\xA9t\xC3\xA9", false, ""},
    };
    const std::string text = WritePo({{"Language", "de"}, {"X-Code-Page", "1252"}}, entries);
    EXPECT_NE(text.find("msgid \"\"\n\"Configure...\\r\\n\"\n\"Exit\\r\\n\"\n\"\\r\\n\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("#. ResID 65206\n"), std::string::npos);
    const PoCatalog back = ParsePo(text);
    EXPECT_EQ(back.header.at("Language"), "de");
    EXPECT_EQ(back.header.at("X-Code-Page"), "1252");
    ASSERT_EQ(back.entries.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(back.entries[i].context, entries[i].context);
        EXPECT_EQ(back.entries[i].source, entries[i].source);
        EXPECT_EQ(back.entries[i].translation, entries[i].translation);
        EXPECT_EQ(back.entries[i].fuzzy, entries[i].fuzzy);
    }
}

TEST(PoFile, MalformedTextNamesItsLine) {
    auto messageOf = [](const std::string& text) {
        try {
            ParsePo(text);
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf("msgid \"a\"\nmsgstr \"b\n"), "PO line 2: string expected");
    EXPECT_EQ(messageOf("msgid \"a\"\nmsgstr \"\\q\"\n"), "PO line 2: unknown escape \\q");
    EXPECT_EQ(messageOf("\"stray\"\n"), "PO line 1: string without a keyword");
    EXPECT_EQ(messageOf("msgstr \"x\"\n"), "PO line 1: msgstr without msgid");
    EXPECT_EQ(messageOf("msgid \"a\"\nmsgwhat \"b\"\n"), "PO line 2: unknown keyword msgwhat");
}

}  // namespace
