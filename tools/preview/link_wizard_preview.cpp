// Not a test: shows one page of the shortcut wizard for looking at it, the page number from 0
// as the argument. The source page shows a shortcut of its own, made in the temporary
// folder, dropped onto it as the shell drops one.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>

#include "platform/program_folder.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "wizards/link_wizard.h"
#include "wizards/shell_link.h"
#include "wizards/wizard_components.h"

namespace {

std::wstring SampleShortcut() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"Text Editor.lnk";
    wizards::ShortcutInfo link;
    link.targetPath = platform::ProgramPath();
    link.workingDir = platform::ProgramFolder();
    link.arguments = L"-notes \"my notes.txt\"";
    link.description = L"Edits plain text";
    link.iconPath = link.targetPath;
    link.hotKey = 0x0645;
    link.showState = wizards::kShowMaximized;
    wizards::SaveShellLink(file, link);
    return file;
}

void Drop(HWND window, const std::wstring& file) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + (file.size() + 2) * 2);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), file.c_str(), file.size() * 2);
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void Next(TLinkWiz& wizard) { wizard.LinkWizard->ButtonNext().Control().Click(); }

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    testing_support::InitializeKit();
    wizards::RegisterWizardComponents();
    const int page = _wtoi(commandLine);
    auto wizard = ui::CreateForm<TLinkWiz>();
    // The pages are turned once the window is up, as a user turns them.
    testing_support::RunWhenModal([&] {
        if (page >= 1) {
            Next(*wizard);
            Drop(wizard->Handle(), SampleShortcut());
        }
        for (int i = 1; i < page; ++i) Next(*wizard);
        if (page >= 4) SendMessageW(wizard->RadioButton9->Handle(), BM_CLICK, 0, 0);
    });
    wizard->ShowModal();
    return 0;
}
