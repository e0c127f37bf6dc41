#pragma once
#include <optional>

#include "core/forms/code_page.h"
#include "core/localizer/locale.h"

namespace localizer {

// One of the locale's code pages as the form readers and writers take it. A character the
// code page cannot hold has no 8-bit form (the platform would put a "?" in its place).
class LocaleCodePage : public forms::CodePage {
public:
    LocaleCodePage(const Locale& locale, std::uint32_t codePage) : locale_(&locale), codePage_(codePage) {}

    std::u16string ToWide(std::string_view text) const override { return locale_->ToWide(text, codePage_); }
    std::optional<std::string> ToNarrow(std::u16string_view text) const override {
        std::string narrow = locale_->ToNarrow(text, codePage_);
        if (locale_->ToWide(narrow, codePage_) != text) return std::nullopt;
        return narrow;
    }

private:
    const Locale* locale_;  // not owned
    std::uint32_t codePage_;
};

}  // namespace localizer
