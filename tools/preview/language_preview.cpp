// Not a test: shows the options window (on tab 0 to 3) and, once it is on screen, switches
// the product's language (build/win/bin/lang) under it: "language_preview DEU 1". The window
// is translated in place; with "fresh" after the tab ("language_preview DEU 1 fresh") it is
// opened after the switch, from the language module, as the program opens it.
#include <windows.h>

#include <string>

#include "platform/text.h"
#include "settings/options_window.h"
#include "tests/win/support/test_support.h"
#include "tools/preview/preview_language.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/page_control.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    const std::wstring arguments = commandLine;
    const std::string abbreviation = platform::Narrow(arguments.substr(0, arguments.find(L' ')));
    const int page = arguments.find(L' ') == std::wstring::npos ? 0 : _wtoi(arguments.c_str() + arguments.find(L' '));

    PreviewLanguage language(L"language_preview");
    auto switchLanguage = [&] { language.Switch(abbreviation); };
    const bool fresh = arguments.find(L" fresh") != std::wstring::npos;
    if (fresh) switchLanguage();
    auto window = ui::CreateForm<TOptWnd>();
    window->PageControl1->SetActivePageIndex(page);
    if (!fresh) testing_support::RunWhenModal(switchLanguage);
    window->ShowModal();
    return 0;
}
