// Not a test: shows one page of a wizard for looking at it: "config" or "first", followed by
// the page number from 0, and optionally a language of the product (build/win/bin/lang):
// "wizard_preview first1 DEU". Later pages are reached as a user reaches them, through Next,
// so the pages show what the answers before them produced.
#include <windows.h>

#include <cwchar>
#include <string>

#include "localizer/localizer_on_fly.h"
#include "platform/text.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "wizards/config_wiz.h"
#include "wizards/first_wiz.h"
#include "wizards/wizard_components.h"

namespace {

void TurnPages(wizards::TKWizard& wizard, int pages) {
    for (int i = 0; i < pages; ++i) wizard.Button(wizards::bkNext).Control().Click();
}

// The product's language files, with the module made beside the other temporary files.
void SwitchLanguage(const std::string& abbreviation) {
    const std::wstring key = L"Software\\TesslyTests\\wizard_preview";
    localizer::KLocalizerOnFly& localizer = localizer::Localizer();
    localizer.ProgramFile = testing_support::ProductFolder() + L"TesslyMBCfg.exe";
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    localizer.ModuleFolder = temp;
    localizer.Init(key, L"lang\\");
    localizer.SwitchLanguage(abbreviation);
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    wizards::RegisterWizardComponents();
    if (const wchar_t* language = std::wcschr(commandLine, L' ')) SwitchLanguage(platform::Narrow(language + 1));
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
