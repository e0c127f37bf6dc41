#include "tools/admx/policy_texts.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace admx {
namespace {

constexpr std::array kCategories{
    Category{"General", nullptr},
    Category{"AutomaticOptimization", nullptr},
    Category{"PreventiveOptimization", "AutomaticOptimization"},
    Category{"EmergencyOptimization", "AutomaticOptimization"},
    Category{"QuickBoost", nullptr},
    Category{"HotKeys", nullptr},
    Category{"Exclusions", nullptr},
};

constexpr std::array kCategoryNames{
    "General",  "Automatic optimization",  "Preventive optimization", "Emergency optimization", "Quick boost",
    "Hot keys", "Programs and exclusions",
};
static_assert(kCategoryNames.size() == kCategories.size());

constexpr std::array kLanguages{
    TemplateLanguage{"en-US", "", "EXE"},
    TemplateLanguage{"de-DE", "de", "DEU"},
    TemplateLanguage{"ru-RU", "ru", "RUS"},
    TemplateLanguage{"fr-FR", "fr", "FRA"},
};
// The names of the Language policy's items, in the order of kLanguages.
constexpr std::array kLanguageNames{"English", "German", "Russian", "French"};
static_assert(kLanguageNames.size() == kLanguages.size());

// What an administrator reads about one policy. `label` captions the value in the policy's
// dialog (none for an on/off policy); `items` name the numbers of a choice's range in order.
struct PolicyTexts {
    const char* setting;
    const char* category;
    const char* name;
    const char* explain;
    const char* label = nullptr;
    std::array<const char*, 3> items{};
};

const PolicyTexts kTexts[] = {
    {"Autostart", "General", "Run service at Windows startup",
     "This policy setting determines whether the booster service starts when the user logs on to Windows.\n\n"
     "If you enable this policy setting, the service starts at every logon.\n\n"
     "If you disable this policy setting, the service does not start at logon; the user can still start it from "
     "the program.\n\n"
     "If you do not configure this policy setting, the user's own choice (\"Run service at Windows startup\" in "
     "the options) applies."},
    {"OnTimeFree", "PreventiveOptimization", "Turn on preventive optimization",
     "Preventive optimization frees memory at regular intervals, before it runs short.\n\n"
     "If you enable this policy setting, the booster service optimizes memory at the interval and by the amount "
     "that the other policy settings of this category or the user's options set.\n\n"
     "If you disable this policy setting, the service performs no preventive optimization.\n\n"
     "If you do not configure this policy setting, the user's own setting applies."},
    {"OnTimeFreeSize", "PreventiveOptimization", "Memory to reclaim by preventive optimization",
     "This policy setting specifies how much memory each preventive optimization frees, in megabytes (MB), from "
     "{min} to {max}.\n\n"
     "If you enable this policy setting, the booster service frees the amount you specify at every preventive "
     "optimization.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default {default} "
     "MB).",
     "Memory to reclaim each time (MB):"},
    {"OnTimeFreeSec", "PreventiveOptimization", "Interval of preventive optimization",
     "This policy setting specifies how often the preventive optimization is repeated, in seconds, from {min} to "
     "{max}.\n\n"
     "If you enable this policy setting, the booster service optimizes memory at the interval you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} seconds).",
     "Interval (seconds):"},
    {"OnTimeCPUBusyDetect", "PreventiveOptimization", "Smart processor usage for preventive optimization",
     "With smart processor usage, a preventive optimization waits while the processor is busy, so that it does "
     "not slow down the programs at work.\n\n"
     "If you enable this policy setting, the booster service starts a preventive optimization only when the "
     "processor usage, averaged over the retest time, does not exceed the highest processor usage; otherwise it "
     "tests again after the retest time.\n\n"
     "If you disable this policy setting, preventive optimizations start whatever the processor usage.\n\n"
     "If you do not configure this policy setting, the user's own setting applies."},
    {"OnTimeCPUBusyVal", "PreventiveOptimization", "Highest processor usage for preventive optimization",
     "This policy setting specifies the highest processor usage, in percent from {min} to {max}, at which a "
     "preventive optimization may start when smart processor usage is turned on.\n\n"
     "If you enable this policy setting, the booster service uses the percentage you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} %).",
     "Highest processor usage (%):"},
    {"OnTimeCPUBusySec", "PreventiveOptimization", "Retest time of processor usage for preventive optimization",
     "This policy setting specifies, in seconds from {min} to {max}, over how long the processor usage is "
     "averaged before a preventive optimization and after how long a busy processor is tested again, when smart "
     "processor usage is turned on.\n\n"
     "If you enable this policy setting, the booster service uses the time you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} seconds).",
     "Retest time (seconds):"},
    {"MemMinFree", "EmergencyOptimization", "Turn on emergency optimization",
     "Emergency optimization frees memory as soon as the free memory falls below a set level.\n\n"
     "If you enable this policy setting, the booster service steps in at the levels that the other policy "
     "settings of this category or the user's options set.\n\n"
     "If you disable this policy setting, the service performs no emergency optimization.\n\n"
     "If you do not configure this policy setting, the user's own setting applies."},
    {"MemMinFreeSize", "EmergencyOptimization", "Lowest level of free memory",
     "This policy setting specifies the level of free memory, in percent of the physical memory from {min} to "
     "{max}, below which an emergency optimization starts.\n\n"
     "If you enable this policy setting, the booster service uses the level you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} %).",
     "Lowest level of free memory (%):"},
    {"MemMinFreeSizeNeed", "EmergencyOptimization", "Memory to keep free by emergency optimization",
     "This policy setting specifies how much memory an emergency optimization frees: it goes on until this share "
     "of the physical memory, in percent from {min} to {max}, is free.\n\n"
     "If you enable this policy setting, the booster service uses the share you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} %).",
     "Memory to keep free (%):"},
    {"MemMinCPUBusyDetect", "EmergencyOptimization", "Smart processor usage for emergency optimization",
     "With smart processor usage, an emergency optimization waits while the processor is busy, so that it does "
     "not slow down the programs at work.\n\n"
     "If you enable this policy setting, the booster service starts an emergency optimization only when the "
     "processor usage, averaged over the retest time, does not exceed the highest processor usage; otherwise it "
     "tests again after the retest time.\n\n"
     "If you disable this policy setting, emergency optimizations start whatever the processor usage.\n\n"
     "If you do not configure this policy setting, the user's own setting applies."},
    {"MemMinCPUBusyVal", "EmergencyOptimization", "Highest processor usage for emergency optimization",
     "This policy setting specifies the highest processor usage, in percent from {min} to {max}, at which an "
     "emergency optimization may start when smart processor usage is turned on.\n\n"
     "If you enable this policy setting, the booster service uses the percentage you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} %).",
     "Highest processor usage (%):"},
    {"MemMinCPUBusySec", "EmergencyOptimization", "Retest time of processor usage for emergency optimization",
     "This policy setting specifies, in seconds from {min} to {max}, over how long the processor usage is "
     "averaged before an emergency optimization and after how long a busy processor is tested again, when smart "
     "processor usage is turned on.\n\n"
     "If you enable this policy setting, the booster service uses the time you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} seconds).",
     "Retest time (seconds):"},
    {"QBoostMethod",
     "QuickBoost",
     "Quick boost action",
     "This policy setting specifies what a quick boost does:\n\n"
     "- Keep the free memory size at level: frees memory until as much memory is free as the quick boost size "
     "sets.\n"
     "- Reclaim the amount of memory: frees as much memory as the quick boost size sets.\n"
     "- Reclaim the maximum possible amount of memory: frees all the memory it can (not recommended, as the "
     "programs at work have to load their memory again).\n\n"
     "If you enable this policy setting, quick boosts use the action you select.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies.",
     "Action:",
     {"Keep the free memory size at level", "Reclaim the amount of memory",
      "Reclaim the maximum possible amount of memory (not recommended)"}},
    {"QBoostSize", "QuickBoost", "Quick boost size",
     "This policy setting specifies the memory size of a quick boost, in megabytes (MB) from {min} to {max}: the "
     "free memory to keep or the memory to reclaim, according to the quick boost action.\n\n"
     "If you enable this policy setting, quick boosts use the size you specify.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies (by default "
     "{default} MB).",
     "Size (MB):"},
    {"HotSleepKey", "HotKeys", "Hot key to pause or resume the service",
     "This policy setting assigns the hot key that pauses the booster service or lets it resume.\n\n"
     "If you enable this policy setting, type the key as modifiers and a key joined by \"+\", such as "
     "{default}: the modifiers are Ctrl, Alt and Shift, the key a letter, a digit or F1 to F24. Leave the box "
     "empty for no hot key.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies.",
     "Hot key:"},
    {"HotFreeKey", "HotKeys", "Hot key for a quick boost",
     "This policy setting assigns the hot key that starts a quick boost.\n\n"
     "If you enable this policy setting, type the key as modifiers and a key joined by \"+\", such as "
     "{default}: the modifiers are Ctrl, Alt and Shift, the key a letter, a digit or F1 to F24. Leave the box "
     "empty for no hot key.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies.",
     "Hot key:"},
    {"HotMngrKey", "HotKeys", "Hot key to display the program window",
     "This policy setting assigns the hot key that opens the program's main window.\n\n"
     "If you enable this policy setting, type the key as modifiers and a key joined by \"+\", such as "
     "{default}: the modifiers are Ctrl, Alt and Shift, the key a letter, a digit or F1 to F24. Leave the box "
     "empty for no hot key.\n\n"
     "If you disable or do not configure this policy setting, the user's own setting applies.",
     "Hot key:"},
    {"QuietFullScreen", "Exclusions", "Pause automatic optimization while a full-screen program is in front",
     "This policy setting determines whether preventive and emergency optimizations wait while a program shows "
     "full screen, such as a game or a presentation.\n\n"
     "If you enable this policy setting, automatic optimizations wait until no full-screen program is in "
     "front.\n\n"
     "If you disable this policy setting, automatic optimizations also run while a full-screen program is in "
     "front.\n\n"
     "If you do not configure this policy setting, the user's own setting applies."},
    {"QuietPrograms", "Exclusions", "Pause automatic optimization while these programs run",
     "This policy setting lists the programs that hold back preventive and emergency optimizations: as long as one "
     "of them runs, no automatic optimization starts.\n\n"
     "If you enable this policy setting, enter the programs' file names separated by semicolons, such as "
     "game.exe;player.exe (at most {max} characters). The list replaces the user's own list.\n\n"
     "If you disable or do not configure this policy setting, the user's own list applies.",
     "Programs (separated by \";\"):"},
    {"ExcludedPrograms", "Exclusions", "Never optimize these programs",
     "This policy setting lists the programs whose memory no optimization touches, neither automatic "
     "optimizations nor a quick boost.\n\n"
     "If you enable this policy setting, enter the programs' file names separated by semicolons, such as "
     "game.exe;player.exe (at most {max} characters). The list replaces the user's own list.\n\n"
     "If you disable or do not configure this policy setting, the user's own list applies.",
     "Programs (separated by \";\"):"},
    {"Language", "General", "User interface language",
     "This policy setting specifies the language of the program's user interface and of the booster service's "
     "texts in the notification area.\n\n"
     "If you enable this policy setting, the program uses the language you select.\n\n"
     "If you disable or do not configure this policy setting, the language the user chose in the Language menu "
     "applies.",
     "Language:"},
    {"ErrorLog", "General", "Write the error log",
     "This policy setting determines whether the program records unexpected errors in its error log "
     "(errorlog.txt), with screenshots, for the user's bug reports.\n\n"
     "If you enable or do not configure this policy setting, the error log is written.\n\n"
     "If you disable this policy setting, neither the error log nor screenshots are written; the user is still "
     "told of an error."},
};

const PolicyTexts& TextsOf(const settings::PolicySetting& policy) {
    for (const PolicyTexts& t : kTexts)
        if (std::strcmp(t.setting, policy.Name()) == 0) return t;
    throw std::runtime_error(std::string("policy ") + policy.Name() + " has no English texts");
}

}  // namespace

std::span<const Category> Categories() { return kCategories; }
std::span<const TemplateLanguage> TemplateLanguages() { return kLanguages; }

const char* CategoryOf(const settings::PolicySetting& policy) { return TextsOf(policy).category; }

std::vector<SourceText> SourceTexts() {
    std::vector<SourceText> texts{
        {kProductContext, "Tessly Dozidi Davazez"},
        {kSupportedContext, "At least Tessly Dozidi Davazez {version}"},
    };
    for (std::size_t i = 0; i < kCategories.size(); ++i)
        texts.push_back({std::string("Category.") + kCategories[i].id, kCategoryNames[i]});
    for (const settings::PolicySetting& policy : settings::AllPolicySettings()) {
        const PolicyTexts& t = TextsOf(policy);
        const std::string name = policy.Name();
        texts.push_back({name + ".Name", t.name});
        texts.push_back({name + ".Explain", t.explain});
        if (policy.Form() != settings::PolicyForm::Flag) {
            if (!t.label) throw std::runtime_error("policy " + name + " has no English label");
            texts.push_back({name + ".Label", t.label});
        }
        if (policy.Form() == settings::PolicyForm::Choice) {
            const std::size_t count = static_cast<std::size_t>(policy.number->max - policy.number->min + 1);
            for (std::size_t i = 0; i < std::max(count, t.items.size()); ++i)
                if (i >= t.items.size() || (t.items[i] != nullptr) != (i < count))
                    throw std::runtime_error("policy " + name + ": the item texts do not match its range");
            for (std::size_t i = 0; i < count; ++i)
                texts.push_back({name + ".Item" + std::to_string(policy.number->min + static_cast<int>(i)), t.items[i]}
                );
        }
        if (policy.Form() == settings::PolicyForm::Language)
            for (std::size_t i = 0; i < kLanguages.size(); ++i)
                texts.push_back({name + "." + kLanguages[i].abbreviation, kLanguageNames[i]});
    }
    return texts;
}

}  // namespace admx
