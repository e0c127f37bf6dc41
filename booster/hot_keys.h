#pragma once
#include <windows.h>

#include "core/booster/booster_settings.h"

// The service's three system-wide hot keys, registered on its window. A key another
// program already holds is not available; the service reports it in its health.
namespace booster {

enum HotKeyId : int { kPauseResumeKey = 1, kQuickBoostKey = 2, kConfiguratorKey = 3 };

class HotKeys {
public:
    explicit HotKeys(HWND owner) : owner_(owner) {}
    ~HotKeys() { Unregister(); }
    HotKeys(const HotKeys&) = delete;
    HotKeys& operator=(const HotKeys&) = delete;

    // Replaces whatever was registered before. Returns the shortcut code of the first key
    // the system refused (another program holds it), 0 when all are registered.
    std::int32_t Register(const HotKeyCodes& codes);
    void Unregister();

private:
    HWND owner_;
};

}  // namespace booster
