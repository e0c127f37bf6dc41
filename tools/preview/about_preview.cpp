// Not a test: shows the About box. "slow" stretches each fade step to 400 ms, so that a
// line halfway faded in stays long enough for a screenshot. Any other word names a language
// to show it in: "about_preview RUS".
#include <windows.h>

#include <optional>
#include <sstream>
#include <string>

#include "controls/about_box.h"
#include "controls/display_components.h"
#include "tests/win/ui/modal_driver.h"
#include "platform/text.h"
#include "tools/preview/preview_language.h"
#include "ui/form_loader.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    constexpr int kSlowFadeDelay = 400;
    testing_support::InitializeKit();
    controls::RegisterDisplayComponents();
    bool slow = false;
    std::optional<PreviewLanguage> language;
    std::wistringstream words(commandLine);
    for (std::wstring word; words >> word;) {
        if (lstrcmpiW(word.c_str(), L"slow") == 0) slow = true;
        else language.emplace(L"about_preview").Switch(platform::Narrow(word));
    }
    auto about = ui::CreateForm<TAbout>();
    if (slow) about->TextFader1->SetFadeDelay(kSlowFadeDelay);
    about->ShowModal();
    return 0;
}
