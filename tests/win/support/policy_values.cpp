#include "tests/win/support/policy_values.h"

#include "core/settings/settings_table.h"
#include "platform/registry.h"

namespace testing_support {
namespace {

platform::RegistryKey PolicyKey(HKEY root) {
    return platform::RegistryKey::Create(root, platform::AsciiName(settings::kPoliciesKeyPath));
}

}  // namespace

ScopedPolicy::ScopedPolicy(HKEY root, const char* name, DWORD value) : root_(root), name_(platform::AsciiName(name)) {
    written_ = PolicyKey(root_).WriteDword(name_, value) == ERROR_SUCCESS;
}

ScopedPolicy::ScopedPolicy(HKEY root, const char* name, const std::wstring& text)
    : root_(root), name_(platform::AsciiName(name)) {
    written_ = PolicyKey(root_).WriteString(name_, text) == ERROR_SUCCESS;
}

ScopedPolicy::~ScopedPolicy() { PolicyKey(root_).DeleteValue(name_); }

void RemoveAllPolicies() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        platform::RegistryKey::DeleteTree(root, platform::AsciiName(settings::kPoliciesKeyPath));
}

}  // namespace testing_support
