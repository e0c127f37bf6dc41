#include <windows.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "controls/display_components.h"
#include "core/settings/settings_table.h"
#include "localizer/localizer_on_fly.h"
#include "platform/text.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    app::StartupParts parts;
    parts.initApplication = [] {
        ui::Application& application = ui::Application::Instance();
        application.Initialize();
        application.SetTitle(app::kApplicationName);
        controls::RegisterDisplayComponents();
    };
    parts.initLocalizer = [](const std::wstring& languageFolder) {
        // Without its language files the program still runs, in its own language.
        try {
            localizer::Localizer().Init(platform::Widen(settings::kSettingsKeyPath), languageFolder);
        } catch (const localizer::Error& error) {
            MessageBoxW(nullptr, platform::Widen(error.what()).c_str(), app::kApplicationName, MB_OK | MB_ICONERROR);
        }
    };
    parts.runMainWindow = RunMainWindow;
    ExitProcess(static_cast<UINT>(app::RunStartup(GetCommandLineW(), parts)));
}
