#pragma once
#include <array>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/hot_key.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"

// Where a user edits the service's settings by hand: autostart, hot keys, preventive and
// emergency optimisation, minimum cache, the tray icon's look and the quick-boost action.
// "Ok" saves; "Apply" saves and has a running service reread its settings.
class TOptWnd : public ui::Form {
    UI_FORM(TOptWnd)

    UI_FIELD(ui::PageControl, PageControl1);
    UI_FIELD(ui::TabSheet, TabSheet1);
    UI_FIELD(ui::TabSheet, TabSheet2);
    UI_FIELD(ui::TabSheet, TabSheet3);
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

private:
    void Load();
    void Save();
    bool SaveIfValid();
    bool HotKeysDistinct() const;
    void ShowQuickBoostFields();
    void MarkChanged();
    std::array<ui::RadioButton*, 5> StyleButtons() const { return {Rb121, Rb122, Rb123, Rb124, Rb125}; }

    // While true, the next edit enables "Apply"; false while loading and once it has.
    bool changeArmed_ = false;
    int iconStyle_ = 1;  // the tray icon style last loaded or saved
};

// The main window's options command: the window shown modally, then freed.
void ShowOptionsWindow();
