#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/settings_table.h"

// What a policy value means for its setting. An administrator's registry value may be of
// either type and hold anything: a value that means nothing sets nothing, so the user's own
// value stays in force; a number beyond the setting's range is brought inside it.
namespace settings {

// What the policy key holds under one name: a REG_DWORD, a REG_SZ, or neither.
struct RawPolicyValue {
    std::optional<std::uint32_t> number;
    std::optional<std::wstring> text;
};

// The value in the form the settings store and its readers use (bytes, a stored hot key,
// kTrue/kFalse), for a setting whose `policy` is not None.
std::optional<std::int32_t> PolicyNumber(const IntSetting& s, const RawPolicyValue& raw);
std::optional<std::wstring> PolicyText(const TextSetting& s, const RawPolicyValue& raw);

// "Ctrl+Alt+F" as a stored hot key (modifier bits over the virtual-key code); "" is none.
// Modifiers Ctrl (or Control), Alt and Shift in any order and case, then a letter, a digit
// or F1 to F24.
std::optional<std::uint16_t> ParseHotKeyText(std::wstring_view text);

}  // namespace settings
