#include "wizards/system_cache.h"

#include "core/wizards/configuration_plan.h"
#include "platform/registry.h"

namespace wizards {
namespace {

using platform::AsciiName;
using platform::RegistryKey;

HKEY g_root = nullptr;

HKEY Root() { return g_root ? g_root : HKEY_LOCAL_MACHINE; }

}  // namespace

void OverrideSystemCacheRoot(HKEY root) { g_root = root; }

bool ReadLargeSystemCache() {
    // Read access only: every user may read the machine's settings, few may change them.
    const auto key = RegistryKey::Open(Root(), AsciiName(kMemoryManagementKey), KEY_QUERY_VALUE);
    // A value that is missing or not a number is treated by the system as unset.
    return key.ReadDword(AsciiName(kLargeSystemCacheValue)).value_or(0) != 0;
}

bool WriteLargeSystemCache(bool cacheServer) {
    const auto key = RegistryKey::Open(Root(), AsciiName(kMemoryManagementKey), KEY_SET_VALUE);
    return key.WriteDword(AsciiName(kLargeSystemCacheValue), static_cast<std::uint32_t>(LargeSystemCache(cacheServer))) ==
           ERROR_SUCCESS;
}

}  // namespace wizards
