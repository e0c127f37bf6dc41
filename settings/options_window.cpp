#include "settings/options_window.h"

#include "core/settings/autostart.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "platform/running_programs.h"
#include "resources/string_ids.h"
#include "service/service_link.h"
#include "settings/emergency_dialog.h"
#include "settings/number_fields.h"
#include "settings/policies.h"
#include "settings/preventive_dialog.h"
#include "settings/program_list_editor.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form_loader.h"
#include "ui/hot_key.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"

UI_DEFINE_FORM(TOptWnd, ui::Form);

void TOptWnd::FormCreate(ui::NotifyArgs&) {
    changeArmed_ = false;
    quietList_ = std::make_unique<ProgramListEditor>(*CmBox421, *B421, *Lb421, *B422);
    excludedList_ = std::make_unique<ProgramListEditor>(*CmBox431, *B431, *Lb431, *B432);
    for (ProgramListEditor* editor : {quietList_.get(), excludedList_.get()}) {
        editor->OfferNames(platform::RunningProgramNames());
        editor->onChange = [this] { MarkChanged(); };
    }
    bindings_ = Bindings();
    Load();
    changeArmed_ = true;
}

// Each control with the value it holds, for loading and saving alike. The quick-boost size
// follows the chosen method, so the method comes first.
SettingBindings TOptWnd::Bindings() {
    return {
        BindLowBit(*Cb111, settings::IconViewMode),
        BindChoice({Rb111, Rb112}, settings::IconViewData, 0, Rb112),
        BindChoice({Rb121, Rb122, Rb123, Rb124, Rb125}, settings::IconViewStyle, 1),
        BindOne(*Cb112, settings::IconViewAnimate),
        BindIndex(*CmBox231, settings::DefragPassesNum),
        BindCheck(*Cb231, settings::OnTimeFree),
        BindCheck(*Cb232, settings::MemMinFree),
        BindMegabytes(*Se231, settings::UntouchableCacheSize, MegabyteRounding::Nearest),
        BindHotKey(*Hk221, settings::HotSleepKey),
        BindHotKey(*Hk222, settings::HotFreeKey),
        BindHotKey(*Hk223, settings::HotMngrKey),
        BindChoice({Rb311, Rb312, Rb313}, settings::QBoostMethod, 0),
        BindMegabytesOfChoice({{Rb311, Se311}, {Rb312, Se312}}, settings::QBoostSize),
        BindColor(*Sc131, settings::IconForeClr),
        BindColor(*Sc132, settings::IconBackClr),
        BindColor(*Sc133, settings::IconTextClr),
        BindCheck(*Cb411, settings::QuietFullScreen),
        BindProgramList(*quietList_, settings::QuietPrograms),
        BindProgramList(*excludedList_, settings::ExcludedPrograms),
    };
}

void TOptWnd::Load() {
    LoadBindings(bindings_);
    if (auto fixed = PolicyValue(settings::Autostart)) {
        Cb211->SetChecked(*fixed != 0);
        LockAsSetByPolicy(*Cb211);
    } else {
        // Any command there means autostart is on, quoted or not and however long its path.
        SettingsSession runKey(settings::kRunKeyPath);
        Cb211->SetChecked(!ReadSettingString(settings::kRunValueName, 0, nullptr).value_or(L"").empty());
    }
    ShowQuickBoostFields();
}

void TOptWnd::ShowQuickBoostFields() {
    EnableWith(Rb311->Checked(), {Se311});
    EnableWith(Rb312->Checked(), {Se312});
}

bool TOptWnd::HotKeysDistinct() const {
    const std::uint16_t keys[] = {Hk221->ShortCut(), Hk222->ShortCut(), Hk223->ShortCut()};
    for (std::size_t i = 0; i < std::size(keys); ++i)
        for (std::size_t j = i + 1; j < std::size(keys); ++j)
            if (keys[i] != 0 && keys[i] == keys[j]) return false;
    return true;
}

// One key cannot start two commands: the service could register it only once.
bool TOptWnd::SaveIfValid() {
    if (!HotKeysDistinct()) {
        ui::ShowMessage(Handle(), platform::LoadResString(str::SHotKeysNotDistinct), MB_ICONWARNING);
        PageControl1->SetActivePage(TabSheet1);
        return false;
    }
    Save();
    return true;
}

void TOptWnd::Save() {
    SaveBindings(bindings_);
    if (Cb211->Locked()) return;  // the user's own choice stays as it was
    SettingsSession runKey(settings::kRunKeyPath);
    if (Cb211->Checked())
        WriteSettingString(settings::kRunValueName, settings::AutostartCommand(platform::ProgramPath()));
    else
        DeleteSetting(settings::kRunValueName);
}

void TOptWnd::MarkChanged() {
    if (!changeArmed_ || Button1->Enabled()) return;
    Button1->SetEnabled(true);
    changeArmed_ = false;
}

void TOptWnd::Button3Click(ui::NotifyArgs&) {
    if (!SaveIfValid()) SetModalResult(ui::mrNone);  // the window stays for the keys to be mended
}

void TOptWnd::Button1Click(ui::NotifyArgs&) {
    if (!SaveIfValid()) return;
    service::RestartRunningService();
    changeArmed_ = true;
    bool hadFocus = Button1->Focused();
    Button1->SetEnabled(false);
    if (hadFocus) Button3->SetFocus();  // keyboard users keep a focused control
}

void TOptWnd::AnyClick(ui::NotifyArgs&) {
    ShowQuickBoostFields();
    MarkChanged();
}

void TOptWnd::ScAnyChange(ui::NotifyArgs&) { MarkChanged(); }

void TOptWnd::SeAnyChange(ui::NotifyArgs& args) {
    if (auto* field = dynamic_cast<ui::SpinEdit*>(args.sender)) KeepDigits(*field);
    MarkChanged();
}

void TOptWnd::B231Click(ui::NotifyArgs&) {
    ui::CreateForm<TForm9>()->ShowModal();
    MarkChanged();
}

void TOptWnd::B232Click(ui::NotifyArgs&) {
    ui::CreateForm<TForm10>()->ShowModal();
    MarkChanged();
}

void TOptWnd::B421Click(ui::NotifyArgs&) { quietList_->AddTyped(); }
void TOptWnd::B422Click(ui::NotifyArgs&) { quietList_->RemoveSelected(); }
void TOptWnd::Lb421Click(ui::NotifyArgs&) { quietList_->ShowUsableButtons(); }
void TOptWnd::B431Click(ui::NotifyArgs&) { excludedList_->AddTyped(); }
void TOptWnd::B432Click(ui::NotifyArgs&) { excludedList_->RemoveSelected(); }
void TOptWnd::Lb431Click(ui::NotifyArgs&) { excludedList_->ShowUsableButtons(); }

void ShowOptionsWindow() { ui::CreateForm<TOptWnd>()->ShowModal(); }
