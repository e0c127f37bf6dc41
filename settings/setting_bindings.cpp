#include "settings/setting_bindings.h"

#include <memory>

#include "core/settings/program_list.h"
#include "core/settings/size_fields.h"
#include "settings/number_fields.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "settings/physical_memory.h"
#include "settings/policies.h"
#include "settings/program_list_editor.h"
#include "settings/settings_store.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/hot_key.h"
#include "ui/spin_edit.h"

using settings::IntSetting;

void LockAsSetByPolicy(ui::Control& control) { control.Lock(platform::LoadResString(str::SSetByAdministrator)); }

void LoadBindings(const SettingBindings& bindings) {
    SettingsSession session;
    for (const SettingBinding& b : bindings) {
        b.load();
        if (SetByPolicy(b.setting))
            for (ui::Control* c : b.controls) LockAsSetByPolicy(*c);
    }
}

// A value is written only when its controls were the user's to change: what a policy fixed
// when the window opened stays the user's own, even if the policy has gone since.
void SaveBindings(const SettingBindings& bindings) {
    SettingsSession session;
    for (const SettingBinding& b : bindings)
        if (b.controls.empty() || !b.controls.front()->Locked()) b.save();
}

SettingBinding BindCheck(ui::CheckableButton& box, const IntSetting& s) {
    return {
        s.name, [&box, s] { box.SetChecked(ReadEffective(s) != 0); },
        [&box, s] { WriteSetting(s, box.Checked() ? settings::kTrue : settings::kFalse); }, {&box}
    };
}

SettingBinding BindLowBit(ui::CheckableButton& box, const IntSetting& s) {
    return {
        s.name, [&box, s] { box.SetChecked((ReadEffective(s) & 1) != 0); },
        [&box, s] { WriteSetting(s, box.Checked() ? 1 : 0); }, {&box}
    };
}

SettingBinding BindOne(ui::CheckableButton& box, const IntSetting& s) {
    return {
        s.name, [&box, s] { box.SetChecked(ReadEffective(s) == 1); },
        [&box, s] { WriteSetting(s, box.Checked() ? 1 : 0); }, {&box}
    };
}

SettingBinding BindChoice(
    std::vector<ui::CheckableButton*> buttons, const IntSetting& s, int first, ui::CheckableButton* otherwise
) {
    auto loaded = std::make_shared<std::int32_t>(s.defaultValue);
    return {
        s.name,
        [buttons, s, first, otherwise, loaded] {
            *loaded = ReadEffective(s);
            const std::int32_t index = *loaded - first;
            if (index >= 0 && index < static_cast<std::int32_t>(buttons.size()))
                buttons[static_cast<std::size_t>(index)]->SetChecked(true);
            else if (otherwise)
                otherwise->SetChecked(true);
        },
        [buttons, s, first, loaded] {
            for (std::size_t i = 0; i < buttons.size(); ++i)
                if (buttons[i]->Checked()) *loaded = first + static_cast<std::int32_t>(i);
            WriteSetting(s, *loaded);
        },
        {buttons.begin(), buttons.end()},
    };
}

SettingBinding BindNumber(ui::SpinEdit& field, const IntSetting& s) {
    return {
        s.name,
        [&field, s] {
            if (s.Ranged()) {
                field.SetMinValue(s.min);
                field.SetMaxValue(s.OfferedMax());
            }
            field.SetValue(ReadEffective(s));
        },
        [&field, s] { WriteSetting(s, FieldValue(field)); },
        {&field},
    };
}

namespace {

std::int32_t Megabytes(std::int32_t bytes, MegabyteRounding rounding) {
    return rounding == MegabyteRounding::Nearest ? settings::MegabytesRounded(bytes)
                                                 : settings::MegabytesTruncated(bytes);
}

std::vector<ui::Control*> FieldsOf(const std::vector<std::pair<ui::CheckableButton*, ui::SpinEdit*>>& pairs) {
    std::vector<ui::Control*> fields;
    for (auto [button, field] : pairs) fields.push_back(field);
    return fields;
}

}  // namespace

SettingBinding BindMegabytes(ui::SpinEdit& field, const IntSetting& s, MegabyteRounding rounding) {
    return {
        s.name,
        [&field, s, rounding] {
            field.SetMaxValue(SizeFieldMaximumMB());
            field.SetValue(Megabytes(ReadEffective(s), rounding));
        },
        [&field, s] { WriteSetting(s, settings::BytesOfMegabytes(FieldValue(field))); },
        {&field},
    };
}

SettingBinding BindMegabytesOfChoice(
    std::initializer_list<std::pair<ui::CheckableButton*, ui::SpinEdit*>> fields, const IntSetting& s
) {
    std::vector<std::pair<ui::CheckableButton*, ui::SpinEdit*>> pairs(fields);
    return {
        s.name,
        [pairs, s] {
            for (auto [button, field] : pairs) {
                field->SetMaxValue(SizeFieldMaximumMB());
                if (button->Checked()) field->SetValue(settings::MegabytesTruncated(ReadEffective(s)));
            }
        },
        [pairs, s] {
            for (auto [button, field] : pairs)
                if (button->Checked()) WriteSetting(s, settings::BytesOfMegabytes(FieldValue(*field)));
        },
        FieldsOf(pairs),
    };
}

SettingBinding BindIndex(ui::ComboBox& list, const IntSetting& s) {
    return {
        s.name, [&list, s] { list.SetItemIndex(ReadEffective(s)); }, [&list, s] { WriteSetting(s, list.ItemIndex()); },
        {&list}
    };
}

SettingBinding BindHotKey(ui::HotKey& field, const IntSetting& s) {
    return {
        s.name, [&field, s] { field.SetShortCut(static_cast<std::uint16_t>(ReadEffective(s))); },
        [&field, s] { WriteSetting(s, field.ShortCut()); }, {&field}
    };
}

SettingBinding BindColor(ui::ColorBox& list, const IntSetting& s) {
    return {
        s.name, [&list, s] { list.SetSelected(static_cast<COLORREF>(ReadEffective(s))); },
        [&list, s] { WriteSetting(s, static_cast<std::int32_t>(list.Selected())); }, {&list}
    };
}

SettingBinding BindProgramList(ProgramListEditor& editor, const settings::TextSetting& s) {
    return {
        s.name, [&editor, s] { editor.SetNames(settings::ParseProgramList(ReadEffective(s))); },
        [&editor, s] { WriteSetting(s, settings::JoinProgramList(editor.Names())); }, editor.Controls()
    };
}
