#include "localizer/win_locale.h"

#include <windows.h>

#include <cstdlib>

#include "core/localizer/errors.h"

namespace localizer {

namespace {

LCID LcidOf(std::uint16_t langId) { return MAKELCID(langId, SORT_DEFAULT); }

LCTYPE TypeOf(Locale::Info info) {
    switch (info) {
        case Locale::Info::AbbrevLangName:
            return LOCALE_SABBREVLANGNAME;
        case Locale::Info::EnglishLanguage:
            return LOCALE_SENGLANGUAGE;
        case Locale::Info::Language:
            return LOCALE_SLANGUAGE;
    }
    return LOCALE_SLANGUAGE;
}

// EnumSystemLocales hands each locale to a plain callback; the list being built is kept
// here for the duration of the call (the user-interface thread only).
std::vector<Locale::SystemLocale>* g_collecting = nullptr;
const WinLocale* g_locale = nullptr;

BOOL CALLBACK CollectLocale(LPSTR text) {
    LCID lcid = static_cast<LCID>(std::strtoul(text, nullptr, 16));
    auto langId = static_cast<std::uint16_t>(LANGIDFROMLCID(lcid));
    std::uint32_t cp = g_locale->DefaultAnsiCodePage(langId);
    if (cp != 0 && IsValidCodePage(cp)) {
        if (auto name = g_locale->LocaleInfo(langId, Locale::Info::Language)) g_collecting->push_back({langId, *name});
    }
    return TRUE;
}

}  // namespace

std::uint16_t WinLocale::UserDefaultLangId() const { return GetUserDefaultLangID(); }

std::uint32_t WinLocale::SystemCodePage() const { return GetACP(); }

std::uint32_t WinLocale::DefaultAnsiCodePage(std::uint16_t langId) const {
    char buffer[16] = {};
    if (GetLocaleInfoA(LcidOf(langId), LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer) == 0) return 0;
    return static_cast<std::uint32_t>(std::strtoul(buffer, nullptr, 10));
}

std::u16string WinLocale::ToWide(std::string_view text, std::uint32_t codePage) const {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return {};
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    n = MultiByteToWideChar(
        codePage, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(out.data()), n
    );
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

std::string WinLocale::ToNarrow(std::u16string_view text, std::uint32_t codePage) const {
    if (text.empty()) return {};
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    int n = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    n = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

std::vector<std::uint8_t> WinLocale::SortKey(std::string_view text, std::uint16_t langId) const {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int n = LCMapStringA(LcidOf(langId), flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return {};
    std::vector<std::uint8_t> key(static_cast<std::size_t>(n));
    n = LCMapStringA(
        LcidOf(langId), flags, text.data(), static_cast<int>(text.size()), reinterpret_cast<char*>(key.data()), n
    );
    if (n <= 0) return {};
    key.resize(static_cast<std::size_t>(n));
    return key;
}

std::optional<int> WinLocale::CharsetOfCodePage(std::uint32_t codePage) const {
    CHARSETINFO info = {};
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<std::uintptr_t>(codePage)), &info, TCI_SRCCODEPAGE))
        return std::nullopt;
    return static_cast<int>(info.ciCharset);
}

std::optional<std::string> WinLocale::LocaleInfo(std::uint16_t langId, Info info) const {
    LCTYPE type = TypeOf(info);
    int n = GetLocaleInfoA(LcidOf(langId), type, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(n), '\0');
    if (GetLocaleInfoA(LcidOf(langId), type, text.data(), n) != n) throw LocalesError(msg::kCanNotGetLocaleInfo);
    text.resize(static_cast<std::size_t>(n - 1));  // the terminator
    return text;
}

std::vector<Locale::SystemLocale> WinLocale::SupportedLocales() const {
    std::vector<SystemLocale> list;
    g_collecting = &list;
    g_locale = this;
    EnumSystemLocalesA(CollectLocale, LCID_SUPPORTED);
    g_collecting = nullptr;
    g_locale = nullptr;
    return list;
}

const WinLocale& SystemLocale() {
    static const WinLocale instance;
    return instance;
}

}  // namespace localizer
