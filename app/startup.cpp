#include "app/startup.h"

#include <windows.h>

#include "core/app/acted_texts.h"
#include "core/app/command_line.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "service/health_mapping.h"
#include "service/status_block_view.h"
#include "settings/settings_store.h"
#include "ui/application.h"

namespace app {
namespace {

std::wstring g_languageFileName;

// The guard stays open until the process ends, so the system releases it only then.
bool CreateInstanceGuard() {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, kInstanceEventName);
    return event && GetLastError() == ERROR_ALREADY_EXISTS;
}

int MailExitCode(const std::function<int()>& compose) {
    if (!compose) return kExitFailed;
    return compose() != 0 ? kExitFailed : kExitOk;
}

// Step 6: the first switch present performs its task; returns -1 when there is none.
int RunSwitch(app::Switch which, const StartupParts& parts) {
    switch (which) {
        case app::Switch::About:
            if (!parts.showAboutBox) return kExitFailed;
            parts.showAboutBox();
            return kExitOk;
        case app::Switch::BugReport:
            return MailExitCode(parts.composeBugReport);
        case app::Switch::Uninstall:
            return MailExitCode(parts.composeUninstallFeedback);
        case app::Switch::TellFriend:
            return MailExitCode(parts.composeTellAFriend);
        case app::Switch::None:
            break;
    }
    return -1;
}

bool FirstRunWizardComplete() {
    SettingsSession session;
    return ReadSetting(settings::CFGFirstWizardComplete) != 0;
}

}  // namespace

const std::wstring& LanguageFileName() { return g_languageFileName; }

void SetLanguageFileName(const std::wstring& name) {
    // The language file's own name picks the help file: a folder or drive in it would pick
    // any file on the disk.
    g_languageFileName = app::PlainFileNameOr(name.substr(0, settings::LangFileName.capacity - 1), L"english");
}

void WriteServiceTrayTexts() {
    WriteSetting(settings::LangPack, platform::LoadResStringA(str::STrayMenuPack));
    WriteSetting(settings::LangInetPack, platform::LoadResStringA(str::STrayInetPack));
    WriteSetting(settings::LangTrayPack, platform::LoadResStringA(str::STrayTipPack));
    WriteSetting(settings::LangHealthPack, service::HealthPack());
}

namespace {

bool IsMailSwitch(app::Switch which) {
    return which == app::Switch::BugReport || which == app::Switch::Uninstall || which == app::Switch::TellFriend;
}

int RunSteps(const std::wstring& commandLine, const StartupParts& parts) {
    const app::Switch which = FindSwitch(commandLine);
    if (parts.installErrorLogger) parts.installErrorLogger();  // 1
    bool alreadyRunning = CreateInstanceGuard();               // 2
    if (parts.initApplication) parts.initApplication();        // 3
    if (parts.initLocalizer)                                   // 4
        parts.initLocalizer(platform::ProgramFolder() + L"lang\\", !IsMailSwitch(which));
    {  // 5
        SettingsSession session;
        const std::wstring fixed = parts.fixedLanguageName ? parts.fixedLanguageName() : std::wstring();
        SetLanguageFileName(fixed.empty() ? ReadSetting(settings::LangFileName) : fixed);
        WriteServiceTrayTexts();
    }
    int switchExit = RunSwitch(which, parts);  // 6
    if (switchExit >= 0) return switchExit;
    if (alreadyRunning) return kExitOk;                                                   // 8
    if (!FirstRunWizardComplete() && parts.runFirstRunWizard) parts.runFirstRunWizard();  // 9
    statusblock::SetView(statusblock::OpenStatusBlock());                                 // 10
    if (parts.runMainWindow) parts.runMainWindow();                                       // 11
    return kExitOk;                                                                       // 12
}

}  // namespace

int RunStartup(const std::wstring& commandLine, const StartupParts& parts) {
    try {
        return RunSteps(commandLine, parts);
    } catch (...) {
        // Outside any window procedure nothing else would catch it: the program would end
        // with no word. The application's hook reports it, then the program ends.
        ui::Application::Instance().HandleException(std::current_exception());
        return kExitFailed;
    }
}

}  // namespace app
