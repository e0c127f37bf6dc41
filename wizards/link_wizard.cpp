#include "wizards/link_wizard.h"

#include <shellapi.h>

#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "wizards/link_maker.h"
#include "wizards/shell_places.h"

UI_DEFINE_FORM(TLinkWiz, ui::Form);

namespace {

using wizards::bkBack;
using wizards::bkCancel;
using wizards::bkHelp;
using wizards::bkNext;

// A dropped file's name is taken up to this many characters.
constexpr UINT kDroppedNameLimit = 255;

}  // namespace

void TLinkWiz::FormCreate(ui::NotifyArgs&) { placementMode = wizards::kPlaceOnDesktop; }

void TLinkWiz::KWizardWelcomePage1NextButtonClick(wizards::WizardPageClickArgs&) { AcceptDrops(true); }
void TLinkWiz::KWizardInteriorPage1NextButtonClick(wizards::WizardPageClickArgs&) { AcceptDrops(false); }
void TLinkWiz::KWizardInteriorPage1BackButtonClick(wizards::WizardPageClickArgs&) { AcceptDrops(false); }

void TLinkWiz::KWizardInteriorPage1EnterPage(wizards::WizardChangePageArgs&) {
    // Also when coming back from a later page, which only the welcome page's Next would miss.
    AcceptDrops(true);
    if (!Edit1->Caption().empty()) return;
    Memo1->Lines().Clear();
    KWizardInteriorPage1->SetEnabledButtons({bkBack, bkCancel, bkHelp});
}

void TLinkWiz::Edit1Change(ui::NotifyArgs&) {
    if (Edit1->Caption().empty())
        KWizardInteriorPage1->SetEnabledButtons({bkBack, bkCancel, bkHelp});
    else
        KWizardInteriorPage1->SetEnabledButtons({bkBack, bkNext, bkCancel, bkHelp});
}

void TLinkWiz::Button1Click(ui::NotifyArgs&) {
    if (OpenLink->Execute(Handle())) TakeSource(OpenLink->FileName());
}

void TLinkWiz::Button2Click(ui::NotifyArgs&) {
    if (auto folder = wizards::BrowseForFolder(Handle())) Edit2->SetText(*folder);
}

void TLinkWiz::TakeSource(const std::wstring& file) {
    wizards::TakenSource taken = wizards::TakeSourceFile(file);
    switch (taken.refusal) {
        case wizards::SourceRefusal::UnreadableShortcut:
            ui::ShowMessage(Handle(), platform::LoadResString(str::SLinkInfoFailed), MB_ICONWARNING);
            return;
        case wizards::SourceRefusal::NotStartable:
            ui::ShowMessage(Handle(), platform::FormatResString(str::SLinkNotStartable, file), MB_ICONWARNING);
            return;
        case wizards::SourceRefusal::None:
            break;
    }
    source_ = std::move(taken.source);
    Memo1->Lines().Assign(std::move(taken.memoLines));
    Edit1->SetText(file);
}

bool TLinkWiz::AcceptsDrops() const {
    return HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
}

void TLinkWiz::AcceptDrops(bool accept) { DragAcceptFiles(Handle(), accept); }

void TLinkWiz::DropFiles(HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length, L'\0');
    if (length > 0 && length <= kDroppedNameLimit) DragQueryFileW(drop, 0, name.data(), length + 1);
    DragFinish(drop);
    // Only the source page takes files, whatever the window was last told.
    if (length == 0 || LinkWizard->ActivePage() != KWizardInteriorPage1) return;
    SetForegroundWindow(Handle());
    // A name cut short would name another file, or none.
    if (length > kDroppedNameLimit) {
        ui::ShowMessage(Handle(), platform::LoadResString(str::SLinkNameTooLong), MB_ICONWARNING);
        return;
    }
    TakeSource(name);
}

LRESULT TLinkWiz::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) {
        DropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    return ui::Form::WndProc(message, wParam, lParam);
}

void TLinkWiz::ChoosePlacement(int mode) {
    placementMode = mode;
    const bool specified = mode == wizards::kPlaceSpecified;
    Edit2->SetEnabled(specified);
    Button2->SetEnabled(specified);
    if (specified) Edit2->SetText(L"");
}

void TLinkWiz::RadioButton7Click(ui::NotifyArgs&) { ChoosePlacement(wizards::kPlaceOnDesktop); }
void TLinkWiz::RadioButton8Click(ui::NotifyArgs&) { ChoosePlacement(wizards::kPlaceInTargetFolder); }
void TLinkWiz::RadioButton10Click(ui::NotifyArgs&) { ChoosePlacement(wizards::kPlaceBesideShortcut); }
void TLinkWiz::RadioButton9Click(ui::NotifyArgs&) { ChoosePlacement(wizards::kPlaceSpecified); }

wizards::BoostChoice TLinkWiz::Boost() const {
    wizards::BoostChoice boost;
    if (RadioButton1->Checked()) boost.megabytes = SpinEdit1->Value();
    if (RadioButton5->Checked())
        boost.after = booster::AfterLaunch::KeepRunning;
    else if (RadioButton6->Checked())
        boost.after = booster::AfterLaunch::Unload;
    return boost;
}

void TLinkWiz::LinkWizardFinishButtonClick(ui::NotifyArgs&) {
    // The source may have gone since it was chosen; the service would refuse it.
    if (!wizards::IsStartable(source_)) {
        ui::ShowMessage(Handle(), platform::FormatResString(str::SLinkNotStartable, Edit1->Caption()), MB_ICONWARNING);
        return;
    }
    const std::wstring file = wizards::BoostShortcutFile(source_, placementMode, Edit2->Caption());
    // Declining keeps the wizard open, so that another place can be chosen.
    if (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES &&
        !ui::AskYesNo(Handle(), platform::FormatResString(str::SLinkReplaceQuestion, file)))
        return;
    if (!wizards::MakeBoostShortcut(source_, Boost(), file)) {
        // The wizard stays open, so that another place can be chosen.
        ui::ShowMessage(Handle(), platform::FormatResString(str::SLinkSaveFailed, file), MB_ICONWARNING);
        return;
    }
    Close();
}

void ShowLinkWizard() { ui::CreateForm<TLinkWiz>()->ShowModal(); }
