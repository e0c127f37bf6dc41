#include "settings/settings_store.h"

#include <algorithm>
#include <cstring>

#include "core/settings/range_encoding.h"
#include "platform/registry.h"

namespace {

using platform::AsciiName;
using platform::RegistryKey;

// One entry per key opened and not yet closed; reads and writes go to the last one. Opening
// the key that is already on top only counts; another path gets an entry of its own, so
// closing it returns to the key opened before. A failed open keeps a keyless entry, so its
// reads yield their defaults and its close still matches it.
struct OpenKey {
    std::string path;
    RegistryKey key;
    int count;
};
std::vector<OpenKey> g_keys;

const RegistryKey& CurrentKey() {
    static const RegistryKey none;
    return g_keys.empty() ? none : g_keys.back().key;
}

}  // namespace

LONG OpenSettingsKey(const char* keyPath) {
    if (!keyPath) keyPath = "";
    if (!g_keys.empty() && g_keys.back().path == keyPath) {
        ++g_keys.back().count;
        return g_keys.back().key ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }
    RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, AsciiName(keyPath));
    const LONG status = key.Status();
    g_keys.push_back({keyPath, std::move(key), 1});
    return status;
}

void CloseSettingsKey() {
    if (g_keys.empty()) return;
    if (--g_keys.back().count > 0) return;
    g_keys.pop_back();
}

bool SettingsKeyIsOpen() { return static_cast<bool>(CurrentKey()); }

int SettingsKeyNesting() {
    int nesting = 0;
    for (const OpenKey& open : g_keys) nesting += open.count;
    return nesting;
}

std::int32_t ReadSettingInt(const char* name, std::int32_t defaultValue, std::int32_t min, std::int32_t max) {
    if (auto stored = CurrentKey().ReadDword(AsciiName(name)))
        return settings::DecodeRanged(static_cast<std::int32_t>(*stored), min, max);
    WriteSettingInt(name, defaultValue, min, max);
    return defaultValue;
}

void WriteSettingInt(const char* name, std::int32_t value, std::int32_t min, std::int32_t max) {
    CurrentKey().WriteDword(AsciiName(name), static_cast<std::uint32_t>(settings::EncodeRanged(value, min, max)));
}

std::optional<std::wstring> ReadSettingString(const char* name, std::size_t capacity, const wchar_t* defaultText) {
    std::optional<std::wstring> text = CurrentKey().ReadString(AsciiName(name));
    if (!text && defaultText) {
        text = defaultText;
        WriteSettingString(name, *text);
    }
    if (text && capacity > 0 && text->size() >= capacity) text->resize(capacity - 1);
    return text;
}

LONG WriteSettingString(const char* name, std::wstring_view text) { return CurrentKey().WriteString(AsciiName(name), text); }

void ReadSettingBinary(const char* name, void* out, const void* defaultData, DWORD size) {
    if (!out || !defaultData) return;
    // A stored value shorter than `size` overlays the default, so the caller never sees
    // uninitialised bytes.
    std::memcpy(out, defaultData, size);
    if (auto stored = CurrentKey().ReadBytes(AsciiName(name))) {
        std::memcpy(out, stored->data(), std::min<std::size_t>(stored->size(), size));
        return;
    }
    WriteSettingBinary(name, defaultData, size);
}

LONG WriteSettingBinary(const char* name, const void* data, DWORD size) {
    if (!data) return ERROR_INVALID_PARAMETER;
    if (size == 0) size = static_cast<DWORD>(std::strlen(static_cast<const char*>(data)));
    return CurrentKey().WriteBytes(AsciiName(name), REG_BINARY, data, size);
}

LONG DeleteSetting(const char* name) {
    return CurrentKey().DeleteValue(AsciiName(name));
}

namespace {

struct StoredRect {
    std::int32_t left, top, right, bottom;
};

}  // namespace

LONG SaveWindowRect(HWND window, const char* name) {
    RECT r{};
    GetWindowRect(window, &r);
    StoredRect stored{r.left, r.top, r.right, r.bottom};
    return WriteSettingBinary(name, &stored, sizeof stored);
}

LONG RestoreWindowRect(HWND window, const char* name) {
    RECT r{};
    GetWindowRect(window, &r);
    StoredRect current{r.left, r.top, r.right, r.bottom};
    StoredRect stored{};
    ReadSettingBinary(name, &stored, &current, sizeof stored);
    // A rectangle saved on a monitor that is gone would put the window out of reach.
    RECT target{stored.left, stored.top, stored.right, stored.bottom};
    if (stored.right <= stored.left || stored.bottom <= stored.top || !MonitorFromRect(&target, MONITOR_DEFAULTTONULL))
        return ERROR_INVALID_DATA;
    return SetWindowPos(
               window, nullptr, stored.left, stored.top, stored.right - stored.left, stored.bottom - stored.top,
               SWP_NOZORDER | SWP_NOACTIVATE
           )
               ? ERROR_SUCCESS
               : static_cast<LONG>(GetLastError());
}

std::int32_t ReadSetting(const settings::IntSetting& s) { return ReadSettingInt(s.name, s.defaultValue, s.min, s.max); }

void WriteSetting(const settings::IntSetting& s, std::int32_t value) { WriteSettingInt(s.name, value, s.min, s.max); }

std::wstring ReadSetting(const settings::TextSetting& s) {
    return ReadSettingString(s.name, s.capacity, AsciiName(s.defaultValue).c_str()).value_or(L"");
}

void WriteSetting(const settings::TextSetting& s, std::wstring_view text) {
    WriteSettingString(s.name, text.substr(0, s.capacity - 1));
}

void WriteSetting(const settings::BinarySetting& s, const std::string& textBlock) {
    WriteSettingBinary(s.name, textBlock.c_str(), static_cast<DWORD>(textBlock.size()));
}
