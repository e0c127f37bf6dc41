#include "core/localizer/locale.h"

#include <gtest/gtest.h>

#include "core/localizer/basic_locale.h"
#include "core/localizer/errors.h"

using namespace localizer;

namespace {

BasicLocale Sample() {
    // Platform order as EnumSystemLocales might give it; 0x0C0C has code page 0 (not
    // installed, so not listed).
    return BasicLocale({
        {0x0407, "DEU", "German", "Deutsch (Deutschland)", 1252},
        {0x0807, "DES", "German", "Deutsch (Schweiz)", 1252},
        {0x0409, "ENU", "English", "English (United States)", 1252},
        {0x0419, "RUS", "Russian", "Russian", 1251},
        {0x040C, "FRA", "French", "French (France)", 1252},
        {0x0C0C, "FRC", "French", "French (Canada)", 0},
        {0x0013, "NLD", "Dutch", "Nederlands", 1252},
        {0x0413, "NLD", "Dutch", "Nederlands (Nederland)", 1252},
        {0x0813, "NLB", "Dutch", "Nederlands (Belgie)", 1252},
    });
}

}  // namespace

TEST(Locale, CodePageFallsBackToTheSystemCodePage) {
    BasicLocale l = Sample();
    EXPECT_EQ(CodePageOf(l, 0x0419), 1251u);
    EXPECT_EQ(CodePageOf(l, 0x0C0C), 1252u);  // the locale gives none
    EXPECT_EQ(CodePageOf(l, 0x7777), 1252u);
}

TEST(Locale, CharsetOfTheCodePageThenOfTheSystemThenDefault) {
    BasicLocale l = Sample();
    EXPECT_EQ(CharsetOf(l, 0x0419), 204);
    EXPECT_EQ(CharsetOf(l, 0x0409), 0);
    BasicLocale odd({{0x0401, "ARA", "Arabic", "Arabic", 1256}}, 0x0401, 1256);
    EXPECT_EQ(CharsetOf(odd, 0x0401), 1);
}

TEST(Locale, ConversionsFallBackToTheSystemCodePageWhenTheyYieldNothing) {
    BasicLocale l = Sample();
    // 1251 is unknown to the portable locale, so the system code page (1252) converts.
    EXPECT_EQ(ToWide(l, "caf\xe9", 0x0419), u"caf\u00e9");
    EXPECT_EQ(ToNarrow(l, u"\u20ac", 0x0409), "\x80");
    EXPECT_EQ(ToWide(l, "", 0x0409), u"");
}

TEST(Locale, AbbreviationRule) {
    BasicLocale l = Sample();
    EXPECT_EQ(LanguageAbbreviation(l, 0x0407), "DEU");
    EXPECT_EQ(LanguageAbbreviation(l, 0x0013), "NL");  // bare primary language: two letters
    EXPECT_EQ(LanguageAbbreviation(l, 0x7777), "");
}

TEST(Locale, EnglishNamesFromTheTableElseFromTheLocale) {
    BasicLocale l = Sample();
    EXPECT_EQ(EnglishNamesTableSize(), 135u);
    EXPECT_EQ(EnglishLanguageName(l, 0x0409), "English (United States)");
    EXPECT_EQ(EnglishLanguageName(l, 0x0436), "Afrikaans");
    EXPECT_EQ(EnglishLanguageName(l, 0x0C0A), "Spanish (International Sort)");
    EXPECT_EQ(EnglishLanguageName(l, 0x040A), "Spanish (Traditional Sort)");
    EXPECT_EQ(EnglishLanguageName(l, 0x0443), "Uzbek (Latin)");
    EXPECT_EQ(EnglishLanguageName(l, 0x042A), "Vietnamese");
    EXPECT_EQ(EnglishLanguageName(l, 0x0804), "Chinese (PRC)");
    // Outside the table: the locale's English name, with the abbreviation for a locale.
    EXPECT_EQ(EnglishLanguageName(l, 0x0013), "Dutch");
    EXPECT_EQ(EnglishLanguageName(l, 0x0807), "German (Switzerland)");  // in the table
    BasicLocale extra({{0x0C13, "NLX", "Dutch", "Nederlands (X)", 1252}});
    EXPECT_EQ(EnglishLanguageName(extra, 0x0C13), "Dutch (NLX)");
    try {
        EnglishLanguageName(l, 0x7777);
        FAIL();
    } catch (const LocalesError& e) {
        EXPECT_STREQ(e.what(), "Can not get locale info");
    }
}

TEST(Locale, InstalledLanguagesInsertPrimaryEntries) {
    BasicLocale l = Sample();
    auto list = InstalledLanguages(l);
    std::vector<std::pair<std::uint16_t, std::string>> got;
    for (auto& e : list) got.emplace_back(e.langId, e.name);
    // German has two locales and no primary entry: "Deutsch" is inserted before the first.
    // English, Russian and French have one listed locale each; Dutch has its primary.
    EXPECT_EQ(
        got, (std::vector<std::pair<std::uint16_t, std::string>>{
                 {0x0007, "Deutsch"},
                 {0x0407, "Deutsch (Deutschland)"},
                 {0x0807, "Deutsch (Schweiz)"},
                 {0x0409, "English (United States)"},
                 {0x0419, "Russian"},
                 {0x040C, "French (France)"},
                 {0x0013, "Nederlands"},
                 {0x0413, "Nederlands (Nederland)"},
                 {0x0813, "Nederlands (Belgie)"},
             })
    );
}

TEST(Locale, LanguageByAbbreviation) {
    BasicLocale l({
        {0x0407, "DEU", "German", "Deutsch (Deutschland)", 1252},
        {0x0807, "DES", "German", "Deutsch (Schweiz)", 1252},
        {0x0409, "ENU", "English", "English (United States)", 1252},
        {0x0007, "DEU", "German", "Deutsch", 1252},
    });
    // Two-letter text: only a primary language, which exists when there are two locales.
    EXPECT_EQ(LanguageByAbbreviation(l, "de"), 0x0007);
    EXPECT_EQ(LanguageByAbbreviation(l, "des"), 0x0807);
    EXPECT_EQ(LanguageByAbbreviation(l, "DEU"), 0x0407);
    EXPECT_EQ(LanguageByAbbreviation(l, "en"), 0);  // one English locale: no primary entry
    EXPECT_EQ(LanguageByAbbreviation(l, "enu"), 0x0409);
    EXPECT_EQ(LanguageByAbbreviation(l, "xx"), 0);
}
