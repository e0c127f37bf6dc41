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

}  // namespace

std::span<const IntSetting> AllIntSettings() { return kIntSettings; }

const IntSetting* FindIntSetting(const char* name) {
    for (const IntSetting& s : kIntSettings)
        if (std::strcmp(s.name, name) == 0) return &s;
    return nullptr;
}

}  // namespace settings
