#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ui {
class Button;
class Control;
class ComboBox;
class ListBox;
}  // namespace ui

// A list of program file names edited on a settings page: a name field that also drops
// down the running programs, the Add button, the list, and the Remove button (Add and Enter
// in the field call AddTyped). The controls belong to the page's form (not owned); the form routes their
// events here.
class ProgramListEditor {
public:
    ProgramListEditor(ui::ComboBox& name, ui::Button& add, ui::ListBox& list, ui::Button& remove);

    // The controls that edit the list.
    std::vector<ui::Control*> Controls() const;

    std::vector<std::wstring> Names() const { return names_; }
    void SetNames(std::vector<std::wstring> names);
    // The names the field's drop-down offers.
    void OfferNames(const std::vector<std::wstring>& names);

    // Adds the names typed or picked in the field (several separated by ';'), each file name
    // once, and empties the field. A blank field or a name already listed changes nothing.
    void AddTyped();
    void RemoveSelected();
    // Remove is usable while an entry is selected.
    void ShowUsableButtons();

    std::function<void()> onChange;  // the list changed by the user

private:
    void ShowNames(int selected);

    ui::ComboBox& name_;
    ui::Button& add_;
    ui::ListBox& list_;
    ui::Button& remove_;
    std::vector<std::wstring> names_;
};
