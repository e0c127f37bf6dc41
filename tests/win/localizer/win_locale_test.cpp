#include "localizer/win_locale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/localizer/lang_resource.h"

using namespace localizer;

namespace {
const Locale& L() { return SystemLocale(); }
}  // namespace

TEST(WinLocale, CodePageOfALanguage) {
    EXPECT_EQ(CodePageOf(L(), 0x0409), 1252u);
    EXPECT_EQ(CodePageOf(L(), 0x0419), 1251u);
    EXPECT_EQ(CodePageOf(L(), 0x0411), 932u);
    EXPECT_EQ(CodePageOf(L(), 0x0408), 1253u);
    EXPECT_EQ(CharsetOf(L(), 0x0419), RUSSIAN_CHARSET);
    EXPECT_EQ(CharsetOf(L(), 0x0409), ANSI_CHARSET);
}

TEST(WinLocale, ConversionsUseTheLanguagesCodePage) {
    EXPECT_EQ(ToNarrow(L(), u"\u0416", 0x0419), "\xC6");
    EXPECT_EQ(ToWide(L(), "\xC6", 0x0419), u"\u0416");
    EXPECT_EQ(ToWide(L(), "caf\xE9", 0x0409), u"caf\u00E9");
}

TEST(WinLocale, SortKeysIgnoreCase) {
    auto lower = L().SortKey("abc", 0x0409);
    ASSERT_FALSE(lower.empty());
    EXPECT_EQ(lower.back(), 0);  // the terminator is included
    EXPECT_EQ(lower, L().SortKey("ABC", 0x0409));
    EXPECT_NE(lower, L().SortKey("abd", 0x0409));
    // A value keeps the key of its text.
    LangResource dict(L());
    auto* c = dict.Units().FindOrAdd("U")->FindOrAddConstant("S", 1, 1);
    c->Value(0)->Assign(u"Abc", 0x0409);
    EXPECT_EQ(c->Value(0)->SortKey(), lower);
}

TEST(WinLocale, AbbreviationRule) {
    EXPECT_EQ(LanguageAbbreviation(L(), 0x0409), "ENU");
    EXPECT_EQ(LanguageAbbreviation(L(), 0x0407), "DEU");
    EXPECT_EQ(LanguageAbbreviation(L(), 0x0419), "RUS");
    // A bare primary language keeps only two letters.
    EXPECT_EQ(LanguageAbbreviation(L(), 0x0007), "DE");
}

TEST(WinLocale, EnglishNames) {
    EXPECT_EQ(EnglishLanguageName(L(), 0x0409), "English (United States)");
    EXPECT_EQ(EnglishLanguageName(L(), 0x0C0A), "Spanish (International Sort)");
    EXPECT_EQ(EnglishLanguageName(L(), 0x0804), "Chinese (PRC)");
    // Outside the table: the locale's English name, and its abbreviation for a locale.
    auto english = L().LocaleInfo(0x0462, Locale::Info::EnglishLanguage);
    auto abbr = L().LocaleInfo(0x0462, Locale::Info::AbbrevLangName);
    ASSERT_TRUE(english && abbr);
    EXPECT_EQ(EnglishLanguageName(L(), 0x0462), *english + " (" + *abbr + ")");
    EXPECT_EQ(EnglishLanguageName(L(), 0x0007), *L().LocaleInfo(0x0007, Locale::Info::EnglishLanguage));
}

TEST(WinLocale, InstalledLanguagesAndLookupByAbbreviation) {
    auto list = InstalledLanguages(L());
    ASSERT_GT(list.size(), 10u);
    auto has = [&](std::uint16_t id) {
        for (auto& e : list)
            if (e.langId == id) return true;
        return false;
    };
    EXPECT_TRUE(has(0x0409));
    EXPECT_TRUE(has(0x0407));
    // German has several locales, so a primary entry stands before the first of them.
    EXPECT_TRUE(has(0x0007));
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].langId == 0x0007) {
            EXPECT_EQ(list[i].name.find('('), std::string::npos) << list[i].name;
            break;
        }
        EXPECT_NE(list[i].langId & 0xFF, 0x07) << "a German locale before its primary entry";
    }
    EXPECT_EQ(LanguageByAbbreviation(L(), list, "enu"), 0x0409);
    EXPECT_EQ(LanguageByAbbreviation(L(), list, "DEU"), 0x0407);
    EXPECT_EQ(LanguageByAbbreviation(L(), list, "rus"), 0x0419);
    EXPECT_EQ(LanguageByAbbreviation(L(), list, "de"), 0x0007);
    EXPECT_EQ(LanguageByAbbreviation(L(), list, "xqx"), 0);  // (Wine names some locales "ZZZ")
}
