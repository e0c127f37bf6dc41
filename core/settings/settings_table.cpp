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

}  // namespace

std::span<const IntSetting> AllIntSettings() { return kIntSettings; }
std::span<const TextSetting> AllTextSettings() { return kTextSettings; }
std::span<const BinarySetting> AllBinarySettings() { return kBinarySettings; }

const IntSetting* FindIntSetting(const char* name) {
    for (const IntSetting& s : kIntSettings)
        if (std::strcmp(s.name, name) == 0) return &s;
    return nullptr;
}

}  // namespace settings
