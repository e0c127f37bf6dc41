#include "settings/setting_bindings.h"

#include <memory>

#include "core/settings/program_list.h"
#include "core/settings/size_fields.h"
#include "settings/number_fields.h"
#include "settings/physical_memory.h"
#include "settings/program_list_editor.h"
#include "settings/settings_store.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/hot_key.h"
#include "ui/spin_edit.h"

using settings::IntSetting;

void LoadBindings(const SettingBindings& bindings) {
    SettingsSession session;
    for (const SettingBinding& b : bindings) b.load();
}

void SaveBindings(const SettingBindings& bindings) {
    SettingsSession session;
    for (const SettingBinding& b : bindings) b.save();
}

SettingBinding BindCheck(ui::CheckableButton& box, const IntSetting& s) {
    return {
        s.name, [&box, s] { box.SetChecked(ReadSetting(s) != 0); },
        [&box, s] { WriteSetting(s, box.Checked() ? settings::kTrue : settings::kFalse); }
    };
}

SettingBinding BindLowBit(ui::CheckableButton& box, const IntSetting& s) {
    return {
        s.name, [&box, s] { box.SetChecked((ReadSetting(s) & 1) != 0); },
        [&box, s] { WriteSetting(s, box.Checked() ? 1 : 0); }
    };
}

SettingBinding BindOne(ui::CheckableButton& box, const IntSetting& s) {
    return {
        s.name, [&box, s] { box.SetChecked(ReadSetting(s) == 1); },
        [&box, s] { WriteSetting(s, box.Checked() ? 1 : 0); }
    };
}

SettingBinding BindChoice(
    std::vector<ui::CheckableButton*> buttons, const IntSetting& s, int first, ui::CheckableButton* otherwise
) {
    auto loaded = std::make_shared<std::int32_t>(s.defaultValue);
    return {
        s.name,
        [buttons, s, first, otherwise, loaded] {
            *loaded = ReadSetting(s);
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
            field.SetValue(ReadSetting(s));
        },
        [&field, s] { WriteSetting(s, FieldValue(field)); },
    };
}

namespace {

std::int32_t Megabytes(std::int32_t bytes, MegabyteRounding rounding) {
    return rounding == MegabyteRounding::Nearest ? settings::MegabytesRounded(bytes)
                                                 : settings::MegabytesTruncated(bytes);
}

}  // namespace

SettingBinding BindMegabytes(ui::SpinEdit& field, const IntSetting& s, MegabyteRounding rounding) {
    return {
        s.name,
        [&field, s, rounding] {
            field.SetMaxValue(SizeFieldMaximumMB());
            field.SetValue(Megabytes(ReadSetting(s), rounding));
        },
        [&field, s] { WriteSetting(s, settings::BytesOfMegabytes(FieldValue(field))); },
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
                if (button->Checked()) field->SetValue(settings::MegabytesTruncated(ReadSetting(s)));
            }
        },
        [pairs, s] {
            for (auto [button, field] : pairs)
                if (button->Checked()) WriteSetting(s, settings::BytesOfMegabytes(FieldValue(*field)));
        },
    };
}

SettingBinding BindIndex(ui::ComboBox& list, const IntSetting& s) {
    return {
        s.name, [&list, s] { list.SetItemIndex(ReadSetting(s)); }, [&list, s] { WriteSetting(s, list.ItemIndex()); }
    };
}

SettingBinding BindHotKey(ui::HotKey& field, const IntSetting& s) {
    return {
        s.name, [&field, s] { field.SetShortCut(static_cast<std::uint16_t>(ReadSetting(s))); },
        [&field, s] { WriteSetting(s, field.ShortCut()); }
    };
}

SettingBinding BindColor(ui::ColorBox& list, const IntSetting& s) {
    return {
        s.name, [&list, s] { list.SetSelected(static_cast<COLORREF>(ReadSetting(s))); },
        [&list, s] { WriteSetting(s, static_cast<std::int32_t>(list.Selected())); }
    };
}

SettingBinding BindProgramList(ProgramListEditor& editor, const settings::TextSetting& s) {
    return {
        s.name, [&editor, s] { editor.SetNames(settings::ParseProgramList(ReadSetting(s))); },
        [&editor, s] { WriteSetting(s, settings::JoinProgramList(editor.Names())); }
    };
}
