#include "booster/hot_keys.h"

#include "core/booster/hot_key.h"

namespace booster {
namespace {

static_assert(kModAlt == MOD_ALT && kModControl == MOD_CONTROL && kModShift == MOD_SHIFT);

void RegisterOne(HWND owner, HotKeyId id, std::int32_t code) {
    if (auto key = HotKeyFromShortcut(code)) RegisterHotKey(owner, id, key->modifiers | MOD_NOREPEAT, key->virtualKey);
}

}  // namespace

void HotKeys::Register(const HotKeyCodes& codes) {
    Unregister();
    RegisterOne(owner_, kPauseResumeKey, codes.pauseResume);
    RegisterOne(owner_, kQuickBoostKey, codes.quickBoost);
    RegisterOne(owner_, kConfiguratorKey, codes.showConfigurator);
}

void HotKeys::Unregister() {
    for (int id : {kPauseResumeKey, kQuickBoostKey, kConfiguratorKey}) UnregisterHotKey(owner_, id);
}

}  // namespace booster
