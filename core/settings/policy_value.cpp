#include "core/settings/policy_value.h"

#include <algorithm>
#include <cwctype>

#include "core/settings/program_list.h"

namespace settings {
namespace {

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

bool SameWord(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(x) == std::towupper(y);
           });
}

// Decimal text as administrators sometimes store numbers (REG_SZ "30").
std::optional<std::uint32_t> DecimalText(std::wstring_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    if (value > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> NumberOf(const RawPolicyValue& raw) {
    if (raw.number) return raw.number;
    if (raw.text) return DecimalText(*raw.text);
    return std::nullopt;
}

std::optional<std::uint16_t> KeyCode(std::wstring_view key) {
    if (key.size() == 1) {
        const wchar_t c = static_cast<wchar_t>(std::towupper(key[0]));
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<std::uint16_t>(c);
        return std::nullopt;
    }
    if (key.size() >= 2 && key.size() <= 3 && std::towupper(key[0]) == L'F') {
        auto n = DecimalText(key.substr(1));
        if (n && *n >= 1 && *n <= 24 && key[1] != L'0') return static_cast<std::uint16_t>(0x70 + *n - 1);  // VK_F1
    }
    return std::nullopt;
}

bool PlainAbbreviation(std::wstring_view text) {
    return !text.empty() && text.size() <= 8 &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 128 && std::iswalpha(c); });
}

}  // namespace

std::optional<std::uint16_t> ParseHotKeyText(std::wstring_view text) {
    text = Trimmed(text);
    if (text.empty()) return 0;
    std::uint16_t modifiers = 0;
    for (;;) {
        const std::size_t plus = text.find(L'+');
        if (plus == std::wstring_view::npos) break;
        const std::wstring_view word = Trimmed(text.substr(0, plus));
        std::uint16_t bit = SameWord(word, L"Ctrl") || SameWord(word, L"Control") ? kHotKeyCtrl
                            : SameWord(word, L"Alt")                              ? kHotKeyAlt
                            : SameWord(word, L"Shift")                            ? kHotKeyShift
                                                                                  : 0;
        if (bit == 0 || (modifiers & bit) != 0) return std::nullopt;
        modifiers |= bit;
        text = text.substr(plus + 1);
    }
    auto key = KeyCode(Trimmed(text));
    if (!key) return std::nullopt;
    return static_cast<std::uint16_t>(modifiers | *key);
}

std::optional<std::int32_t> PolicyNumber(const IntSetting& s, const RawPolicyValue& raw) {
    if (s.policy == PolicyForm::HotKey) {
        if (raw.text) {
            auto key = ParseHotKeyText(*raw.text);
            if (key) return *key;
            return std::nullopt;
        }
        if (raw.number) return static_cast<std::int32_t>(*raw.number & 0xFFFF);
        return std::nullopt;
    }
    const auto number = NumberOf(raw);
    if (!number) return std::nullopt;
    // Compared unsigned first, so a huge value is not read as a negative one.
    const auto clamp = [&](std::int32_t min, std::int32_t max) {
        return *number > static_cast<std::uint32_t>(max) ? max : std::max(static_cast<std::int32_t>(*number), min);
    };
    switch (s.policy) {
        case PolicyForm::Flag:
            return *number != 0 ? kTrue : kFalse;
        case PolicyForm::Number:
            return s.Ranged() ? clamp(s.min, s.max) : clamp(0, INT32_MAX);
        case PolicyForm::Choice:
            if (*number < static_cast<std::uint32_t>(s.min) || *number > static_cast<std::uint32_t>(s.max))
                return std::nullopt;
            return static_cast<std::int32_t>(*number);
        case PolicyForm::Megabytes:
            return clamp(kPolicyMinMegabytes, kPolicyMaxMegabytes) * 1048576;
        default:
            return std::nullopt;
    }
}

std::optional<std::wstring> PolicyText(const TextSetting& s, const RawPolicyValue& raw) {
    if (!raw.text) return std::nullopt;
    switch (s.policy) {
        case PolicyForm::ProgramList: {
            std::wstring list = JoinProgramList(ParseProgramList(*raw.text));
            // Whole names only: a list cut in the middle of a name would name another program.
            while (list.size() >= s.capacity) {
                const std::size_t last = list.rfind(kProgramListSeparator);
                list.resize(last == std::wstring::npos ? 0 : last);
            }
            return list;
        }
        case PolicyForm::Language: {
            const std::wstring_view abbreviation = Trimmed(*raw.text);
            if (!PlainAbbreviation(abbreviation)) return std::nullopt;
            return std::wstring(abbreviation);
        }
        default:
            return std::nullopt;
    }
}

}  // namespace settings
