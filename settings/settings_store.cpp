#include "settings/settings_store.h"

#include <algorithm>
#include <cstring>

#include "core/settings/range_encoding.h"

namespace {

// One entry per key opened and not yet closed; reads and writes go to the last one. Opening
// the key that is already on top only counts; another path gets an entry of its own, so
// closing it returns to the key opened before. A failed open keeps a keyless entry, so its
// reads yield their defaults and its close still matches it.
struct OpenKey {
    std::string path;
    HKEY key;
    int count;
};
std::vector<OpenKey> g_keys;

HKEY CurrentKey() { return g_keys.empty() ? nullptr : g_keys.back().key; }

LONG QueryValue(const char* name, DWORD* type, void* data, DWORD* size) {
    HKEY key = CurrentKey();
    if (!key) return ERROR_INVALID_HANDLE;
    return RegQueryValueExA(key, name, nullptr, type, static_cast<BYTE*>(data), size);
}

LONG SetValue(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = CurrentKey();
    if (!key) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

}  // namespace

LONG OpenSettingsKey(const char* keyPath) {
    if (!keyPath) keyPath = "";
    if (!g_keys.empty() && g_keys.back().path == keyPath) {
        ++g_keys.back().count;
        return g_keys.back().key ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(
        HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr
    );
    if (status != ERROR_SUCCESS) key = nullptr;
    g_keys.push_back({keyPath, key, 1});
    return status;
}

void CloseSettingsKey() {
    if (g_keys.empty()) return;
    if (--g_keys.back().count > 0) return;
    if (g_keys.back().key) RegCloseKey(g_keys.back().key);
    g_keys.pop_back();
}

bool SettingsKeyIsOpen() { return CurrentKey() != nullptr; }

int SettingsKeyNesting() {
    int nesting = 0;
    for (const OpenKey& open : g_keys) nesting += open.count;
    return nesting;
}

std::int32_t ReadSettingInt(const char* name, std::int32_t defaultValue, std::int32_t min, std::int32_t max) {
    std::int32_t stored = 0;
    DWORD size = sizeof stored;
    if (QueryValue(name, nullptr, &stored, &size) == ERROR_SUCCESS && size == sizeof stored)
        return settings::DecodeRanged(stored, min, max);
    WriteSettingInt(name, defaultValue, min, max);
    return defaultValue;
}

void WriteSettingInt(const char* name, std::int32_t value, std::int32_t min, std::int32_t max) {
    std::int32_t stored = settings::EncodeRanged(value, min, max);
    SetValue(name, REG_DWORD, &stored, sizeof stored);
}

DWORD ReadSettingString(const char* name, char* buffer, DWORD capacity, const char* defaultText) {
    if (!buffer) return 0;
    if (capacity == 0) {  // no room for any text: the buffer holds its one zero
        buffer[0] = '\0';
        return 0;
    }
    DWORD size = capacity;
    if (QueryValue(name, nullptr, buffer, &size) == ERROR_SUCCESS) {
        // The value may lack a terminator: end the text after the bytes read. A text that
        // leaves no room for its terminator does not fit, like a longer one.
        size_t length = strnlen(buffer, size);
        if (length < capacity) {
            buffer[length] = '\0';
            buffer[length + 1] = '\0';
            return size;
        }
    }
    if (!defaultText) {
        buffer[0] = '\0';
        buffer[1] = '\0';
        return 0;
    }
    WriteSettingString(name, defaultText);
    size_t length = std::min<size_t>(std::strlen(defaultText), capacity - 1);
    std::memcpy(buffer, defaultText, length);
    buffer[length] = '\0';
    buffer[length + 1] = '\0';
    return static_cast<DWORD>(length);
}

LONG WriteSettingString(const char* name, const char* text) {
    // Stored without its terminator. The registry quietly appends one when the byte after
    // the given length is zero, so the text is handed over in a buffer that ends in a
    // non-zero guard byte.
    if (!text) return ERROR_INVALID_PARAMETER;
    std::string guarded(text);
    size_t length = guarded.size();
    guarded.push_back('\x01');
    return SetValue(name, REG_SZ, guarded.data(), static_cast<DWORD>(length));
}

void ReadSettingBinary(const char* name, void* out, const void* defaultData, DWORD size) {
    if (!out || !defaultData) return;
    // A stored value shorter than `size` overlays the default, so the caller never sees
    // uninitialised bytes.
    std::memcpy(out, defaultData, size);
    DWORD read = size;
    if (QueryValue(name, nullptr, out, &read) == ERROR_SUCCESS) return;
    std::memcpy(out, defaultData, size);
    WriteSettingBinary(name, defaultData, size);
}

LONG WriteSettingBinary(const char* name, const void* data, DWORD size) {
    if (!data) return ERROR_INVALID_PARAMETER;
    if (size == 0) size = static_cast<DWORD>(std::strlen(static_cast<const char*>(data)));
    return SetValue(name, REG_BINARY, data, size);
}

LONG DeleteSetting(const char* name) {
    HKEY key = CurrentKey();
    if (!key) return ERROR_INVALID_HANDLE;
    return RegDeleteValueA(key, name);
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

std::string ReadSetting(const settings::TextSetting& s) {
    std::string buffer(s.capacity + 1, '\0');
    ReadSettingString(s.name, buffer.data(), static_cast<DWORD>(s.capacity), s.defaultValue);
    return std::string(buffer.c_str());
}

void WriteSetting(const settings::TextSetting& s, const std::string& text) {
    WriteSettingString(s.name, text.substr(0, s.capacity - 1).c_str());
}

void WriteSetting(const settings::BinarySetting& s, const std::string& textBlock) {
    WriteSettingBinary(s.name, textBlock.c_str(), static_cast<DWORD>(textBlock.size()));
}
