#include "tests/win/support/policy_values.h"

#include "core/settings/settings_table.h"
#include "platform/registry.h"

namespace testing_support {

using platform::AsciiName;
using platform::RegistryKey;

PolicyDword::PolicyDword(HKEY root, const char* name, std::uint32_t value) : root_(root), name_(name) {
    const RegistryKey key = RegistryKey::Create(root, AsciiName(settings::kPoliciesKeyPath));
    written_ = key && key.WriteDword(AsciiName(name), value) == ERROR_SUCCESS;
}

PolicyDword::~PolicyDword() {
    RegistryKey::Open(root_, AsciiName(settings::kPoliciesKeyPath), KEY_SET_VALUE).DeleteValue(AsciiName(name_));
}

void RemoveAllPolicies() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegistryKey::DeleteTree(root, AsciiName(settings::kPoliciesKeyPath));
}

}  // namespace testing_support
