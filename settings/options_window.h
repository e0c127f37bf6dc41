#pragma once
#include <memory>

#include "settings/program_list_editor.h"
#include "settings/setting_bindings.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/hot_key.h"
#include "ui/list_box.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"

// Where a user edits the service's settings by hand: autostart, hot keys, preventive and
// emergency optimisation, minimum cache, the tray icon's look, the quick-boost action and
// the programs during which the service waits or which it leaves alone.
// "Ok" saves; "Apply" saves and has a running service reread its settings.
class TOptWnd : public ui::Form {
    UI_FORM(TOptWnd)

    UI_FIELD(ui::PageControl, PageControl1);
    UI_FIELD(ui::TabSheet, TabSheet1);
    UI_FIELD(ui::TabSheet, TabSheet2);
    UI_FIELD(ui::TabSheet, TabSheet3);
    UI_FIELD(ui::TabSheet, TabSheet4);
    // General
    UI_FIELD(ui::CheckBox, Cb211);
    UI_FIELD(ui::HotKey, Hk221);
    UI_FIELD(ui::HotKey, Hk222);
    UI_FIELD(ui::HotKey, Hk223);
    UI_FIELD(ui::CheckBox, Cb231);
    UI_FIELD(ui::CheckBox, Cb232);
    UI_FIELD(ui::Button, B231);
    UI_FIELD(ui::Button, B232);
    UI_FIELD(ui::SpinEdit, Se231);
    UI_FIELD(ui::ComboBox, CmBox231);
    // View
    UI_FIELD(ui::CheckBox, Cb111);
    UI_FIELD(ui::CheckBox, Cb112);
    UI_FIELD(ui::RadioButton, Rb111);
    UI_FIELD(ui::RadioButton, Rb112);
    UI_FIELD(ui::RadioButton, Rb121);
    UI_FIELD(ui::RadioButton, Rb122);
    UI_FIELD(ui::RadioButton, Rb123);
    UI_FIELD(ui::RadioButton, Rb124);
    UI_FIELD(ui::RadioButton, Rb125);
    UI_FIELD(ui::ColorBox, Sc131);
    UI_FIELD(ui::ColorBox, Sc132);
    UI_FIELD(ui::ColorBox, Sc133);
    // Quick boost
    UI_FIELD(ui::RadioButton, Rb311);
    UI_FIELD(ui::RadioButton, Rb312);
    UI_FIELD(ui::RadioButton, Rb313);
    UI_FIELD(ui::SpinEdit, Se311);
    UI_FIELD(ui::SpinEdit, Se312);
    // Exclusions
    UI_FIELD(ui::CheckBox, Cb411);
    UI_FIELD(ui::ComboBox, CmBox421);
    UI_FIELD(ui::ListBox, Lb421);
    UI_FIELD(ui::Button, B421);
    UI_FIELD(ui::Button, B422);
    UI_FIELD(ui::ComboBox, CmBox431);
    UI_FIELD(ui::ListBox, Lb431);
    UI_FIELD(ui::Button, B431);
    UI_FIELD(ui::Button, B432);

    UI_FIELD(ui::Button, Button3);
    UI_FIELD(ui::Button, Button4);
    UI_FIELD(ui::Button, Button1);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(ui::NotifyArgs, Button3Click);
    UI_HANDLER(ui::NotifyArgs, Button1Click);
    UI_HANDLER(ui::NotifyArgs, AnyClick);
    UI_HANDLER(ui::NotifyArgs, ScAnyChange);
    UI_HANDLER(ui::NotifyArgs, SeAnyChange);
    UI_HANDLER(ui::NotifyArgs, B231Click);
    UI_HANDLER(ui::NotifyArgs, B232Click);
    UI_HANDLER(ui::NotifyArgs, B421Click);
    UI_HANDLER(ui::NotifyArgs, B422Click);
    UI_HANDLER(ui::NotifyArgs, Lb421Click);
    UI_HANDLER(ui::NotifyArgs, B431Click);
    UI_HANDLER(ui::NotifyArgs, B432Click);
    UI_HANDLER(ui::NotifyArgs, Lb431Click);

    // The controls and the settings they hold (the autostart command lies outside the
    // settings key and is kept by Load and Save themselves).
    SettingBindings Bindings();

private:
    void Load();
    void Save();
    bool SaveIfValid();
    bool HotKeysDistinct() const;
    void ShowQuickBoostFields();
    void MarkChanged();

    // While true, the next edit enables "Apply"; false while loading and once it has.
    bool changeArmed_ = false;
    std::unique_ptr<ProgramListEditor> quietList_;
    std::unique_ptr<ProgramListEditor> excludedList_;
    SettingBindings bindings_;
};

// The main window's options command: the window shown modally, then freed.
void ShowOptionsWindow();
