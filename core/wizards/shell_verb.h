#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The "Open boosted" command in the shell's context menu of every file, and what the
// first-run wizard's ending means for the rest of the start.
namespace wizards {

// Below the classes key (the user's `kUserClassesKey`, or HKEY_CLASSES_ROOT); each holds its
// text as the default value.
inline constexpr const char* kUserClassesKey = "Software\\Classes\\";
inline constexpr const char* kShellKey = "*\\shell";
inline constexpr const char* kVerbKey = "*\\shell\\TesslyDavIdade";
inline constexpr const char* kVerbCommandKey = "*\\shell\\TesslyDavIdade\\command";

// The booster service beside this program, asked to reclaim its automatic amount, keep
// its previous state and start the right-clicked file. `programFolder` ends in a
// backslash. The service's path is quoted as a whole, so spaces need nothing more; a
// quotation mark cannot be part of a file name, so one in the folder text can only be
// quoting around it and is dropped.
std::wstring VerbCommand(std::wstring_view programFolder);

// `*\shell` gets a single space as its default value when that is missing or empty; a value
// already there belongs to another program and is left alone.
inline constexpr const wchar_t* kShellDefaultFiller = L" ";
bool ShellDefaultNeedsFiller(const std::optional<std::wstring>& current);

enum class FirstWizardEnd {
    Finish,
    CancelOnLastPage,  // the user answers the configuration questions later
    CancelEarlier,     // or the window closed
};

struct FirstWizardOutcome {
    bool marksComplete;                 // writes CFGFirstWizardComplete = -1: never shown again
    std::int32_t configWizardDeferred;  // -1: no configuration wizard at this start
    bool appliesShellChoice;            // the verb is written or deleted as chosen
};

FirstWizardOutcome OutcomeOf(FirstWizardEnd end);

// The main window opens the configuration wizard at start-up only while both are 0.
bool ConfigWizardDueAtStart(std::int32_t configWizardDeferred, std::int32_t configWizardComplete);

}  // namespace wizards
