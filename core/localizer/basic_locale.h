#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/localizer/locale.h"

namespace localizer {

// A portable stand-in for the platform's national-language support, for the native tests
// and tools: a small fixed table of locales, Windows-1252 and UTF-8 conversions (other
// code pages convert to nothing, so the system-code-page fallback shows), and a sort key
// that folds ASCII case.
class BasicLocale : public Locale {
public:
    struct Entry {
        std::uint16_t langId;
        std::string abbreviation;  // LOCALE_SABBREVLANGNAME
        std::string english;       // LOCALE_SENGLANGUAGE
        std::string name;          // LOCALE_SLANGUAGE
        std::uint32_t codePage;    // LOCALE_IDEFAULTANSICODEPAGE, 0 for none
    };

    BasicLocale();  // a handful of common locales; user default 0x0409, system code page 1252
    explicit BasicLocale(
        std::vector<Entry> entries, std::uint16_t userDefault = 0x0409, std::uint32_t systemCodePage = 1252
    );

    std::uint16_t UserDefaultLangId() const override { return userDefault_; }
    std::uint32_t SystemCodePage() const override { return systemCodePage_; }
    std::uint32_t DefaultAnsiCodePage(std::uint16_t langId) const override;
    std::u16string ToWide(std::string_view text, std::uint32_t codePage) const override;
    std::string ToNarrow(std::u16string_view text, std::uint32_t codePage) const override;
    std::vector<std::uint8_t> SortKey(std::string_view text, std::uint16_t langId) const override;
    std::optional<int> CharsetOfCodePage(std::uint32_t codePage) const override;
    std::optional<std::string> LocaleInfo(std::uint16_t langId, Info info) const override;
    std::vector<SystemLocale> SupportedLocales() const override;

private:
    const Entry* Find(std::uint16_t langId) const;
    std::vector<Entry> entries_;
    std::uint16_t userDefault_;
    std::uint32_t systemCodePage_;
};

// UTF-16 <-> UTF-8 (malformed input becomes U+FFFD), shared by the tools.
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace localizer
