#include "core/settings/settings_table.h"

#include <array>
#include <cstring>

namespace settings {
namespace {

constexpr std::array kIntSettings{
    DefragPassesNum,
    UntouchableCacheSize,
    OnTimeFree,
    OnTimeFreeSize,
    OnTimeFreeSec,
    OnTimeCPUBusyDetect,
    OnTimeCPUBusyVal,
    OnTimeCPUBusySec,
    MemMinFree,
    MemMinFreeSize,
    MemMinFreeSizeNeed,
    MemMinCPUBusyDetect,
    MemMinCPUBusyVal,
    MemMinCPUBusySec,
    IconViewMode,
    IconViewStyle,
    IconViewAnimate,
    IconViewData,
    IconForeClr,
    IconBackClr,
    IconTextClr,
    IconTimeRefresh,
    HotSleepKey,
    HotFreeKey,
    HotMngrKey,
    QBoostMethod,
    QBoostSize,
    QuietFullScreen,
    CFGViewMenuState,
    CFGWindowMaximized,
    CFGConfigWizardComplete,
    CFGFirstWizardComplete,
    DlgCloseNeverAsk,
    DlgQBoostNeverAsk,
};

constexpr std::array kTextSettings{LangFileName, QuietPrograms, ExcludedPrograms};
constexpr std::array kBinarySettings{LangPack, LangInetPack, LangTrayPack, MainWndPos};

constexpr std::array kPolicySettings{
    PolicySetting{&Autostart, nullptr},
    PolicySetting{&OnTimeFree, nullptr},
    PolicySetting{&OnTimeFreeSize, nullptr},
    PolicySetting{&OnTimeFreeSec, nullptr},
    PolicySetting{&OnTimeCPUBusyDetect, nullptr},
    PolicySetting{&OnTimeCPUBusyVal, nullptr},
    PolicySetting{&OnTimeCPUBusySec, nullptr},
    PolicySetting{&MemMinFree, nullptr},
    PolicySetting{&MemMinFreeSize, nullptr},
    PolicySetting{&MemMinFreeSizeNeed, nullptr},
    PolicySetting{&MemMinCPUBusyDetect, nullptr},
    PolicySetting{&MemMinCPUBusyVal, nullptr},
    PolicySetting{&MemMinCPUBusySec, nullptr},
    PolicySetting{&QBoostMethod, nullptr},
    PolicySetting{&QBoostSize, nullptr},
    PolicySetting{&HotSleepKey, nullptr},
    PolicySetting{&HotFreeKey, nullptr},
    PolicySetting{&HotMngrKey, nullptr},
    PolicySetting{&QuietFullScreen, nullptr},
    PolicySetting{nullptr, &QuietPrograms},
    PolicySetting{nullptr, &ExcludedPrograms},
    PolicySetting{nullptr, &Language},
    PolicySetting{&ErrorLog, nullptr},
};

}  // namespace

std::span<const IntSetting> AllIntSettings() { return kIntSettings; }
std::span<const TextSetting> AllTextSettings() { return kTextSettings; }
std::span<const BinarySetting> AllBinarySettings() { return kBinarySettings; }

const IntSetting* FindIntSetting(const char* name) {
    for (const IntSetting& s : kIntSettings)
        if (std::strcmp(s.name, name) == 0) return &s;
    return nullptr;
}

std::span<const PolicySetting> AllPolicySettings() { return kPolicySettings; }

const PolicySetting* FindPolicySetting(const char* name) {
    for (const PolicySetting& p : kPolicySettings)
        if (std::strcmp(p.Name(), name) == 0) return &p;
    return nullptr;
}

}  // namespace settings
