#include "platform/text.h"

#include <windows.h>

namespace platform {
namespace {

// `lost` (may be null) tells whether some character had no byte in the code page.
std::string ToCodePage(std::wstring_view text, UINT codePage, BOOL* lost) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int n = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, lost);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, out.data(), n, nullptr, lost);
    return out;
}

std::wstring FromCodePage(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    int n = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), n);
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
        std::string out = ToCodePage(wide, CP_ACP, &lost);
        if (lost) return std::nullopt;
        return out;
    }
};

}  // namespace

std::wstring Widen(std::string_view text) { return FromCodePage(text, CP_ACP); }

std::string Narrow(std::wstring_view text) { return ToCodePage(text, CP_ACP, nullptr); }

// The system takes the lead of an invalid UTF-8 sequence as U+FFFD, so nothing is dropped.
std::wstring FromUtf8(std::string_view text) { return FromCodePage(text, CP_UTF8); }

std::string ToUtf8(std::wstring_view text) { return ToCodePage(text, CP_UTF8, nullptr); }

const forms::CodePage& SystemCodePage() {
    static const AnsiCodePage page;
    return page;
}

}  // namespace platform
