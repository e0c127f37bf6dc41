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
// Values an administrator sets through the platform's policy machinery, in HKEY_LOCAL_MACHINE
// (the machine) and HKEY_CURRENT_USER (the user); the machine's value wins.
inline constexpr const char* kPoliciesKeyPath = "Software\\Policies\\TesslySoftware\\DozidiDavazez";

enum class IntKind { Integer, Boolean };

// Whether and how a policy value fixes a setting. The policy value has the setting's name;
// the settings store keeps the user's own value, which is back in force once the policy goes.
enum class PolicyForm : std::uint8_t {
    None,         // not set by policy
    Flag,         // REG_DWORD: non-zero for on
    Number,       // REG_DWORD within the setting's stored range
    Choice,       // REG_DWORD: one of the numbers of the setting's range
    Megabytes,    // REG_DWORD: megabytes of a byte count, [kPolicyMinMegabytes, kPolicyMaxMegabytes]
    HotKey,       // REG_SZ such as "Ctrl+Alt+F", empty for none
    ProgramList,  // REG_SZ: program file names separated by ';'
    Language,     // REG_SZ: the language file's abbreviation ("DEU"), "EXE" for the program's own
};
inline constexpr std::int32_t kPolicyMinMegabytes = 1;
inline constexpr std::int32_t kPolicyMaxMegabytes = 2047;  // the largest byte count a value holds

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
    PolicyForm policy = PolicyForm::None;

    bool Ranged() const { return min != max; }
    std::int32_t OfferedMax() const { return offeredMax != 0 ? offeredMax : max; }
};

// A REG_SZ value, read into a buffer of `capacity` bytes (text plus terminator).
struct TextSetting {
    const char* name;
    const char* defaultValue;
    std::size_t capacity;
    PolicyForm policy = PolicyForm::None;
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
// A setting an administrator may fix.
constexpr IntSetting ByPolicy(IntSetting s, PolicyForm form) {
    s.policy = form;
    return s;
}
constexpr TextSetting ByPolicy(TextSetting s, PolicyForm form) {
    s.policy = form;
    return s;
}
constexpr IntSetting ByPolicy(IntSetting s) {
    return ByPolicy(s, s.kind == IntKind::Boolean ? PolicyForm::Flag : PolicyForm::Number);
}

// Values that configure the booster service.
inline constexpr IntSetting DefragPassesNum = Int("DefragPassesNum", 1, 1, 3);
inline constexpr IntSetting UntouchableCacheSize = Int("UntouchableCacheSize", 16777216);
inline constexpr IntSetting OnTimeFree = ByPolicy(Bool("OnTimeFree", true));
inline constexpr IntSetting OnTimeFreeSize = ByPolicy(Int("OnTimeFreeSize", 2097152), PolicyForm::Megabytes);
inline constexpr IntSetting OnTimeFreeSec = ByPolicy(Int("OnTimeFreeSec", 270, 30, 600));
inline constexpr IntSetting OnTimeCPUBusyDetect = ByPolicy(Bool("OnTimeCPUBusyDetect", true));
inline constexpr IntSetting OnTimeCPUBusyVal = ByPolicy(Int("OnTimeCPUBusyVal", 5, 1, 100));
inline constexpr IntSetting OnTimeCPUBusySec = ByPolicy(Offered(Int("OnTimeCPUBusySec", 30, 1, 180), 120));
inline constexpr IntSetting MemMinFree = ByPolicy(Bool("MemMinFree", false));
inline constexpr IntSetting MemMinFreeSize = ByPolicy(Int("MemMinFreeSize", 10, 1, 100));
inline constexpr IntSetting MemMinFreeSizeNeed = ByPolicy(Int("MemMinFreeSizeNeed", 20, 1, 100));
inline constexpr IntSetting MemMinCPUBusyDetect = ByPolicy(Bool("MemMinCPUBusyDetect", true));
inline constexpr IntSetting MemMinCPUBusyVal = ByPolicy(Int("MemMinCPUBusyVal", 5, 1, 100));
inline constexpr IntSetting MemMinCPUBusySec = ByPolicy(Offered(Int("MemMinCPUBusySec", 15, 1, 180), 120));
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
// A stored hot key: the virtual-key code in the low byte, with these bits for its modifiers.
inline constexpr std::uint16_t kHotKeyShift = 0x2000;
inline constexpr std::uint16_t kHotKeyCtrl = 0x4000;
inline constexpr std::uint16_t kHotKeyAlt = 0x8000;
inline constexpr std::uint16_t kHotKeyKeyMask = 0x00FF;
inline constexpr IntSetting HotSleepKey = ByPolicy(Int("HotSleepKey", 49217), PolicyForm::HotKey);  // Ctrl+Alt+A
inline constexpr IntSetting HotFreeKey = ByPolicy(Int("HotFreeKey", 49222), PolicyForm::HotKey);    // Ctrl+Alt+F
inline constexpr IntSetting HotMngrKey = ByPolicy(Int("HotMngrKey", 49224), PolicyForm::HotKey);    // Ctrl+Alt+H
inline constexpr IntSetting QBoostMethod = ByPolicy(Int("QBoostMethod", 0, 0, 2), PolicyForm::Choice);
inline constexpr IntSetting QBoostSize = ByPolicy(Int("QBoostSize", 33554432), PolicyForm::Megabytes);
// Automatic optimisations wait while a full-screen program is in front or a program of
// QuietPrograms runs; programs of ExcludedPrograms are never trimmed. Lists of file names
// separated by ';' (core/settings/program_list.h).
inline constexpr IntSetting QuietFullScreen = ByPolicy(Bool("QuietFullScreen", true));

inline constexpr TextSetting LangFileName{"LangFileName", "english", 255};
inline constexpr BinarySetting LangPack{"LangPack", 0};
inline constexpr BinarySetting LangInetPack{"LangInetPack", 0};
inline constexpr BinarySetting LangTrayPack{"LangTrayPack", 0};
// The service's health lines in the current language (core/booster/health_line.h).
inline constexpr BinarySetting LangHealthPack{"LangHealthPack", 0};
inline constexpr TextSetting QuietPrograms = ByPolicy(TextSetting{"QuietPrograms", "", 4096}, PolicyForm::ProgramList);
inline constexpr TextSetting ExcludedPrograms = ByPolicy(TextSetting{"ExcludedPrograms", "", 4096}, PolicyForm::ProgramList);

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

// Set by policy only, not kept in the settings store: whether the service starts when a user
// logs on (the user's own choice is the Run key's value), whether the configurator writes its
// error log and screenshots, and the interface language (the user's own is the localizer's).
inline constexpr IntSetting Autostart = ByPolicy(Bool("Autostart", false));
inline constexpr IntSetting ErrorLog = ByPolicy(Bool("ErrorLog", true));
inline constexpr TextSetting Language = ByPolicy(TextSetting{"Language", "", 9}, PolicyForm::Language);

// A setting an administrator may fix, of either type.
struct PolicySetting {
    const IntSetting* number;  // one of the two is set
    const TextSetting* text;

    const char* Name() const { return number ? number->name : text->name; }
    PolicyForm Form() const { return number ? number->policy : text->policy; }
};

// All values of each type, in the order of the tables above.
std::span<const IntSetting> AllIntSettings();
std::span<const TextSetting> AllTextSettings();
std::span<const BinarySetting> AllBinarySettings();
const IntSetting* FindIntSetting(const char* name);
// Every setting a policy may fix, the store's and the policy-only ones, in table order.
std::span<const PolicySetting> AllPolicySettings();
const PolicySetting* FindPolicySetting(const char* name);

}  // namespace settings
