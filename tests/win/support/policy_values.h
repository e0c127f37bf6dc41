#pragma once
#include <windows.h>

#include <cstdint>

// Policy values as an administrator sets them, under settings::kPoliciesKeyPath of the machine
// (HKEY_LOCAL_MACHINE) or the user (HKEY_CURRENT_USER). Each object sets one REG_DWORD value
// and removes it again when it goes.
namespace testing_support {

class PolicyDword {
public:
    PolicyDword(HKEY root, const char* name, std::uint32_t value);
    ~PolicyDword();
    PolicyDword(const PolicyDword&) = delete;
    PolicyDword& operator=(const PolicyDword&) = delete;

    // Whether the value could be written (the test's user may change the machine's policies).
    bool Written() const { return written_; }

private:
    HKEY root_;
    const char* name_;
    bool written_;
};

// Removes the policy key of both roots: no policy left by an earlier test.
void RemoveAllPolicies();

}  // namespace testing_support
