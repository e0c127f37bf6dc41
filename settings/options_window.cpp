#include "settings/options_window.h"

#include "core/settings/autostart.h"
#include "core/settings/size_fields.h"
#include "service/service_link.h"
#include "settings/emergency_dialog.h"
#include "settings/number_fields.h"
#include "settings/physical_memory.h"
#include "settings/preventive_dialog.h"
#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form_loader.h"
#include "ui/hot_key.h"
#include "ui/page_control.h"
#include "ui/resource_source.h"
#include "ui/spin_edit.h"

namespace {

constexpr DWORD kProgramPathCapacity = 256;  // at most 255 characters and the terminator

std::int32_t Flag(bool on, std::int32_t whenOn) { return on ? whenOn : 0; }

std::string OwnAutostartCommand() {
    wchar_t path[kProgramPathCapacity] = {};
    GetModuleFileNameW(nullptr, path, kProgramPathCapacity);
    return ui::ToAnsi(settings::AutostartCommand(path));
}

}  // namespace

void TOptWnd::Publish(ui::Publisher<TOptWnd>& p) {
    using F = TOptWnd;
    p.Field("PageControl1", &F::PageControl1);
    p.Field("TabSheet1", &F::TabSheet1);
    p.Field("TabSheet2", &F::TabSheet2);
    p.Field("TabSheet3", &F::TabSheet3);
    p.Field("Cb211", &F::Cb211);
    p.Field("Hk221", &F::Hk221);
    p.Field("Hk222", &F::Hk222);
    p.Field("Hk223", &F::Hk223);
    p.Field("Cb231", &F::Cb231);
    p.Field("B231", &F::B231);
    p.Field("Cb232", &F::Cb232);
    p.Field("B232", &F::B232);
    p.Field("Se231", &F::Se231);
    p.Field("CmBox231", &F::CmBox231);
    p.Field("Cb111", &F::Cb111);
    p.Field("Rb111", &F::Rb111);
    p.Field("Rb112", &F::Rb112);
    p.Field("Cb112", &F::Cb112);
    p.Field("Rb121", &F::Rb121);
    p.Field("Rb122", &F::Rb122);
    p.Field("Rb123", &F::Rb123);
    p.Field("Rb124", &F::Rb124);
    p.Field("Rb125", &F::Rb125);
    p.Field("Sc131", &F::Sc131);
    p.Field("Sc132", &F::Sc132);
    p.Field("Sc133", &F::Sc133);
    p.Field("Rb311", &F::Rb311);
    p.Field("Se311", &F::Se311);
    p.Field("Rb312", &F::Rb312);
    p.Field("Se312", &F::Se312);
    p.Field("Rb313", &F::Rb313);
    p.Field("Button3", &F::Button3);
    p.Field("Button4", &F::Button4);
    p.Field("Button1", &F::Button1);

    p.Handler("FormCreate", &F::FormCreate);
    p.Handler("Button3Click", &F::Button3Click);
    p.Handler("Button1Click", &F::Button1Click);
    p.Handler("AnyClick", &F::AnyClick);
    p.Handler("ScAnyChange", &F::ScAnyChange);
    p.Handler("SeAnyChange", &F::SeAnyChange);
    p.Handler("B231Click", &F::B231Click);
    p.Handler("B232Click", &F::B232Click);
}

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
    SettingsSession runKey(settings::kRunKeyPath);
    char command[kProgramPathCapacity + 1];
    Cb211->SetChecked(ReadSettingString(settings::kRunValueName, command, kProgramPathCapacity, nullptr) != 0);
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
    if (Cb211->Checked()) WriteSettingString(settings::kRunValueName, OwnAutostartCommand().c_str());
    else DeleteSetting(settings::kRunValueName);
}

void TOptWnd::MarkChanged() {
    if (!changeArmed_ || Button1->Enabled()) return;
    Button1->SetEnabled(true);
    changeArmed_ = false;
}

void TOptWnd::Button3Click(ui::NotifyArgs&) { Save(); }

void TOptWnd::Button1Click(ui::NotifyArgs&) {
    Save();
    service::RestartRunningService();
    changeArmed_ = true;
    bool hadFocus = Button1->Focused();
    Button1->SetEnabled(false);
    if (hadFocus) Button3->SetFocus();  // keyboard users keep a focused control
}

void TOptWnd::AnyClick(ui::NotifyArgs&) { MarkChanged(); }

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
