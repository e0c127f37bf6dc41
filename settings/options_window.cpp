#include "settings/options_window.h"

#include "core/settings/autostart.h"
#include "core/settings/size_fields.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "service/service_link.h"
#include "settings/emergency_dialog.h"
#include "settings/number_fields.h"
#include "settings/physical_memory.h"
#include "settings/preventive_dialog.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form_loader.h"
#include "ui/hot_key.h"
#include "ui/page_control.h"
#include "platform/program_folder.h"
#include "ui/spin_edit.h"

namespace {

std::int32_t Flag(bool on, std::int32_t whenOn) { return on ? whenOn : 0; }

}  // namespace

UI_DEFINE_FORM(TOptWnd, ui::Form);

void TOptWnd::FormCreate(ui::NotifyArgs&) {
    changeArmed_ = false;
    for (ui::SpinEdit* field : {Se231, Se311, Se312}) field->SetMaxValue(SizeFieldMaximumMB());
    Load();
    changeArmed_ = true;
}

void TOptWnd::Load() {
    {
        SettingsSession session;
        Cb111->SetChecked((ReadSetting(settings::IconViewMode) & 1) != 0);
        (ReadSetting(settings::IconViewData) == 0 ? Rb111 : Rb112)->SetChecked(true);
        iconStyle_ = ReadSetting(settings::IconViewStyle);
        if (iconStyle_ >= 1 && iconStyle_ <= 5) StyleButtons()[iconStyle_ - 1]->SetChecked(true);
        Cb112->SetChecked(ReadSetting(settings::IconViewAnimate) == 1);
        CmBox231->SetItemIndex(ReadSetting(settings::DefragPassesNum));
        Cb231->SetChecked(ReadSetting(settings::OnTimeFree) != 0);
        Cb232->SetChecked(ReadSetting(settings::MemMinFree) != 0);
        Se231->SetValue(settings::MegabytesRounded(ReadSetting(settings::UntouchableCacheSize)));
        Hk221->SetShortCut(static_cast<std::uint16_t>(ReadSetting(settings::HotSleepKey)));
        Hk222->SetShortCut(static_cast<std::uint16_t>(ReadSetting(settings::HotFreeKey)));
        Hk223->SetShortCut(static_cast<std::uint16_t>(ReadSetting(settings::HotMngrKey)));
        switch (ReadSetting(settings::QBoostMethod)) {
            case 0:
                Rb311->SetChecked(true);
                Se311->SetValue(settings::MegabytesTruncated(ReadSetting(settings::QBoostSize)));
                break;
            case 1:
                Rb312->SetChecked(true);
                Se312->SetValue(settings::MegabytesTruncated(ReadSetting(settings::QBoostSize)));
                break;
            case 2:
                Rb313->SetChecked(true);
                break;
        }
        Sc131->SetSelected(static_cast<COLORREF>(ReadSetting(settings::IconForeClr)));
        Sc132->SetSelected(static_cast<COLORREF>(ReadSetting(settings::IconBackClr)));
        Sc133->SetSelected(static_cast<COLORREF>(ReadSetting(settings::IconTextClr)));
    }
    // Any command there means autostart is on, quoted or not and however long its path.
    SettingsSession runKey(settings::kRunKeyPath);
    Cb211->SetChecked(!ReadSettingString(settings::kRunValueName, 0, nullptr).value_or(L"").empty());
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
    {
        SettingsSession session;
        WriteSetting(settings::IconViewMode, Flag(Cb111->Checked(), 1));
        auto styles = StyleButtons();
        for (int i = 0; i < 5; ++i)
            if (styles[i]->Checked()) iconStyle_ = i + 1;
        WriteSetting(settings::IconViewStyle, iconStyle_);
        WriteSetting(settings::IconViewAnimate, Flag(Cb112->Checked(), 1));
        WriteSetting(settings::IconViewData, Rb111->Checked() ? 0 : 1);
        WriteSetting(settings::DefragPassesNum, CmBox231->ItemIndex());
        WriteSetting(settings::OnTimeFree, Flag(Cb231->Checked(), settings::kTrue));
        WriteSetting(settings::MemMinFree, Flag(Cb232->Checked(), settings::kTrue));
        WriteSetting(settings::UntouchableCacheSize, settings::BytesOfMegabytes(FieldValue(*Se231)));
        WriteSetting(settings::HotSleepKey, Hk221->ShortCut());
        WriteSetting(settings::HotFreeKey, Hk222->ShortCut());
        WriteSetting(settings::HotMngrKey, Hk223->ShortCut());
        if (Rb311->Checked()) {
            WriteSetting(settings::QBoostSize, settings::BytesOfMegabytes(FieldValue(*Se311)));
            WriteSetting(settings::QBoostMethod, 0);
        } else if (Rb312->Checked()) {
            WriteSetting(settings::QBoostSize, settings::BytesOfMegabytes(FieldValue(*Se312)));
            WriteSetting(settings::QBoostMethod, 1);
        } else if (Rb313->Checked()) {
            WriteSetting(settings::QBoostMethod, 2);
        }
        WriteSetting(settings::IconForeClr, static_cast<std::int32_t>(Sc131->Selected()));
        WriteSetting(settings::IconBackClr, static_cast<std::int32_t>(Sc132->Selected()));
        WriteSetting(settings::IconTextClr, static_cast<std::int32_t>(Sc133->Selected()));
    }
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

void ShowOptionsWindow() { ui::CreateForm<TOptWnd>()->ShowModal(); }
