#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/settings/settings_table.h"

// What the configuration wizard derives from the user's answers and the machine's memory,
// what it reports on its last page and what it writes on Finish.
namespace wizards {

// The three descriptions of the performance page, in the order of their radio buttons.
enum class Experience {
    SlowWhileRunning,   // programs start fast but slow down while used
    SlowToStart,        // programs run fast but sometimes start slowly
    SlowToStartAndRun,  // both (the preselected answer)
};

// The program kinds of the programs page, bit n for check box n + 1.
enum ProgramKind : unsigned {
    kNetworkPrograms = 1u << 0,
    kWebDatabases = 1u << 1,
    kTextProcessors = 1u << 2,
    k3DPrograms = 1u << 3,
    kPhotoEditors = 1u << 4,
    kDevelopmentTools = 1u << 5,
};

struct PerformanceChoice {
    bool cacheServer = false;
    std::int32_t qualityLevel = 0;  // always "fast"
    bool preventiveOn = false;
    bool emergencyOn = false;
    bool operator==(const PerformanceChoice&) const = default;
};

PerformanceChoice DerivePerformance(Experience experience);

struct MemoryTargets {
    std::int64_t minFreeMB = 0;
    std::int64_t minCacheMB = 0;
    bool operator==(const MemoryTargets&) const = default;
};

// The largest need among the checked kinds, at most half of the memory free and a quarter
// of it kept as cache.
MemoryTargets DeriveMemoryTargets(unsigned programKinds, std::int64_t totalMB);

struct ConfigurationPlan {
    PerformanceChoice performance;
    MemoryTargets targets;
    std::int64_t totalMB = 0;
};

// `LargeSystemCache` under the local machine's memory management key: 1 for a file server.
inline constexpr const char* kMemoryManagementKey =
    "SYSTEM\\ControlSet001\\Control\\Session Manager\\Memory Management";
inline constexpr const char* kLargeSystemCacheValue = "LargeSystemCache";
std::int32_t LargeSystemCache(bool cacheServer);

struct SettingWrite {
    const settings::IntSetting* setting;  // not owned
    std::int32_t value;                   // before range encoding
};

// The service settings Finish writes, in the order it writes them. The emergency
// thresholds are percentages of memory kept within their range 1..100: on a large machine
// a few megabytes round to 0 %, on a tiny one the targets exceed the memory.
std::array<SettingWrite, 6> ServiceSettingWrites(const ConfigurationPlan& plan);

// The report of the last page, line by line: a text, optionally followed by a number and
// then a second text. The window fetches the texts from the string table.
enum class SummaryText {
    None,
    ConfigurationOfYourSystem,  // "The configuration of your system"
    WillBeChangedNow,           // "will be changed now."
    CacheFileServer,            // "Cache settings    : File-Server"
    CacheHomeComputer,          // "Cache settings    : Home computer"
    MinFreeMemory,              // "Min. free memory  : "
    MinCacheMemory,             // "Min. cache memory : "
    OptimizationDetails,        // "Optimization details :"
    Preventive,                 // "  Preventive      : "
    Emergency,                  // "  Emergency       : "
    Quality,                    // "  Quality         : "
    QuickBoostDetails,          // "QuickBoost details :"
    QuickBoostFreesUp,          // "  quickboost will free up "
    Yes,                        // "YES"
    No,                         // "NO"
    Fast,                       // "fast"
    Megabytes,                  // " MB"
};

struct SummaryLine {
    SummaryText text = SummaryText::None;
    std::optional<std::int64_t> number = std::nullopt;
    SummaryText tail = SummaryText::None;
    bool operator==(const SummaryLine&) const = default;
};

std::vector<SummaryLine> SummaryLines(const ConfigurationPlan& plan);

}  // namespace wizards
