#include <windows.h>

#include "app/context_help.h"
#include "app/error_logger.h"
#include "app/exception_handler.h"
#include "app/main_window.h"
#include "app/problem_reports.h"
#include "app/startup.h"
#include "controls/about_box.h"
#include "controls/display_components.h"
#include "core/settings/settings_table.h"
#include "localizer/localizer_on_fly.h"
#include "platform/system_library.h"
#include "platform/text.h"
#include "settings/policies.h"
#include "ui/application.h"
#include "wizards/first_wiz.h"
#include "wizards/wizard_components.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::RestrictLibrarySearch();
    TglExceptionHandler errorLogger;
    app::StartupParts parts;
    parts.installErrorLogger = [&errorLogger] { app::InstallErrorLogger(errorLogger); };
    parts.initApplication = [] {
        ui::Application& application = ui::Application::Instance();
        application.Initialize();
        application.SetTitle(app::kApplicationName);
        controls::RegisterDisplayComponents();
        wizards::RegisterWizardComponents();
        app::InstallContextHelp();
    };
    parts.showAboutBox = ShowAboutBox;
    parts.composeBugReport = [] { return static_cast<int>(app::ComposeBugReport(true)); };
    parts.composeUninstallFeedback = [] { return static_cast<int>(app::ComposeUninstallFeedback(true)); };
    parts.composeTellAFriend = [] { return static_cast<int>(app::ComposeTellAFriend(true)); };
    parts.initLocalizer = [](const std::wstring& languageFolder, bool reportFailure) {
        // Without its language files the program still runs, in its own language.
        try {
            localizer::KLocalizerOnFly& localizer = localizer::Localizer();
            if (auto fixed = PolicyValue(settings::Language)) localizer.FixedChoice = *fixed;
            localizer.Init(platform::Widen(settings::kSettingsKeyPath), languageFolder);
        } catch (const localizer::Error& error) {
            if (reportFailure)
                MessageBoxW(
                    nullptr, platform::FromUtf8(error.what()).c_str(), app::kApplicationName, MB_OK | MB_ICONERROR
                );
        }
    };
    parts.fixedLanguageName = [] {
        const localizer::KLocalizerOnFly& localizer = localizer::Localizer();
        if (localizer.FixedChoice.empty() || !localizer.Initialized()) return std::wstring();
        const int current = localizer.IndexOfLanguage(localizer.CurrentLangID());
        return current < 0 ? std::wstring()
                           : platform::Widen(localizer.Languages()[static_cast<std::size_t>(current)].Caption);
    };
    parts.runFirstRunWizard = RunFirstRunWizard;
    parts.runMainWindow = RunMainWindow;
    ExitProcess(static_cast<UINT>(app::RunStartup(GetCommandLineW(), parts)));
}
