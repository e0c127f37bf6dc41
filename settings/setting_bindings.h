#pragma once

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/settings/settings_table.h"

namespace ui {
class Control;
class CheckableButton;
class ColorBox;
class ComboBox;
class HotKey;
class SpinEdit;
}  // namespace ui
class ProgramListEditor;

// A settings window ties each of its controls to one value of the settings table, once, in
// a list of bindings; loading and saving both walk that list, so a control can neither be
// read without being written nor bound to two different values. Ranged spin fields take
// their limits from the table when loaded. A value an administrator fixed by policy is
// shown as the policy sets it, its controls locked, and never written.
struct SettingBinding {
    const char* setting;                 // the value's name in the settings table
    std::function<void()> load;          // with the settings key open
    std::function<void()> save;          // with the settings key open
    std::vector<ui::Control*> controls;  // that show the value; not owned
};
using SettingBindings = std::vector<SettingBinding>;

// Locks a control whose value a policy fixes, with the tooltip that says so.
void LockAsSetByPolicy(ui::Control& control);

// Each opens the settings key once around the whole list. Loading locks the controls of
// values set by policy; saving leaves the values whose controls are locked alone.
void LoadBindings(const SettingBindings& bindings);
void SaveBindings(const SettingBindings& bindings);

// A Boolean value: checked when non-zero, written -1 or 0.
SettingBinding BindCheck(ui::CheckableButton& box, const settings::IntSetting& s);
// A flag within a number: checked when bit 0 is set, written 1 or 0.
SettingBinding BindLowBit(ui::CheckableButton& box, const settings::IntSetting& s);
// A 0/1 number: checked when it is 1, written 1 or 0.
SettingBinding BindOne(ui::CheckableButton& box, const settings::IntSetting& s);

// A value chosen among radio buttons: button i stands for `first` + i. A value of no button
// checks `otherwise` (nullptr: none) and, while no button is checked, is written back as read.
SettingBinding BindChoice(
    std::vector<ui::CheckableButton*> buttons, const settings::IntSetting& s, int first,
    ui::CheckableButton* otherwise = nullptr
);

// A number shown unchanged; a ranged value's field offers the range the table gives.
SettingBinding BindNumber(ui::SpinEdit& field, const settings::IntSetting& s);

enum class MegabyteRounding { Nearest, TowardZero };
// A byte count shown in megabytes; the field's maximum is the size the machine can use.
SettingBinding BindMegabytes(ui::SpinEdit& field, const settings::IntSetting& s, MegabyteRounding rounding);
// A byte count in the megabyte field beside the chosen radio button, each field bound to the
// same value; nothing is read or written while no button with a field is checked. Bind the
// choice of the buttons before it.
SettingBinding BindMegabytesOfChoice(
    std::initializer_list<std::pair<ui::CheckableButton*, ui::SpinEdit*>> fields, const settings::IntSetting& s
);

// The selected entry's index.
SettingBinding BindIndex(ui::ComboBox& list, const settings::IntSetting& s);
SettingBinding BindHotKey(ui::HotKey& field, const settings::IntSetting& s);
SettingBinding BindColor(ui::ColorBox& list, const settings::IntSetting& s);
// A list of program file names, stored joined by ';'.
SettingBinding BindProgramList(ProgramListEditor& editor, const settings::TextSetting& s);
