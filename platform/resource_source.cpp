#include "platform/resource_source.h"

#include "core/app/acted_texts.h"
#include "platform/text.h"

namespace platform {
namespace {

HINSTANCE g_source = nullptr;

}  // namespace

HINSTANCE ResourceSource() { return g_source ? g_source : GetModuleHandleW(nullptr); }

void SetResourceSource(HINSTANCE module) { g_source = module; }

HINSTANCE ResourceSourceOf(LPCWSTR name, LPCWSTR type) {
    HINSTANCE source = ResourceSource();
    return FindResourceW(source, name, type) ? source : GetModuleHandleW(nullptr);
}

std::span<const std::uint8_t> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

namespace {

std::wstring LoadString(HINSTANCE module, UINT id) {
    // LoadStringW with a zero buffer size hands out a pointer into the resource itself,
    // which is not zero-terminated: take exactly the length it reports.
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return std::wstring(text, static_cast<size_t>(length));
}

}  // namespace

std::wstring LoadResString(UINT id) { return LoadString(ResourceSource(), id); }

std::wstring LoadWebAddress(UINT id) {
    return app::WebAddressOr(LoadResString(id), LoadString(GetModuleHandleW(nullptr), id));
}

std::string LoadResStringA(UINT id) { return Narrow(LoadResString(id)); }

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

}  // namespace platform
