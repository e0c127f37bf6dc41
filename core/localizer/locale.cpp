#include "core/localizer/locale.h"

#include "core/localizer/errors.h"

#include <algorithm>
#include <array>
#include <utility>

namespace localizer {

namespace {

struct NameEntry {
    std::uint16_t id;
    const char* name;
};

// The names of the platform's published locale list (Windows 2000/XP "Locale ID (LCID)
// Chart"), 135 identifiers, in the list's alphabetical order.
constexpr NameEntry kEnglishNames[] = {
    {0x0436, "Afrikaans"},
    {0x041C, "Albanian"},
    {0x1401, "Arabic (Algeria)"},
    {0x3C01, "Arabic (Bahrain)"},
    {0x0C01, "Arabic (Egypt)"},
    {0x0801, "Arabic (Iraq)"},
    {0x2C01, "Arabic (Jordan)"},
    {0x3401, "Arabic (Kuwait)"},
    {0x3001, "Arabic (Lebanon)"},
    {0x1001, "Arabic (Libya)"},
    {0x1801, "Arabic (Morocco)"},
    {0x2001, "Arabic (Oman)"},
    {0x4001, "Arabic (Qatar)"},
    {0x0401, "Arabic (Saudi Arabia)"},
    {0x2801, "Arabic (Syria)"},
    {0x1C01, "Arabic (Tunisia)"},
    {0x3801, "Arabic (U.A.E.)"},
    {0x2401, "Arabic (Yemen)"},
    {0x042B, "Armenian"},
    {0x082C, "Azeri (Cyrillic)"},
    {0x042C, "Azeri (Latin)"},
    {0x042D, "Basque"},
    {0x0423, "Belarusian"},
    {0x0402, "Bulgarian"},
    {0x0403, "Catalan"},
    {0x0C04, "Chinese (Hong Kong S.A.R.)"},
    {0x1404, "Chinese (Macau S.A.R.)"},
    {0x0804, "Chinese (PRC)"},
    {0x1004, "Chinese (Singapore)"},
    {0x0404, "Chinese (Taiwan)"},
    {0x041A, "Croatian"},
    {0x0405, "Czech"},
    {0x0406, "Danish"},
    {0x0465, "Divehi"},
    {0x0813, "Dutch (Belgium)"},
    {0x0413, "Dutch (Netherlands)"},
    {0x0C09, "English (Australia)"},
    {0x2809, "English (Belize)"},
    {0x1009, "English (Canada)"},
    {0x2409, "English (Caribbean)"},
    {0x1809, "English (Ireland)"},
    {0x2009, "English (Jamaica)"},
    {0x1409, "English (New Zealand)"},
    {0x3409, "English (Philippines)"},
    {0x1C09, "English (South Africa)"},
    {0x2C09, "English (Trinidad)"},
    {0x0809, "English (United Kingdom)"},
    {0x0409, "English (United States)"},
    {0x3009, "English (Zimbabwe)"},
    {0x0425, "Estonian"},
    {0x0438, "Faroese"},
    {0x0429, "Farsi"},
    {0x040B, "Finnish"},
    {0x080C, "French (Belgium)"},
    {0x0C0C, "French (Canada)"},
    {0x040C, "French (France)"},
    {0x140C, "French (Luxembourg)"},
    {0x180C, "French (Monaco)"},
    {0x100C, "French (Switzerland)"},
    {0x042F, "FYRO Macedonian"},
    {0x0456, "Galician"},
    {0x0437, "Georgian"},
    {0x0C07, "German (Austria)"},
    {0x0407, "German (Germany)"},
    {0x1407, "German (Liechtenstein)"},
    {0x1007, "German (Luxembourg)"},
    {0x0807, "German (Switzerland)"},
    {0x0408, "Greek"},
    {0x0447, "Gujarati"},
    {0x040D, "Hebrew"},
    {0x0439, "Hindi"},
    {0x040E, "Hungarian"},
    {0x040F, "Icelandic"},
    {0x0421, "Indonesian"},
    {0x0410, "Italian (Italy)"},
    {0x0810, "Italian (Switzerland)"},
    {0x0411, "Japanese"},
    {0x044B, "Kannada"},
    {0x043F, "Kazakh"},
    {0x0457, "Konkani"},
    {0x0412, "Korean"},
    {0x0440, "Kyrgyz (Cyrillic)"},
    {0x0426, "Latvian"},
    {0x0427, "Lithuanian"},
    {0x083E, "Malay (Brunei Darussalam)"},
    {0x043E, "Malay (Malaysia)"},
    {0x044E, "Marathi"},
    {0x0450, "Mongolian (Cyrillic)"},
    {0x0414, "Norwegian (Bokmal)"},
    {0x0814, "Norwegian (Nynorsk)"},
    {0x0415, "Polish"},
    {0x0416, "Portuguese (Brazil)"},
    {0x0816, "Portuguese (Portugal)"},
    {0x0446, "Punjabi"},
    {0x0418, "Romanian"},
    {0x0419, "Russian"},
    {0x044F, "Sanskrit"},
    {0x0C1A, "Serbian (Cyrillic)"},
    {0x081A, "Serbian (Latin)"},
    {0x041B, "Slovak"},
    {0x0424, "Slovenian"},
    {0x2C0A, "Spanish (Argentina)"},
    {0x400A, "Spanish (Bolivia)"},
    {0x340A, "Spanish (Chile)"},
    {0x240A, "Spanish (Colombia)"},
    {0x140A, "Spanish (Costa Rica)"},
    {0x1C0A, "Spanish (Dominican Republic)"},
    {0x300A, "Spanish (Ecuador)"},
    {0x440A, "Spanish (El Salvador)"},
    {0x100A, "Spanish (Guatemala)"},
    {0x480A, "Spanish (Honduras)"},
    {0x080A, "Spanish (Mexico)"},
    {0x4C0A, "Spanish (Nicaragua)"},
    {0x180A, "Spanish (Panama)"},
    {0x3C0A, "Spanish (Paraguay)"},
    {0x280A, "Spanish (Peru)"},
    {0x500A, "Spanish (Puerto Rico)"},
    {0x040A, "Spanish (Traditional Sort)"},
    {0x0C0A, "Spanish (International Sort)"},
    {0x380A, "Spanish (Uruguay)"},
    {0x200A, "Spanish (Venezuela)"},
    {0x0441, "Swahili"},
    {0x041D, "Swedish"},
    {0x081D, "Swedish (Finland)"},
    {0x045A, "Syriac"},
    {0x0449, "Tamil"},
    {0x0444, "Tatar"},
    {0x044A, "Telugu"},
    {0x041E, "Thai"},
    {0x041F, "Turkish"},
    {0x0422, "Ukrainian"},
    {0x0420, "Urdu"},
    {0x0843, "Uzbek (Cyrillic)"},
    {0x0443, "Uzbek (Latin)"},
    {0x042A, "Vietnamese"},
};

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return std::string(text.substr(b, e - b));
}

}  // namespace

std::size_t EnglishNamesTableSize() { return std::size(kEnglishNames); }

std::optional<std::string_view> TableEnglishName(std::uint16_t langId) {
    for (const auto& e : kEnglishNames)
        if (e.id == langId) return std::string_view(e.name);
    return std::nullopt;
}

int CompareTextAscii(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(FoldAscii(a[i]));
        unsigned char y = static_cast<unsigned char>(FoldAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareTextAscii(a, b) == 0;
}

std::uint32_t CodePageOf(const Locale& locale, std::uint16_t langId) {
    std::uint32_t cp = locale.DefaultAnsiCodePage(langId);
    return cp != 0 ? cp : locale.SystemCodePage();
}

int CharsetOf(const Locale& locale, std::uint16_t langId) {
    if (auto cs = locale.CharsetOfCodePage(CodePageOf(locale, langId))) return *cs;
    if (auto cs = locale.CharsetOfCodePage(locale.SystemCodePage())) return *cs;
    return 1;  // DEFAULT_CHARSET
}

std::u16string ToWide(const Locale& locale, std::string_view text, std::uint16_t langId) {
    if (text.empty()) return {};
    std::u16string wide = locale.ToWide(text, CodePageOf(locale, langId));
    if (wide.empty()) wide = locale.ToWide(text, locale.SystemCodePage());
    return wide;
}

std::string ToNarrow(const Locale& locale, std::u16string_view text, std::uint16_t langId) {
    if (text.empty()) return {};
    std::string narrow = locale.ToNarrow(text, CodePageOf(locale, langId));
    if (narrow.empty()) narrow = locale.ToNarrow(text, locale.SystemCodePage());
    return narrow;
}

std::string LanguageAbbreviation(const Locale& locale, std::uint16_t langId) {
    std::string abbr = locale.LocaleInfo(langId, Locale::Info::AbbrevLangName).value_or("");
    if (IsPrimaryLanguage(langId) && abbr.size() > 2) abbr.resize(2);
    return abbr;
}

std::string EnglishLanguageName(const Locale& locale, std::uint16_t langId) {
    if (auto name = TableEnglishName(langId)) return std::string(*name);
    auto english = locale.LocaleInfo(langId, Locale::Info::EnglishLanguage);
    if (!english) throw LocalesError(msg::kCanNotGetLocaleInfo);
    std::string name = *english;
    if (!IsPrimaryLanguage(langId)) {
        auto abbr = locale.LocaleInfo(langId, Locale::Info::AbbrevLangName);
        if (!abbr) throw LocalesError(msg::kCanNotGetLocaleInfo);
        name += " (" + *abbr + ")";
    }
    return name;
}

std::vector<InstalledLanguage> InstalledLanguages(const Locale& locale) {
    std::vector<InstalledLanguage> list;
    for (auto& l : locale.SupportedLocales()) list.push_back({l.langId, l.name});
    auto isEntry = [&](std::uint16_t id) {
        return std::any_of(list.begin(), list.end(), [id](const auto& e) { return e.langId == id; });
    };
    std::size_t i = 0;
    while (list.size() >= 2 && i < list.size() - 1) {
        std::uint16_t primary = list[i].langId & 0xFF;
        bool later = false;
        for (std::size_t j = i + 1; j < list.size() && !later; ++j) later = (list[j].langId & 0xFF) == primary;
        if (!isEntry(primary) && later) {
            std::string_view name = list[i].name;
            name = name.substr(0, name.find('('));
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), InstalledLanguage{primary, Trim(name)});
            i += 2;
        } else {
            ++i;
        }
    }
    return list;
}

std::uint16_t LanguageByAbbreviation(
    const Locale& locale, const std::vector<InstalledLanguage>& languages, std::string_view abbreviation
) {
    for (const auto& e : languages)
        if (SameTextAscii(LanguageAbbreviation(locale, e.langId), abbreviation)) return e.langId;
    return 0;
}

std::uint16_t LanguageByAbbreviation(const Locale& locale, std::string_view abbreviation) {
    return LanguageByAbbreviation(locale, InstalledLanguages(locale), abbreviation);
}

}  // namespace localizer
