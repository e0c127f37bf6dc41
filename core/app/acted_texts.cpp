#include "core/app/acted_texts.h"

#include <algorithm>

namespace app {
namespace {

bool HasControlCharacter(std::wstring_view text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c < L' ' || c == 0x7F; });
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        wchar_t c = text[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::wstring PlainFileNameOr(std::wstring_view name, std::wstring_view fallback) {
    const bool plain = !name.empty() && name != L"." && name != L".." &&
                       name.find_first_of(L"\\/:") == std::wstring_view::npos && !HasControlCharacter(name);
    return std::wstring(plain ? name : fallback);
}

std::wstring WebAddressOr(std::wstring_view address, std::wstring_view fallback) {
    const bool web = (StartsWithNoCase(address, L"http://") || StartsWithNoCase(address, L"https://") ||
                      StartsWithNoCase(address, L"mailto:")) &&
                     address.find(L' ') == std::wstring_view::npos && !HasControlCharacter(address);
    return std::wstring(web ? address : fallback);
}

}  // namespace app
