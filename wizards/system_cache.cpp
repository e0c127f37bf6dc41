#include "wizards/system_cache.h"

#include "core/wizards/configuration_plan.h"
#include "platform/error.h"
#include "settings/registry.h"

namespace wizards {
namespace {

HKEY g_root = nullptr;

HKEY Root() { return g_root ? g_root : HKEY_LOCAL_MACHINE; }

}  // namespace

void OverrideSystemCacheRoot(HKEY root) { g_root = root; }

bool ReadLargeSystemCache() {
    Registry registry(Root());
    if (!registry.OpenKey(kMemoryManagementKey, true) || !registry.ValueExists(kLargeSystemCacheValue)) return false;
    try {
        return registry.ReadInteger(kLargeSystemCacheValue) != 0;
    } catch (const platform::Error&) {
        return false;  // not a number: the system treats it as unset
    }
}

void WriteLargeSystemCache(bool cacheServer) {
    Registry registry(Root());
    registry.OpenKey(kMemoryManagementKey, true);
    registry.WriteInteger(kLargeSystemCacheValue, LargeSystemCache(cacheServer));
}

}  // namespace wizards
