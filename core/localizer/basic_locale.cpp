#include "core/localizer/basic_locale.h"

#include <utility>

namespace localizer {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones map to the control character of
// the same number, so every byte converts and comes back unchanged.
constexpr char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char t = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((t & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (t & 0x3F);
        }
        if (!ok || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

BasicLocale::BasicLocale()
    : BasicLocale({
          {0x0409, "ENU", "English", "English (United States)", 1252},
          {0x0809, "ENG", "English", "English (United Kingdom)", 1252},
          {0x0407, "DEU", "German", "German (Germany)", 1252},
          {0x040C, "FRA", "French", "French (France)", 1252},
          {0x0C0C, "FRC", "French", "French (Canada)", 1252},
          {0x0419, "RUS", "Russian", "Russian", 1251},
          {0x0422, "UKR", "Ukrainian", "Ukrainian", 1251},
      }) {}

BasicLocale::BasicLocale(std::vector<Entry> entries, std::uint16_t userDefault, std::uint32_t systemCodePage)
    : entries_(std::move(entries)), userDefault_(userDefault), systemCodePage_(systemCodePage) {}

const BasicLocale::Entry* BasicLocale::Find(std::uint16_t langId) const {
    for (const auto& e : entries_)
        if (e.langId == langId) return &e;
    return nullptr;
}

std::uint32_t BasicLocale::DefaultAnsiCodePage(std::uint16_t langId) const {
    const Entry* e = Find(langId);
    return e ? e->codePage : 0;
}

std::u16string BasicLocale::ToWide(std::string_view text, std::uint32_t codePage) const {
    std::u16string out;
    if (codePage == 65001) return Utf8ToUtf16(text);
    if (codePage != 1252 && codePage != 28591) return out;
    out.reserve(text.size());
    for (char ch : text) {
        unsigned char b = static_cast<unsigned char>(ch);
        out += (codePage == 1252 && b >= 0x80 && b < 0xA0) ? k1252High[b - 0x80] : static_cast<char16_t>(b);
    }
    return out;
}

std::string BasicLocale::ToNarrow(std::u16string_view text, std::uint32_t codePage) const {
    std::string out;
    if (codePage == 65001) return Utf16ToUtf8(text);
    if (codePage != 1252 && codePage != 28591) return out;
    out.reserve(text.size());
    for (char16_t c : text) {
        char b = '?';
        if (c < 0x80 || (c >= 0xA0 && c < 0x100) || (codePage == 28591 && c < 0x100)) {
            b = static_cast<char>(c);
        } else {
            for (int k = 0; k < 32; ++k)
                if (k1252High[k] == c) b = static_cast<char>(0x80 + k);
        }
        out += b;
    }
    return out;
}

std::vector<std::uint8_t> BasicLocale::SortKey(std::string_view text, std::uint16_t langId) const {
    if (!Find(langId)) return {};
    std::vector<std::uint8_t> key;
    key.reserve(text.size() + 1);
    for (char ch : text) {
        unsigned char b = static_cast<unsigned char>(ch);
        key.push_back((b >= 'a' && b <= 'z') ? static_cast<std::uint8_t>(b - 32) : b);
    }
    key.push_back(0);
    return key;
}

std::optional<int> BasicLocale::CharsetOfCodePage(std::uint32_t codePage) const {
    switch (codePage) {
        case 1252:
            return 0;  // ANSI_CHARSET
        case 1250:
            return 238;  // EASTEUROPE_CHARSET
        case 1251:
            return 204;  // RUSSIAN_CHARSET
        case 1253:
            return 161;  // GREEK_CHARSET
        case 1254:
            return 162;  // TURKISH_CHARSET
        case 1257:
            return 186;  // BALTIC_CHARSET
        case 932:
            return 128;  // SHIFTJIS_CHARSET
        default:
            return std::nullopt;
    }
}

std::optional<std::string> BasicLocale::LocaleInfo(std::uint16_t langId, Info info) const {
    const Entry* e = Find(langId);
    if (!e) return std::nullopt;
    switch (info) {
        case Info::AbbrevLangName:
            return e->abbreviation;
        case Info::EnglishLanguage:
            return e->english;
        case Info::Language:
            return e->name;
    }
    return std::nullopt;
}

std::vector<Locale::SystemLocale> BasicLocale::SupportedLocales() const {
    std::vector<SystemLocale> out;
    for (const auto& e : entries_)
        if (e.codePage != 0) out.push_back({e.langId, e.name});
    return out;
}

}  // namespace localizer
