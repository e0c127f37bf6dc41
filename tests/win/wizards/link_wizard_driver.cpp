#include "tests/win/wizards/link_wizard_driver.h"

#include <shlobj.h>

#include <cstring>

#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "wizards/wizard_components.h"

namespace link_wizard_driver {

void Prepare() {
    testing_support::InitializeKit();
    static const bool registered = (wizards::RegisterWizardComponents(), true);
    (void)registered;
}

void Press(ui::WinControl& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
void Next(TLinkWiz& wizard) { Press(wizard.LinkWizard->ButtonNext().Control()); }
void Back(TLinkWiz& wizard) { Press(wizard.LinkWizard->ButtonBack().Control()); }
void Finish(TLinkWiz& wizard) { Press(wizard.LinkWizard->ButtonFinish().Control()); }
bool NextEnabled(TLinkWiz& wizard) { return IsWindowEnabled(wizard.LinkWizard->ButtonNext().Control().Handle()); }

void DropFile(HWND window, const std::wstring& file) {
    const SIZE_T size = sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), file.c_str(), file.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    // The receiver ends the drop, which frees the memory.
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

std::wstring MakeShortcutThroughTheWizard(const std::wstring& program, int megabytes, const std::wstring& folder) {
    Prepare();
    auto wizard = ui::CreateForm<TLinkWiz>();
    testing_support::ShowModalAndDo(*wizard, [&] {
        Next(*wizard);
        DropFile(wizard->Handle(), program);
        Next(*wizard);
        Press(*wizard->RadioButton1);
        wizard->SpinEdit1->SetValue(megabytes);
        Next(*wizard);
        Next(*wizard);
        Press(*wizard->RadioButton9);
        wizard->Edit2->SetText(folder);
        Finish(*wizard);
    });
    const std::wstring name =
        wizards::IsShortcutFile(program) ? wizards::ShortcutNameOf(program) : wizards::FileNameOf(program);
    const std::wstring shortcut = folder + L"\\Velocitor " + name + L".lnk";
    return GetFileAttributesW(shortcut.c_str()) == INVALID_FILE_ATTRIBUTES ? L"" : shortcut;
}

}  // namespace link_wizard_driver
