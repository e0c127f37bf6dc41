#include "settings/registry.h"

#include <vector>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"

namespace {

[[noreturn]] void Fail(UINT messageId, const std::string& name) {
    throw platform::Error(platform::FormatResString(messageId, platform::Widen(name)));
}

}  // namespace

bool Registry::OpenKey(const std::string& path, bool create) {
    CloseKey();
    LONG status =
        create ? RegCreateKeyExA(
                     root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key_, nullptr
                 )
               : RegOpenKeyExA(root_, path.c_str(), 0, KEY_ALL_ACCESS, &key_);
    if (status != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
}

bool Registry::OpenKeyReadOnly(const std::string& path) {
    CloseKey();
    if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
}

void Registry::CloseKey() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool Registry::ValueExists(const std::string& name) const {
    return key_ && RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

int Registry::ReadInteger(const std::string& name) const {
    DWORD type = 0;
    DWORD size = 0;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        Fail(str::SRegGetDataFailed, name);
    if (type != REG_DWORD || size != sizeof(int)) Fail(str::SInvalidRegType, name);
    int value = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        Fail(str::SRegGetDataFailed, name);
    return value;
}

void Registry::WriteInteger(const std::string& name, int value) {
    if (!key_ ||
        RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) !=
            ERROR_SUCCESS)
        Fail(str::SRegSetDataFailed, name);
}

std::string Registry::ReadString(const std::string& name) const {
    DWORD type = 0;
    DWORD size = 0;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        Fail(str::SRegGetDataFailed, name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) Fail(str::SInvalidRegType, name);
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        Fail(str::SRegGetDataFailed, name);
    return std::string(data.data());
}

void Registry::WriteString(const std::string& name, const std::string& value) {
    if (!key_ || RegSetValueExA(
                     key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1)
                 ) != ERROR_SUCCESS)
        Fail(str::SRegSetDataFailed, name);
}

bool Registry::DeleteValue(const std::string& name) {
    return key_ && RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
}

bool Registry::DeleteKey(const std::string& path) {
    if (RegDeleteTreeA(root_, path.c_str()) != ERROR_SUCCESS) return false;
    // Some systems empty the key but keep it; remove what is left.
    LONG status = RegDeleteKeyA(root_, path.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
