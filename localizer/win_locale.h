#pragma once
#include "core/localizer/locale.h"

// The platform's national-language support behind the language core's Locale interface
//: GetLocaleInfo, EnumSystemLocales, the ANSI code page conversions,
// LCMapString sort keys and TranslateCharsetInfo.
namespace localizer {

class WinLocale : public Locale {
public:
    std::uint16_t UserDefaultLangId() const override;
    std::uint32_t SystemCodePage() const override;
    std::uint32_t DefaultAnsiCodePage(std::uint16_t langId) const override;
    std::u16string ToWide(std::string_view text, std::uint32_t codePage) const override;
    std::string ToNarrow(std::u16string_view text, std::uint32_t codePage) const override;
    std::vector<std::uint8_t> SortKey(std::string_view text, std::uint16_t langId) const override;
    std::optional<int> CharsetOfCodePage(std::uint32_t codePage) const override;
    std::optional<std::string> LocaleInfo(std::uint16_t langId, Info info) const override;
    std::vector<SystemLocale> SupportedLocales() const override;
};

// The process-wide instance.
const WinLocale& SystemLocale();

}  // namespace localizer
