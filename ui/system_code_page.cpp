#include "ui/system_code_page.h"

#include <windows.h>

namespace ui {
namespace {

class AnsiCodePage : public forms::CodePage {
public:
    std::u16string ToWide(std::string_view text) const override {
        if (text.empty()) return {};
        int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::u16string out(static_cast<size_t>(n), u'\0');
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(out.data()), n);
        return out;
    }

    std::optional<std::string> ToNarrow(std::u16string_view text) const override {
        if (text.empty()) return std::string{};
        auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        int length = static_cast<int>(text.size());
        BOOL lost = FALSE;
        int n = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, &lost);
        std::string out(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), n, nullptr, &lost);
        if (lost) return std::nullopt;
        return out;
    }
};

}  // namespace

const forms::CodePage& SystemCodePage() {
    static const AnsiCodePage page;
    return page;
}

}  // namespace ui
