#pragma once
#include <array>

#include "ui/form.h"
#include "ui/form_class.h"

namespace ui {
class Button;
class CheckBox;
class ColorBox;
class ComboBox;
class HotKey;
class PageControl;
class RadioButton;
class SpinEdit;
class TabSheet;
}  // namespace ui

// Where a user edits the service's settings by hand: autostart, hot keys, preventive and
// emergency optimisation, minimum cache, the tray icon's look and the quick-boost action.
// "Ok" saves; "Apply" saves and has a running service reread its settings.
class TOptWnd : public ui::Form {
    UI_FORM(TOptWnd)

public:
    using ui::Form::Form;

    ui::PageControl* PageControl1 = nullptr;
    ui::TabSheet *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
    // General
    ui::CheckBox* Cb211 = nullptr;
    ui::HotKey *Hk221 = nullptr, *Hk222 = nullptr, *Hk223 = nullptr;
    ui::CheckBox *Cb231 = nullptr, *Cb232 = nullptr;
    ui::Button *B231 = nullptr, *B232 = nullptr;
    ui::SpinEdit* Se231 = nullptr;
    ui::ComboBox* CmBox231 = nullptr;
    // View
    ui::CheckBox *Cb111 = nullptr, *Cb112 = nullptr;
    ui::RadioButton *Rb111 = nullptr, *Rb112 = nullptr;
    ui::RadioButton *Rb121 = nullptr, *Rb122 = nullptr, *Rb123 = nullptr, *Rb124 = nullptr, *Rb125 = nullptr;
    ui::ColorBox *Sc131 = nullptr, *Sc132 = nullptr, *Sc133 = nullptr;
    // Quick boost
    ui::RadioButton *Rb311 = nullptr, *Rb312 = nullptr, *Rb313 = nullptr;
    ui::SpinEdit *Se311 = nullptr, *Se312 = nullptr;

    ui::Button *Button3 = nullptr, *Button4 = nullptr, *Button1 = nullptr;

    void FormCreate(ui::NotifyArgs&);
    void Button3Click(ui::NotifyArgs&);
    void Button1Click(ui::NotifyArgs&);
    void AnyClick(ui::NotifyArgs&);
    void ScAnyChange(ui::NotifyArgs&);
    void SeAnyChange(ui::NotifyArgs& args);
    void B231Click(ui::NotifyArgs&);
    void B232Click(ui::NotifyArgs&);

private:
    void Load();
    void Save();
    void MarkChanged();
    std::array<ui::RadioButton*, 5> StyleButtons() const { return {Rb121, Rb122, Rb123, Rb124, Rb125}; }

    // While true, the next edit enables "Apply"; false while loading and once it has.
    bool changeArmed_ = false;
    int iconStyle_ = 1;  // the tray icon style last loaded or saved
};

// The main window's options command: the window shown modally, then freed.
void ShowOptionsWindow();
