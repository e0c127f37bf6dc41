// Not a test: shows one page of a wizard for looking at it: "config" or "first", followed by
// the page number from 0, and optionally a language of the product (build/win/bin/lang):
// "wizard_preview first1 DEU". Later pages are reached as a user reaches them, through Next,
// so the pages show what the answers before them produced.
#include <windows.h>

#include <cwchar>
#include <optional>

#include "platform/text.h"
#include "tests/win/ui/modal_driver.h"
#include "tools/preview/preview_language.h"
#include "ui/form_loader.h"
#include "wizards/config_wiz.h"
#include "wizards/first_wiz.h"
#include "wizards/wizard_components.h"

namespace {

void TurnPages(wizards::TKWizard& wizard, int pages) {
    for (int i = 0; i < pages; ++i) wizard.Button(wizards::bkNext).Control().Click();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    wizards::RegisterWizardComponents();
    std::optional<PreviewLanguage> language;
    if (const wchar_t* abbreviation = std::wcschr(commandLine, L' '))
        language.emplace(L"wizard_preview").Switch(platform::Narrow(abbreviation + 1));
    if (_wcsnicmp(commandLine, L"first", 5) == 0) {
        auto wizard = ui::CreateForm<TFirstWiz>();
        TurnPages(*wizard->KWizard1, _wtoi(commandLine + 5));
        wizard->ShowModal();
    } else {
        auto wizard = ui::CreateForm<TConfigWiz>();
        if (_wcsnicmp(commandLine, L"config", 6) == 0) TurnPages(*wizard->ConfigWizard, _wtoi(commandLine + 6));
        wizard->ShowModal();
    }
    return 0;
}
