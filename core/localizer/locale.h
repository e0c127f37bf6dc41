#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The locale functions. The platform's national-language support sits behind
// `Locale` (raw queries only: one Win32 implementation in localizer/, one portable
// implementation in basic_locale.h for tests and tools); the rules built on the queries
// (fallback code pages, the abbreviation rule, the English names table, the installed
// languages list and the lookup by abbreviation) are portable functions below.
namespace localizer {

class Locale {
public:
    virtual ~Locale() = default;

    // GetUserDefaultLangID.
    virtual std::uint16_t UserDefaultLangId() const = 0;
    // GetACP.
    virtual std::uint32_t SystemCodePage() const = 0;
    // LOCALE_IDEFAULTANSICODEPAGE of the locale as a number; 0 when the locale gives none.
    virtual std::uint32_t DefaultAnsiCodePage(std::uint16_t langId) const = 0;
    // MultiByteToWideChar / WideCharToMultiByte with no flags; empty when the conversion
    // yields nothing (unknown code page, or empty input).
    virtual std::u16string ToWide(std::string_view text, std::uint32_t codePage) const = 0;
    virtual std::string ToNarrow(std::u16string_view text, std::uint32_t codePage) const = 0;
    // LCMapString(langId, LCMAP_SORTKEY | NORM_IGNORECASE) of 8-bit text, the terminator
    // included; empty when the mapping fails.
    virtual std::vector<std::uint8_t> SortKey(std::string_view text, std::uint16_t langId) const = 0;
    // TranslateCharsetInfo(TCI_SRCCODEPAGE); nothing when it fails.
    virtual std::optional<int> CharsetOfCodePage(std::uint32_t codePage) const = 0;

    enum class Info { AbbrevLangName, EnglishLanguage, Language };
    // GetLocaleInfo of one text field; nothing when the locale gives none. Raises
    // LocalesError "Can not get locale info" when the second call returns another length.
    virtual std::optional<std::string> LocaleInfo(std::uint16_t langId, Info info) const = 0;

    struct SystemLocale {
        std::uint16_t langId;
        std::string name;  // LOCALE_SLANGUAGE
    };
    // EnumSystemLocales(LCID_SUPPORTED) in the platform's order, keeping the locales whose
    // default ANSI code page is a valid installed code page.
    virtual std::vector<SystemLocale> SupportedLocales() const = 0;
};

// Code page of a language identifier: the locale's default ANSI code page, else the system's.
std::uint32_t CodePageOf(const Locale& locale, std::uint16_t langId);
// Character set of a language: of its code page, else of the system code page, else 1.
int CharsetOf(const Locale& locale, std::uint16_t langId);
// 8-bit text to UTF-16 and back in the language's code page; when that yields nothing for
// non-empty input, the system code page is used instead.
std::u16string ToWide(const Locale& locale, std::string_view text, std::uint16_t langId);
std::string ToNarrow(const Locale& locale, std::u16string_view text, std::uint16_t langId);

// Whether the identifier is a bare primary language (its low 8 bits are the whole of it).
constexpr bool IsPrimaryLanguage(std::uint16_t langId) { return (langId & 0xFF) == langId; }

// LOCALE_SABBREVLANGNAME, only its first two letters for a bare primary language; empty
// when the locale gives none.
std::string LanguageAbbreviation(const Locale& locale, std::uint16_t langId);

// The name of the published locale list for the 135 identifiers of the fixed table, else
// the locale's English language name plus " (" abbreviation ")" for a specific locale.
std::string EnglishLanguageName(const Locale& locale, std::uint16_t langId);
// The fixed table alone: nothing for identifiers outside it.
std::optional<std::string_view> TableEnglishName(std::uint16_t langId);
std::size_t EnglishNamesTableSize();

struct InstalledLanguage {
    std::uint16_t langId;
    std::string name;
};
// The supported locales, with a primary-language entry inserted before the first of two or
// more locales of one primary language that has none.
std::vector<InstalledLanguage> InstalledLanguages(const Locale& locale);
// First installed language whose abbreviation equals `abbreviation` (ASCII case ignored);
// 0 when none.
std::uint16_t LanguageByAbbreviation(const Locale& locale, std::string_view abbreviation);
// Same, over a list already built.
std::uint16_t LanguageByAbbreviation(
    const Locale& locale, const std::vector<InstalledLanguage>& languages, std::string_view abbreviation
);

// ASCII-only case folding and comparison, as the named lists use.
int CompareTextAscii(std::string_view a, std::string_view b);
bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace localizer
