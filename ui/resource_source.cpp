#include "ui/resource_source.h"

namespace ui {
namespace {

HINSTANCE g_source = nullptr;

}  // namespace

HINSTANCE ResourceSource() { return g_source ? g_source : GetModuleHandleW(nullptr); }

void SetResourceSource(HINSTANCE module) { g_source = module; }

std::wstring LoadResString(UINT id) {
    // LoadStringW with a zero buffer size hands out a pointer into the resource itself,
    // which is not zero-terminated: take exactly the length it reports.
    const wchar_t* text = nullptr;
    int length = LoadStringW(ResourceSource(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return std::wstring(text, static_cast<size_t>(length));
}

std::string LoadResStringA(UINT id) { return ToAnsi(LoadResString(id)); }

std::wstring FormatResString(UINT id, const std::wstring& argument) {
    std::wstring format = LoadResString(id);
    std::wstring out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L's') {
            out += argument;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring FromAnsi(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

}  // namespace ui
