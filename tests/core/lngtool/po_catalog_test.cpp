#include "tools/lngtool/po_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_settings.h"
#include "tools/lngtool/program_lang.h"

using namespace localizer;
using namespace lngtool;

namespace {

const char* const kStrings =
    "STRING(Wizard, SWizardNextButton, 65179, \"&Next >\")\n"
    "STRING(Main, STrayInetPack, 65207, \"Visit site\\r\\nTell a friend\\r\\n\\r\\n\")\n";

const char* const kForm =
    "object OptWnd: TOptWnd\r\n"
    "  Caption = 'Options'\r\n"
    "  Font.Charset = DEFAULT_CHARSET\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  Width = 400\r\n"
    "  object Page1: TPanel\r\n"
    "    Caption = ''\r\n"
    "    object Button1: TButton\r\n"
    "      Caption = 'Ok'\r\n"
    "    end\r\n"
    "    object CmBox231: TComboBox\r\n"
    "      Items.Strings = (\r\n"
    "        'Low'\r\n"
    "        'High')\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

const char* const kGermanHeader =
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Language: de\\n\"\n"
    "\"X-Language-Id: 0x0407\\n\"\n"
    "\"X-Language-Name: German\\n\"\n"
    "\"X-Native-Name: Deutsch\\n\"\n"
    "\"X-Code-Page: 1252\\n\"\n\n";

// Every entry of the sample translated, as the coverage report wants it.
const char* const kCompleteGerman =
    "msgctxt \"Main.STrayInetPack\"\nmsgid \"Visit site\\r\\nTell a friend\\r\\n\\r\\n\"\n"
    "msgstr \"Seite besuchen\\r\\nWeiterempfehlen\\r\\n\\r\\n\"\n\n"
    "msgctxt \"Wizard.SWizardNextButton\"\nmsgid \"&Next >\"\nmsgstr \"&Weiter >\"\n\n"
    "msgctxt \"TOptWnd.OptWnd.Caption\"\nmsgid \"Options\"\nmsgstr \"Optionen\"\n\n"
    "msgctxt \"TOptWnd.Button1.Caption\"\nmsgid \"Ok\"\nmsgstr \"OK\"\n\n"
    "msgctxt \"TOptWnd.CmBox231.Items.Strings\"\nmsgid \"Low\\nHigh\"\nmsgstr \"Niedrig\\nHoch\"\n";

struct Catalogues : ::testing::Test {
    BasicLocale locale;
    LangResource dict{locale};
    LangFile native;

    void SetUp() override {
        AddStringTable(dict, kStrings);
        AddFormText(dict, kForm);
        native.LangID = kProgramLangId;
        native.BuildStamp = 174;
        NumberItems(dict, native.LastConstID, native.LastPropID);
    }

    std::vector<std::string> Contexts() const {
        std::vector<std::string> contexts;
        for (const CatalogEntry& entry : TranslatableEntries(dict)) contexts.push_back(entry.context);
        return contexts;
    }
};

TEST_F(Catalogues, EntriesAreTheTextsOfUnitsAndFormsWithTheirContexts) {
    EXPECT_EQ(
        Contexts(), (std::vector<std::string>{
                        "Main.STrayInetPack", "Wizard.SWizardNextButton", "TOptWnd.OptWnd.Caption",
                        "TOptWnd.Button1.Caption", "TOptWnd.CmBox231.Items.Strings"})
    );
    const auto entries = TranslatableEntries(dict);
    EXPECT_EQ(entries[0].source, "Visit site\r\nTell a friend\r\n\r\n");
    EXPECT_EQ(entries[0].comment, "ResID 65207");
    EXPECT_EQ(entries[4].source, "Low\nHigh");

    // The template lists each with an empty translation, and a header to fill in.
    const PoCatalog pot = ParsePo(ExtractTemplate(dict));
    ASSERT_EQ(pot.entries.size(), 5u);
    EXPECT_TRUE(std::all_of(pot.entries.begin(), pot.entries.end(), [](const PoEntry& e) {
        return e.translation.empty();
    }));
    EXPECT_EQ(pot.entries[4].context, "TOptWnd.CmBox231.Items.Strings");
    EXPECT_TRUE(pot.header.count("X-Language-Id"));
}

TEST_F(Catalogues, CoverageListsUntranslatedChangedAndObsoleteEntries) {
    const PoCatalog catalog = ParsePo(
        std::string(kGermanHeader) +
        "msgctxt \"Wizard.SWizardNextButton\"\nmsgid \"&Next >\"\nmsgstr \"&Weiter >\"\n\n"
        "#, fuzzy\nmsgctxt \"TOptWnd.OptWnd.Caption\"\nmsgid \"Options\"\nmsgstr \"Optionen\"\n\n"
        "msgctxt \"TOptWnd.Button1.Caption\"\nmsgid \"OK\"\nmsgstr \"OK\"\n\n"
        "msgctxt \"TOptWnd.CmBox231.Items.Strings\"\nmsgid \"Low\\nHigh\"\nmsgstr \"Niedrig\\nHoch\"\n\n"
        "msgctxt \"Main.SGone\"\nmsgid \"Gone\"\nmsgstr \"Weg\"\n"
    );
    const Coverage coverage = CheckCoverage(dict, catalog);
    EXPECT_EQ(coverage.total, 5u);
    EXPECT_EQ(coverage.untranslated, (std::vector<std::string>{"Main.STrayInetPack", "TOptWnd.OptWnd.Caption"}));
    EXPECT_EQ(coverage.changed, std::vector<std::string>{"TOptWnd.Button1.Caption"});
    EXPECT_EQ(coverage.obsolete, std::vector<std::string>{"Main.SGone"});
    EXPECT_FALSE(coverage.Complete());

    EXPECT_TRUE(CheckCoverage(dict, ParsePo(std::string(kGermanHeader) + kCompleteGerman)).Complete());
}

// A translation that loses a placeholder, a mnemonic or a line break of its source would
// break the formatting, the keyboard access or the layout that relies on it.
TEST_F(Catalogues, CoverageListsTranslationsThatChangeTheirSourcesShape) {
    std::string entries = kCompleteGerman;
    auto replace = [&](const std::string& from, const std::string& to) {
        entries.replace(entries.find(from), from.size(), to);
    };
    replace("Seite besuchen\\r\\nWeiterempfehlen", "Seite besuchen, weiterempfehlen");
    replace("&Weiter", "Weiter");
    const PoCatalog catalog = ParsePo(std::string(kGermanHeader) + entries);
    const Coverage coverage = CheckCoverage(dict, catalog);
    EXPECT_EQ(
        coverage.misshapen, (std::vector<std::string>{
                                "Main.STrayInetPack: line breaks 3 became 2",
                                "Wizard.SWizardNextButton: mnemonics 1 became 0",
                            })
    );
    EXPECT_TRUE(coverage.untranslated.empty());
    EXPECT_FALSE(coverage.Complete());
}

TEST_F(Catalogues, CompiledLanguageCarriesTheTranslationsUnderTheNativeIds) {
    const PoCatalog catalog = ParsePo(
        std::string(kGermanHeader) +
        "msgctxt \"Wizard.SWizardNextButton\"\nmsgid \"&Next >\"\nmsgstr \"&Weiter >\"\n\n"
        "msgctxt \"TOptWnd.OptWnd.Caption\"\nmsgid \"Options\"\nmsgstr \"Einstellungen f\xC3\xBCr O'Neil\"\n\n"
        "msgctxt \"TOptWnd.Button1.Caption\"\nmsgid \"Changed\"\nmsgstr \"Wrong\"\n\n"
        "msgctxt \"TOptWnd.CmBox231.Items.Strings\"\nmsgid \"Low\\nHigh\"\nmsgstr \"Niedrig\\nHoch\"\n"
    );
    const LangFile german = CompileTranslation(dict, native, catalog);
    EXPECT_EQ(german.LangID, 0x0407);
    EXPECT_EQ(german.Name, "German");
    EXPECT_EQ(german.NativeName, u"Deutsch");
    EXPECT_EQ(german.BuildStamp, 174u);
    EXPECT_EQ(german.TargetIndex, 1);
    EXPECT_NE(german.LangStamp, 0u);

    // Written and merged by ID into a fresh copy of the native dictionary, as the program does.
    LangResource program(locale);
    AddStringTable(program, kStrings);
    AddFormText(program, kForm);
    std::uint32_t lastConst = 0, lastProp = 0;
    NumberItems(program, lastConst, lastProp);
    MemoryStream stream(german.Write(dict, german.TargetIndex));
    LangFile loaded;
    const int index = program.AddLanguage(0, 0x0407);
    loaded.LoadInto(stream, &program, 0, index);
    EXPECT_EQ(loaded.LangStamp, german.LangStamp);
    auto text = [&](std::string_view component, std::string_view property) {
        return program.PropertyByNames("OptWnd", component, property)->Value(index)->Text();
    };
    EXPECT_EQ(program.ConstantByNames("Wizard", "SWizardNextButton")->Value(index)->Text(), u"&Weiter >");
    EXPECT_EQ(
        program.ConstantByNames("Main", "STrayInetPack")->Value(index)->Text(), u"Visit site\r\nTell a friend\r\n\r\n"
    );
    EXPECT_EQ(text("", "Caption"), u"Einstellungen f\u00FCr O'Neil");
    EXPECT_EQ(text("Button1", "Caption"), u"Ok");  // made for another English text: not used
    EXPECT_EQ(text("CmBox231", "Items.Strings"), u"Niedrig\r\nHoch");
    EXPECT_EQ(text("", "Width"), u"400");
    EXPECT_EQ(text("", "Font.Name"), u"MS Sans Serif");

    // The stamp follows the content: the same translation gives the same stamp, another a new one.
    LangResource again(locale);
    AddStringTable(again, kStrings);
    AddFormText(again, kForm);
    NumberItems(again, lastConst, lastProp);
    EXPECT_EQ(CompileTranslation(again, native, catalog).LangStamp, german.LangStamp);
    PoCatalog changed = catalog;
    changed.entries[0].translation = "&Vorw\xC3\xA4rts >";
    LangResource third(locale);
    AddStringTable(third, kStrings);
    AddFormText(third, kForm);
    NumberItems(third, lastConst, lastProp);
    EXPECT_NE(CompileTranslation(third, native, changed).LangStamp, german.LangStamp);
}

TEST_F(Catalogues, CompilingNeedsAHeaderThatFitsTheLanguage) {
    auto messageOf = [&](const std::string& header) {
        try {
            CompileTranslation(dict, native, ParsePo(header));
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf("msgid \"\"\nmsgstr \"Language: de\\n\"\n"), "PO header field \"X-Language-Id\" missing");
    std::string header = kGermanHeader;
    EXPECT_EQ(
        messageOf(header.replace(header.find("1252"), 4, "1251")),
        "X-Code-Page 1251 is not the language's code page 1252"
    );
    header = kGermanHeader;
    EXPECT_EQ(
        messageOf(header.replace(header.find("0x0407"), 6, "German")),
        "PO header field \"X-Language-Id\" is not a valid number: German"
    );
}

}  // namespace
