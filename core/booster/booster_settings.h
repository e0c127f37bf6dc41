#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What the service takes from the settings store, read at start and on every restart
// command and then handed by value to whoever needs it (worker passes included), so no
// other thread ever touches the store.
namespace booster {

// A wait for a quiet processor before an automatic pass.
struct BusyWait {
    bool enabled;
    int thresholdPercent;  // load above this counts as busy
    int periodSeconds;     // load is averaged over this period and retested after it
};

struct PreventiveSettings {
    bool enabled;
    std::int64_t sizeBytes;
    int intervalSeconds;
    BusyWait busy;
};

struct EmergencySettings {
    bool enabled;
    int startBelowPercent;  // available physical memory that starts a pass
    int targetPercent;      // available physical memory a pass aims for
    BusyWait busy;
};

struct TrayIconSettings {
    bool visible;
    int style;                // 1..5
    bool animate;             // while a pass runs
    int data;                 // 0 memory, 1 processor
    std::uint32_t foreColor;  // 0x00BBGGRR
    std::uint32_t backColor;
    std::uint32_t textColor;
};

struct HotKeyCodes {
    std::int32_t pauseResume;
    std::int32_t quickBoost;
    std::int32_t showConfigurator;
};

struct BoosterSettings {
    int quality;  // 0..2
    std::int64_t untouchableCacheBytes;
    PreventiveSettings preventive;
    EmergencySettings emergency;
    TrayIconSettings icon;
    int refreshSeconds;
    HotKeyCodes hotKeys;
    int quickBoostMethod;
    std::int64_t quickBoostBytes;
    bool quietFullScreen;
    std::vector<std::wstring> quietPrograms;     // file names
    std::vector<std::wstring> excludedPrograms;  // file names
};

struct TrayTexts {
    std::vector<std::wstring> menu;      // Configure..., Free buffer, Free Maximum Memory,
                                         // Auto RAM defrag, Internet, About, Exit
    std::vector<std::wstring> internet;  // Visit site, Tell a friend, Send feedback
    std::wstring tipFormat;
    std::vector<std::wstring> health;  // kHealthTextCount lines (core/booster/health_line.h)
};

}  // namespace booster
