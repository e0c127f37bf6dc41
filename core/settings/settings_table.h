#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// Every value of the product's settings key, with its registry type, default and range.
// Both programs (the configurator and the booster service) read and write through these
// entries, so a default or a range is stated exactly once.
namespace settings {

inline constexpr const char* kSettingsKeyPath = "Software\\TesslySoftware\\DozidiDavazez";
inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "TesslyMB_service";

enum class IntKind { Integer, Boolean };

// A REG_DWORD value. min == max means the value is stored without range encoding.
// `offeredMax` (0: `max`) is the largest value the settings windows offer for a ranged value
// whose stored range reaches further; the stored range stays part of the format.
struct IntSetting {
    const char* name;
    IntKind kind;
    std::int32_t defaultValue;
    std::int32_t min;
    std::int32_t max;
    std::int32_t offeredMax = 0;

    bool Ranged() const { return min != max; }
    std::int32_t OfferedMax() const { return offeredMax != 0 ? offeredMax : max; }
};

// A REG_SZ value, read into a buffer of `capacity` bytes (text plus terminator).
struct TextSetting {
    const char* name;
    const char* defaultValue;
    std::size_t capacity;
};

// A REG_BINARY value: a text block without terminator, or a fixed-size record.
struct BinarySetting {
    const char* name;
    std::size_t size;  // 0: a text block of any length
};

inline constexpr std::int32_t kTrue = -1;
inline constexpr std::int32_t kFalse = 0;

constexpr IntSetting Int(const char* name, std::int32_t def, std::int32_t min = 0, std::int32_t max = 0) {
    return {name, IntKind::Integer, def, min, max};
}
// A ranged value of which the settings windows offer only [min, offeredMax].
constexpr IntSetting Offered(IntSetting s, std::int32_t offeredMax) {
    s.offeredMax = offeredMax;
    return s;
}
constexpr IntSetting Bool(const char* name, bool def) { return {name, IntKind::Boolean, def ? kTrue : kFalse, 0, 0}; }

// Values that configure the booster service.
inline constexpr IntSetting DefragPassesNum = Int("DefragPassesNum", 1, 1, 3);
inline constexpr IntSetting UntouchableCacheSize = Int("UntouchableCacheSize", 16777216);
inline constexpr IntSetting OnTimeFree = Bool("OnTimeFree", true);
inline constexpr IntSetting OnTimeFreeSize = Int("OnTimeFreeSize", 2097152);
inline constexpr IntSetting OnTimeFreeSec = Int("OnTimeFreeSec", 270, 30, 600);
inline constexpr IntSetting OnTimeCPUBusyDetect = Bool("OnTimeCPUBusyDetect", true);
inline constexpr IntSetting OnTimeCPUBusyVal = Int("OnTimeCPUBusyVal", 5, 1, 100);
inline constexpr IntSetting OnTimeCPUBusySec = Offered(Int("OnTimeCPUBusySec", 30, 1, 180), 120);
inline constexpr IntSetting MemMinFree = Bool("MemMinFree", false);
inline constexpr IntSetting MemMinFreeSize = Int("MemMinFreeSize", 10, 1, 100);
inline constexpr IntSetting MemMinFreeSizeNeed = Int("MemMinFreeSizeNeed", 20, 1, 100);
inline constexpr IntSetting MemMinCPUBusyDetect = Bool("MemMinCPUBusyDetect", true);
inline constexpr IntSetting MemMinCPUBusyVal = Int("MemMinCPUBusyVal", 5, 1, 100);
inline constexpr IntSetting MemMinCPUBusySec = Offered(Int("MemMinCPUBusySec", 15, 1, 180), 120);
inline constexpr IntSetting IconViewMode = Int("IconViewMode", 1, 0, 7);
inline constexpr IntSetting IconViewStyle = Int("IconViewStyle", 1, 1, 5);
inline constexpr IntSetting IconViewAnimate = Int("IconViewAnimate", 0, 0, 1);
inline constexpr IntSetting IconViewData = Int("IconViewData", 0, 0, 1);
inline constexpr IntSetting IconForeClr = Int("IconForeClr", 0x00FF00);
inline constexpr IntSetting IconBackClr = Int("IconBackClr", 0x008800);
inline constexpr IntSetting IconTextClr = Int("IconTextClr", 0xFFFFFF);
// The configurator only writes it; the default serves the service, matching the
// configurator's default view state (2-second interval).
inline constexpr IntSetting IconTimeRefresh = Int("IconTimeRefresh", 2, 1, 10);
inline constexpr IntSetting HotSleepKey = Int("HotSleepKey", 49217);  // Ctrl+Alt+A
inline constexpr IntSetting HotFreeKey = Int("HotFreeKey", 49222);    // Ctrl+Alt+F
inline constexpr IntSetting HotMngrKey = Int("HotMngrKey", 49224);    // Ctrl+Alt+H
inline constexpr IntSetting QBoostMethod = Int("QBoostMethod", 0, 0, 2);
inline constexpr IntSetting QBoostSize = Int("QBoostSize", 33554432);
// Automatic optimisations wait while a full-screen program is in front or a program of
// QuietPrograms runs; programs of ExcludedPrograms are never trimmed. Lists of file names
// separated by ';' (core/settings/program_list.h).
inline constexpr IntSetting QuietFullScreen = Bool("QuietFullScreen", true);

inline constexpr TextSetting LangFileName{"LangFileName", "english", 255};
inline constexpr BinarySetting LangPack{"LangPack", 0};
inline constexpr BinarySetting LangInetPack{"LangInetPack", 0};
inline constexpr BinarySetting LangTrayPack{"LangTrayPack", 0};
// The service's health lines in the current language (core/booster/health_line.h).
inline constexpr BinarySetting LangHealthPack{"LangHealthPack", 0};
inline constexpr TextSetting QuietPrograms{"QuietPrograms", "", 4096};
inline constexpr TextSetting ExcludedPrograms{"ExcludedPrograms", "", 4096};

// Values used only by the configurator.
inline constexpr IntSetting CFGViewMenuState = Int("CFGViewMenuState", 139);
inline constexpr BinarySetting MainWndPos{"MainWndPos", 16};
inline constexpr IntSetting CFGWindowMaximized = Bool("CFGWindowMaximized", false);
inline constexpr IntSetting CFGConfigWizardComplete = Bool("CFGConfigWizardComplete", false);
inline constexpr IntSetting CFGFirstWizardComplete = Bool("CFGFirstWizardComplete", false);
inline constexpr IntSetting DlgCloseNeverAsk = Bool("DlgCloseNeverAsk", false);
inline constexpr IntSetting DlgQBoostNeverAsk = Bool("DlgQBoostNeverAsk", false);
// Kept by the localizer itself, outside the access layer.
inline constexpr const char* kLocalizerExtValue = "LocalizerExt";

// All values of each type, in the order of the tables above.
std::span<const IntSetting> AllIntSettings();
std::span<const TextSetting> AllTextSettings();
std::span<const BinarySetting> AllBinarySettings();
const IntSetting* FindIntSetting(const char* name);

}  // namespace settings
