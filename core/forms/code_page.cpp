#include "core/forms/code_page.h"

#include <array>

namespace forms {
namespace {

// Bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Windows1252Page final : public CodePage {
public:
    std::u16string ToWide(std::string_view text) const override {
        std::u16string wide;
        wide.reserve(text.size());
        for (unsigned char c : text) wide.push_back(c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : char16_t(c));
        return wide;
    }

    std::optional<std::string> ToNarrow(std::u16string_view text) const override {
        std::string narrow;
        narrow.reserve(text.size());
        for (char16_t c : text) {
            auto byte = Narrow(c);
            if (!byte) return std::nullopt;
            narrow.push_back(char(*byte));
        }
        return narrow;
    }

private:
    static std::optional<unsigned char> Narrow(char16_t c) {
        for (unsigned i = 0; i < kHighControls.size(); ++i)
            if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
        return std::nullopt;
    }
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(char16_t(c));
    } else {
        c -= 0x10000;
        out.push_back(char16_t(0xD800 + (c >> 10)));
        out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
    }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at `pos`, advancing it; malformed input yields U+FFFD.
char32_t DecodeUtf8(std::string_view text, size_t& pos) {
    const unsigned char lead = text[pos++];
    if (lead < 0x80) return lead;
    int extra;
    char32_t c, minimum;
    if (lead >= 0xC2 && lead < 0xE0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return kReplacement;
    return c;
}

}  // namespace

const CodePage& Windows1252() {
    static const Windows1252Page page;
    return page;
}

std::optional<std::string> ExactNarrow(const CodePage& codePage, std::u16string_view text) {
    std::optional<std::string> narrow = codePage.ToNarrow(text);
    if (narrow && codePage.ToWide(*narrow) != text) return std::nullopt;
    return narrow;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (IsHighSurrogate(c) || IsLowSurrogate(c))
            c = kReplacement;
        AppendUtf8(out, c);
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) AppendUtf16(out, DecodeUtf8(text, pos));
    return out;
}

std::u16string WideTextOf(const Value& value, const CodePage& codePage) {
    switch (value.type) {
        case ValueType::String:
        case ValueType::Ident:
            return codePage.ToWide(value.text);
        case ValueType::WideString:
            return value.wide;
        case ValueType::Utf8String:
            return Utf8ToUtf16(value.text);
        default:
            return {};
    }
}

}  // namespace forms
