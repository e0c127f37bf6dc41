#include <windows.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "controls/display_components.h"
#include "ui/application.h"
#include "wizards/first_wiz.h"
#include "wizards/wizard_components.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    app::StartupParts parts;
    parts.initApplication = [] {
        ui::Application& application = ui::Application::Instance();
        application.Initialize();
        application.SetTitle(app::kApplicationName);
        controls::RegisterDisplayComponents();
        wizards::RegisterWizardComponents();
    };
    parts.runFirstRunWizard = RunFirstRunWizard;
    parts.runMainWindow = RunMainWindow;
    ExitProcess(static_cast<UINT>(app::RunStartup(GetCommandLineW(), parts)));
}
