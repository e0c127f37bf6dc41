#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"

// The one way the programs reach the registry: a key opened with the wide calls and closed
// when the object goes, also when a caller throws. Opening reports its status instead of
// throwing; machine-wide keys are opened with read access only unless a caller asks for
// more, so a standard user can read them.
namespace platform {

namespace release {
inline void RegistryKey(HKEY key) { RegCloseKey(key); }
}  // namespace release

class RegistryKey {
public:
    RegistryKey() = default;

    // An existing key; empty (with Status() telling why) when it is missing or refused.
    static RegistryKey Open(HKEY root, std::wstring_view path, REGSAM access = KEY_READ);
    // The key, made with its missing parents when needed.
    static RegistryKey Create(HKEY root, std::wstring_view path, REGSAM access = KEY_READ | KEY_WRITE);
    // Deletes a key with all its sub-keys; a key that is not there counts as deleted.
    static bool DeleteTree(HKEY root, std::wstring_view path);

    explicit operator bool() const { return static_cast<bool>(key_); }
    HKEY Get() const { return key_.Get(); }
    LONG Status() const { return status_; }

    bool HasValue(std::wstring_view name) const;
    // A REG_DWORD; nothing when missing or of another type or size.
    std::optional<std::uint32_t> ReadDword(std::wstring_view name) const;
    // A REG_SZ or REG_EXPAND_SZ of any length, with or without its terminator as stored.
    std::optional<std::wstring> ReadString(std::wstring_view name) const;
    // The raw bytes of any value, with its type.
    std::optional<std::vector<std::uint8_t>> ReadBytes(std::wstring_view name, DWORD* type = nullptr) const;

    LONG WriteDword(std::wstring_view name, std::uint32_t value) const;
    // Stored with its terminating null, as the system's readers expect.
    LONG WriteString(std::wstring_view name, std::wstring_view text) const;
    LONG WriteBytes(std::wstring_view name, DWORD type, const void* data, DWORD size) const;
    LONG DeleteValue(std::wstring_view name) const;

private:
    RegistryKey(HKEY key, LONG status) : key_(key), status_(status) {}

    Owned<HKEY, release::RegistryKey> key_;
    LONG status_ = ERROR_INVALID_HANDLE;
};

// Registry value and key names of the settings table are ASCII.
std::wstring AsciiName(std::string_view name);

}  // namespace platform
