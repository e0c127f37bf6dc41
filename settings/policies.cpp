#include "settings/policies.h"

#include "core/settings/policy_value.h"
#include "platform/registry.h"
#include "settings/settings_store.h"

namespace {

using platform::AsciiName;
using platform::RegistryKey;

// Each root's value in turn; the first one that means something is the one in force.
template <typename Decode>
auto FirstUsable(const char* name, Decode decode) -> decltype(decode(settings::RawPolicyValue{})) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        const RegistryKey key = RegistryKey::Open(root, AsciiName(settings::kPoliciesKeyPath), KEY_QUERY_VALUE);
        if (!key) continue;
        const std::wstring value = AsciiName(name);
        settings::RawPolicyValue raw{key.ReadDword(value), key.ReadString(value)};
        if (auto decoded = decode(raw)) return decoded;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> PolicyValue(const settings::IntSetting& s) {
    if (s.policy == settings::PolicyForm::None) return std::nullopt;
    return FirstUsable(s.name, [&s](const settings::RawPolicyValue& raw) { return settings::PolicyNumber(s, raw); });
}

std::optional<std::wstring> PolicyValue(const settings::TextSetting& s) {
    if (s.policy == settings::PolicyForm::None) return std::nullopt;
    return FirstUsable(s.name, [&s](const settings::RawPolicyValue& raw) { return settings::PolicyText(s, raw); });
}

bool SetByPolicy(const char* settingName) {
    const settings::PolicySetting* p = settings::FindPolicySetting(settingName);
    if (!p) return false;
    return p->number ? PolicyValue(*p->number).has_value() : PolicyValue(*p->text).has_value();
}

std::int32_t ReadEffective(const settings::IntSetting& s) {
    if (auto fixed = PolicyValue(s)) return *fixed;
    return ReadSetting(s);
}

std::wstring ReadEffective(const settings::TextSetting& s) {
    if (auto fixed = PolicyValue(s)) return *fixed;
    return ReadSetting(s);
}
