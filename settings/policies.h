#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/settings/settings_table.h"

// The values administrators fix through the platform's policy machinery, read from
// settings::kPoliciesKeyPath of HKEY_LOCAL_MACHINE, then of HKEY_CURRENT_USER: the machine's
// value wins. Read-only and open to a standard user; the settings store is never touched, so
// the user's own values are back in force once a policy goes. Any thread.

// The policy's value in the store's form; nothing when no usable policy value is set.
std::optional<std::int32_t> PolicyValue(const settings::IntSetting& s);
std::optional<std::wstring> PolicyValue(const settings::TextSetting& s);
// Whether a policy fixes the setting of the table with this name.
bool SetByPolicy(const char* settingName);

// The value in force: the policy's, else the user's own from the settings store (whose key
// the caller has open, as for ReadSetting).
std::int32_t ReadEffective(const settings::IntSetting& s);
std::wstring ReadEffective(const settings::TextSetting& s);
