#include "booster/hot_keys.h"

#include <utility>

#include "core/booster/hot_key.h"

namespace booster {
namespace {

static_assert(kModAlt == MOD_ALT && kModControl == MOD_CONTROL && kModShift == MOD_SHIFT);

// False when the key is a valid one that could not be registered.
bool RegisterOne(HWND owner, HotKeyId id, std::int32_t code) {
    auto key = HotKeyFromShortcut(code);
    return !key || RegisterHotKey(owner, id, key->modifiers | MOD_NOREPEAT, key->virtualKey);
}

}  // namespace

std::int32_t HotKeys::Register(const HotKeyCodes& codes) {
    Unregister();
    std::int32_t taken = 0;
    const std::pair<HotKeyId, std::int32_t> keys[] = {
        {kPauseResumeKey, codes.pauseResume}, {kQuickBoostKey, codes.quickBoost},
        {kConfiguratorKey, codes.showConfigurator}};
    for (const auto& [id, code] : keys)
        if (!RegisterOne(owner_, id, code) && taken == 0) taken = code;
    return taken;
}

void HotKeys::Unregister() {
    for (int id : {kPauseResumeKey, kQuickBoostKey, kConfiguratorKey}) UnregisterHotKey(owner_, id);
}

}  // namespace booster
