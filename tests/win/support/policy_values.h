#pragma once
#include <windows.h>

#include <string>

// Policy values as an administrator's policy tools leave them, for the lifetime of the object.
namespace testing_support {

class ScopedPolicy {
public:
    // A REG_DWORD or a REG_SZ under the policy key of `root` (HKEY_LOCAL_MACHINE or
    // HKEY_CURRENT_USER); the value goes again with the object.
    ScopedPolicy(HKEY root, const char* name, DWORD value);
    ScopedPolicy(HKEY root, const char* name, const std::wstring& text);
    ~ScopedPolicy();
    ScopedPolicy(const ScopedPolicy&) = delete;
    ScopedPolicy& operator=(const ScopedPolicy&) = delete;

    // Whether the value could be written (the test's user may change the machine's policies).
    bool Written() const { return written_; }

private:
    HKEY root_;
    std::wstring name_;
    bool written_;
};

// Deletes both policy keys, so a test starts without any policy.
void RemoveAllPolicies();

}  // namespace testing_support
