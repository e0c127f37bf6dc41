// Not a test: shows one settings window for looking at it: "close", "qboost", "options"
// (optionally followed by the tab number 0 to 3), "preventive" or "emergency", each
// optionally followed by a language: "options1 RUS".
#include <windows.h>

#include <cwchar>
#include <optional>

#include "settings/ask_for_close.h"
#include "settings/ask_for_qboost.h"
#include "settings/emergency_dialog.h"
#include "settings/options_window.h"
#include "settings/preventive_dialog.h"
#include "platform/text.h"
#include "tools/preview/preview_language.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/page_control.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    std::optional<PreviewLanguage> language;
    std::wstring choice(commandLine);
    if (const std::size_t space = choice.find(L' '); space != std::wstring::npos) {
        language.emplace(L"dialog_preview").Switch(platform::Narrow(choice.substr(space + 1)));
        choice.resize(space);
    }
    commandLine = choice.data();
    if (lstrcmpiW(commandLine, L"qboost") == 0)
        ui::CreateForm<TAskForQBoost>()->ShowModal();
    else if (_wcsnicmp(commandLine, L"options", 7) == 0) {
        auto window = ui::CreateForm<TOptWnd>();
        window->PageControl1->SetActivePageIndex(_wtoi(commandLine + 7));
        window->ShowModal();
    } else if (lstrcmpiW(commandLine, L"preventive") == 0)
        ui::CreateForm<TForm9>()->ShowModal();
    else if (lstrcmpiW(commandLine, L"emergency") == 0)
        ui::CreateForm<TForm10>()->ShowModal();
    else
        ui::CreateForm<TAskForClose>()->ShowModal();
    return 0;
}
