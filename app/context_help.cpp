#include "app/context_help.h"

#include <htmlhelp.h>

#include "app/startup.h"
#include "help/help_context.h"
#include "platform/program_folder.h"
#include "platform/system_library.h"
#include "ui/application.h"

namespace app {
namespace {

HelpViewer& ReplacedViewer() {
    static HelpViewer viewer;
    return viewer;
}

// The current language's help file in the system folder's compiled-help viewer (loaded once
// per process), or in a test's recorder.
void OpenHelp(HWND owner, UINT command, DWORD_PTR data) {
    const std::wstring file = LocateHelpFile();
    if (ReplacedViewer()) {
        ReplacedViewer()(owner, file, command, data);
        return;
    }
    using HtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    static const HtmlHelpW helpCall = platform::SystemFunction<HtmlHelpW>(L"HHCtrl.OCX", "HtmlHelpW");
    if (helpCall) helpCall(owner, file.c_str(), command, data);
}

}  // namespace

std::wstring LocateHelpFile() {
    std::wstring folder = platform::ProgramFolder() + L"help\\";
    std::wstring own = folder + LanguageFileName() + L".chm";
    return GetFileAttributesW(own.c_str()) != INVALID_FILE_ATTRIBUTES ? own : folder + L"english.chm";
}

void ShowHelpTopic(HWND owner, std::string_view identity) {
    const std::uint32_t context = help::HelpContextOf(identity);
    if (context == 0) {
        ShowHelpContents(owner);
        return;
    }
    OpenHelp(owner, HH_HELP_CONTEXT, context);
}

void ShowHelpContents(HWND owner) { OpenHelp(owner, HH_DISPLAY_TOPIC, 0); }

void InstallContextHelp() {
    ui::Application::Instance().SetHelpHandler([](HWND owner, const std::string& identity) {
        ShowHelpTopic(owner, identity);
    });
}

void SetHelpViewer(HelpViewer viewer) { ReplacedViewer() = std::move(viewer); }

}  // namespace app
