#pragma once
#include <functional>
#include <string>

// The program's main block: the fixed order of start-up and the one-shot command-line
// switches. The windows and services it drives are handed in as parts, so each can be
// exercised (and each arrives) on its own; a part that is not there is skipped, and a
// switch whose part is missing fails with exit code 1000 instead of pretending to work.
namespace app {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1000;
inline constexpr const wchar_t* kInstanceEventName = L"TesslyMBCfgMutex";
inline constexpr const wchar_t* kApplicationName = L"Tessly Dozidi Davazez";

struct StartupParts {
    std::function<void()> installErrorLogger;  // step 1
    std::function<void()> initApplication;     // step 3
    // Step 4. A mail switch runs without windows of its own (an uninstaller waits for it), so
    // a missing language file is reported only when `reportFailure` is set.
    std::function<void(const std::wstring& languageFolder, bool reportFailure)> initLocalizer;
    // Step 5: the name of the language an administrator fixed, which the help follows in place
    // of the stored one; empty: none.
    std::function<std::wstring()> fixedLanguageName;
    std::function<void()> showAboutBox;  // "-about"
    // The mails return the mail call's result: 0 for success.
    std::function<int()> composeBugReport;          // "-bugreport"
    std::function<int()> composeUninstallFeedback;  // "-uninstall"
    std::function<int()> composeTellAFriend;        // "-tellfriend"
    std::function<void()> runFirstRunWizard;        // step 9
    std::function<void()> runMainWindow;            // step 11
};

// Runs start-up steps 1-12 and returns the process exit code.
int RunStartup(const std::wstring& commandLine, const StartupParts& parts);

// The language file name read at start-up (at most 254 characters; a plain file name, else
// "english"); the main window uses it for the help file and replaces it after a language
// switch.
const std::wstring& LanguageFileName();
void SetLanguageFileName(const std::wstring& name);

// Writes the three texts of the booster service's tray (menu, Internet submenu, tooltip)
// in the current language. The settings key must be open.
void WriteServiceTrayTexts();

}  // namespace app
