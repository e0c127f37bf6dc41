// Not a test: shows one confirmation dialog ("close" or "qboost") for looking at it.
#include <windows.h>

#include "settings/ask_for_close.h"
#include "settings/ask_for_qboost.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    if (lstrcmpiW(commandLine, L"qboost") == 0) ui::CreateForm<TAskForQBoost>()->ShowModal();
    else ui::CreateForm<TAskForClose>()->ShowModal();
    return 0;
}
