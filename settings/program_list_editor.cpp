#include "settings/program_list_editor.h"

#include "core/settings/program_list.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/list_box.h"

ProgramListEditor::ProgramListEditor(ui::ComboBox& name, ui::Button& add, ui::ListBox& list, ui::Button& remove)
    : name_(name), add_(add), list_(list), remove_(remove) {}

std::vector<ui::Control*> ProgramListEditor::Controls() const { return {&name_, &add_, &list_, &remove_}; }

void ProgramListEditor::SetNames(std::vector<std::wstring> names) {
    names_ = std::move(names);
    ShowNames(-1);
}

void ProgramListEditor::OfferNames(const std::vector<std::wstring>& names) { name_.Items().Assign(names); }

void ProgramListEditor::AddTyped() {
    bool added = false;
    for (std::wstring& name : settings::ParseProgramList(name_.Caption())) {
        if (settings::ListsProgram(names_, name)) continue;
        names_.push_back(std::move(name));
        added = true;
    }
    if (!added) return;
    name_.SetCaption(L"");
    ShowNames(static_cast<int>(names_.size()) - 1);
    if (onChange) onChange();
}

void ProgramListEditor::RemoveSelected() {
    const int index = list_.ItemIndex();
    if (index < 0 || index >= static_cast<int>(names_.size())) return;
    names_.erase(names_.begin() + index);
    ShowNames(index < static_cast<int>(names_.size()) ? index : index - 1);
    if (onChange) onChange();
}

void ProgramListEditor::ShowUsableButtons() {
    const bool hadFocus = remove_.Focused();
    remove_.SetEnabled(list_.ItemIndex() >= 0);
    // A disabled button cannot keep the keyboard focus: it goes on to the list.
    if (hadFocus && !remove_.Enabled()) list_.SetFocus();
}

void ProgramListEditor::ShowNames(int selected) {
    list_.Items().Assign(names_);
    list_.SetItemIndex(selected);
    ShowUsableButtons();
}
