#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/settings_table.h"

// Access layer of the settings key under HKEY_CURRENT_USER (through platform::RegistryKey). Callers bracket their
// accesses with OpenSettingsKey / CloseSettingsKey (which nest: accesses go to the key
// opened last, and each close returns to the key open before it); every read supplies the
// default and writes it back when the value is missing or unreadable. Nothing here reports
// an error or throws: a failed open makes reads yield their defaults and writes do nothing.
// User-interface thread only.

LONG OpenSettingsKey(const char* keyPath = settings::kSettingsKeyPath);
void CloseSettingsKey();
bool SettingsKeyIsOpen();
int SettingsKeyNesting();

std::int32_t ReadSettingInt(const char* name, std::int32_t defaultValue, std::int32_t min, std::int32_t max);
void WriteSettingInt(const char* name, std::int32_t value, std::int32_t min, std::int32_t max);

// Reads a text of at most `capacity` - 1 characters (0: any length); a longer one is cut,
// never replaced. A
// missing value (or one of another type) yields `defaultText`, which is written back; with
// no default it yields nothing and nothing is written. Texts are stored with their
// terminator; one stored without it reads the same.
std::optional<std::wstring> ReadSettingString(const char* name, std::size_t capacity, const wchar_t* defaultText);
LONG WriteSettingString(const char* name, std::wstring_view text);

void ReadSettingBinary(const char* name, void* out, const void* defaultData, DWORD size);
// size 0 writes the text length of `data`.
LONG WriteSettingBinary(const char* name, const void* data, DWORD size);
LONG DeleteSetting(const char* name);

LONG SaveWindowRect(HWND window, const char* name);
LONG RestoreWindowRect(HWND window, const char* name);

// The same operations addressed through the value table, so no caller repeats a default or range.
std::int32_t ReadSetting(const settings::IntSetting& s);
void WriteSetting(const settings::IntSetting& s, std::int32_t value);
std::wstring ReadSetting(const settings::TextSetting& s);
void WriteSetting(const settings::TextSetting& s, std::wstring_view text);
void WriteSetting(const settings::BinarySetting& s, const std::string& textBlock);

// Opens the settings key for the lifetime of the object.
class SettingsSession {
public:
    explicit SettingsSession(const char* keyPath = settings::kSettingsKeyPath) { OpenSettingsKey(keyPath); }
    ~SettingsSession() { CloseSettingsKey(); }
    SettingsSession(const SettingsSession&) = delete;
    SettingsSession& operator=(const SettingsSession&) = delete;
};
