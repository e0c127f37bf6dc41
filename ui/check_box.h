#pragma once

#include <vector>

#include "ui/win_control.h"

namespace ui {

// A check box, or a radio button. The radio buttons of one parent are a group: one of them
// is checked, and only that one is a Tab stop; the arrow keys move the choice.
class CheckableButton : public WinControl {
    UI_PUBLISHED(CheckableButton, "TCheckableButton")

public:
    bool Checked() const;
    void SetChecked(bool checked);
    // Where the caption stands: 0 left of the box, 1 right of it (the usual place).
    int Alignment() const { return leftText_ ? 0 : 1; }
    void SetAlignment(int alignment);

protected:
    CheckableButton(Component* owner, DWORD buttonStyle);
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(WORD code, WORD id) override;
    // The user clicked: check boxes toggle, radio buttons become checked.
    virtual void Toggle() = 0;
    virtual void CheckedChanged() {}

private:
    DWORD buttonStyle_;
    bool checked_ = false;
    bool leftText_ = false;
};

class CheckBox : public CheckableButton {
    UI_PUBLISHED(CheckBox, "TCheckBox")

public:
    explicit CheckBox(Component* owner);

protected:
    void Toggle() override;
};

class RadioButton : public CheckableButton {
    UI_PUBLISHED(RadioButton, "TRadioButton")

public:
    explicit RadioButton(Component* owner);
    // Checks the next (or previous) enabled button of the group, wrapping, and focuses it.
    void SelectNeighbour(bool forward);

protected:
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CommandNotify(WORD code, WORD id) override;
    void Toggle() override;
    void CheckedChanged() override;

private:
    std::vector<RadioButton*> Group() const;
    void UpdateTabStops() const;
    bool receivingFocus_ = false;
};

}  // namespace ui
