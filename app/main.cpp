#include <windows.h>

#include "app/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    app::StartupParts parts;
    ExitProcess(static_cast<UINT>(app::RunStartup(GetCommandLineW(), parts)));
}
