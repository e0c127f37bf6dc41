// Not a test: shows the About box. "slow" stretches each fade step to 400 ms, so that a
// line halfway faded in stays long enough for a screenshot.
#include <windows.h>

#include "controls/about_box.h"
#include "controls/display_components.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    constexpr int kSlowFadeDelay = 400;
    testing_support::InitializeKit();
    controls::RegisterDisplayComponents();
    auto about = ui::CreateForm<TAbout>();
    if (lstrcmpiW(commandLine, L"slow") == 0) about->TextFader1->SetFadeDelay(kSlowFadeDelay);
    about->ShowModal();
    return 0;
}
