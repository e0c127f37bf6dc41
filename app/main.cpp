#include <windows.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "controls/about_box.h"
#include "controls/display_components.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    app::StartupParts parts;
    parts.initApplication = [] {
        ui::Application& application = ui::Application::Instance();
        application.Initialize();
        application.SetTitle(app::kApplicationName);
        controls::RegisterDisplayComponents();
    };
    parts.showAboutBox = ShowAboutBox;
    parts.runMainWindow = RunMainWindow;
    ExitProcess(static_cast<UINT>(app::RunStartup(GetCommandLineW(), parts)));
}
