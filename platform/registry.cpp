#include "platform/registry.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// The calls take terminated names; views from the settings table and literals are copied.
std::wstring Terminated(std::wstring_view text) { return std::wstring(text); }

}  // namespace

RegistryKey RegistryKey::Open(HKEY root, std::wstring_view path, REGSAM access) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(root, Terminated(path).c_str(), 0, access, &key);
    return RegistryKey(status == ERROR_SUCCESS ? key : nullptr, status);
}

RegistryKey RegistryKey::Create(HKEY root, std::wstring_view path, REGSAM access) {
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExW(
        root, Terminated(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr
    );
    return RegistryKey(status == ERROR_SUCCESS ? key : nullptr, status);
}

bool RegistryKey::DeleteTree(HKEY root, std::wstring_view path) {
    const std::wstring name = Terminated(path);
    const LONG tree = RegDeleteTreeW(root, name.c_str());
    if (tree != ERROR_SUCCESS && tree != ERROR_FILE_NOT_FOUND) return false;
    // Some systems empty the key but keep it; remove what is left.
    const LONG status = RegDeleteKeyW(root, name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryKey::HasValue(std::wstring_view name) const {
    return key_ && RegQueryValueExW(Get(), Terminated(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                       ERROR_SUCCESS;
}

std::optional<std::uint32_t> RegistryKey::ReadDword(std::wstring_view name) const {
    DWORD type = 0;
    auto bytes = ReadBytes(name, &type);
    if (!bytes || type != REG_DWORD || bytes->size() != sizeof(std::uint32_t)) return std::nullopt;
    std::uint32_t value = 0;
    std::memcpy(&value, bytes->data(), sizeof value);
    return value;
}

std::optional<std::wstring> RegistryKey::ReadString(std::wstring_view name) const {
    DWORD type = 0;
    auto bytes = ReadBytes(name, &type);
    if (!bytes || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
    // Stored with its terminator, or without: the text ends at the first null either way.
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

std::optional<std::vector<std::uint8_t>> RegistryKey::ReadBytes(std::wstring_view name, DWORD* type) const {
    if (!key_) return std::nullopt;
    const std::wstring valueName = Terminated(name);
    std::vector<std::uint8_t> bytes(256);
    for (;;) {
        DWORD size = static_cast<DWORD>(bytes.size());
        const LONG status =
            RegQueryValueExW(Get(), valueName.c_str(), nullptr, type, bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            return bytes;
        }
        // The value may grow between the calls; ask again with the size the last call gave.
        if (status != ERROR_MORE_DATA) return std::nullopt;
        bytes.resize(std::max<std::size_t>(size, bytes.size() * 2));
    }
}

LONG RegistryKey::WriteDword(std::wstring_view name, std::uint32_t value) const {
    return WriteBytes(name, REG_DWORD, &value, sizeof value);
}

LONG RegistryKey::WriteString(std::wstring_view name, std::wstring_view text) const {
    const std::wstring terminated = Terminated(text);
    return WriteBytes(
        name, REG_SZ, terminated.c_str(), static_cast<DWORD>((terminated.size() + 1) * sizeof(wchar_t))
    );
}

LONG RegistryKey::WriteBytes(std::wstring_view name, DWORD type, const void* data, DWORD size) const {
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExW(Get(), Terminated(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

LONG RegistryKey::DeleteValue(std::wstring_view name) const {
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegDeleteValueW(Get(), Terminated(name).c_str());
}

std::wstring AsciiName(std::string_view name) { return std::wstring(name.begin(), name.end()); }

}  // namespace platform
