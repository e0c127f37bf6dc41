#include "platform/text.h"

#include <windows.h>

namespace platform {
namespace {

// `lost` (may be null) tells whether some character had no byte in the code page.
std::string ToCodePage(std::wstring_view text, BOOL* lost) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, lost);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), n, nullptr, lost);
    return out;
}

class AnsiCodePage : public forms::CodePage {
public:
    std::u16string ToWide(std::string_view text) const override {
        std::wstring wide = Widen(text);
        return std::u16string(wide.begin(), wide.end());
    }

    std::optional<std::string> ToNarrow(std::u16string_view text) const override {
        std::wstring_view wide(reinterpret_cast<const wchar_t*>(text.data()), text.size());
        BOOL lost = FALSE;
        std::string out = ToCodePage(wide, &lost);
        if (lost) return std::nullopt;
        return out;
    }
};

}  // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    int length = static_cast<int>(text.size());
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text) { return ToCodePage(text, nullptr); }

const forms::CodePage& SystemCodePage() {
    static const AnsiCodePage page;
    return page;
}

}  // namespace platform
