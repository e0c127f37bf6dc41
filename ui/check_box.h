#pragma once

#include "ui/win_control.h"

namespace ui {

// A check box, or a radio button (ButtonKind::Radio) whose siblings of the same parent
// are cleared when it is checked.
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

protected:
    void Toggle() override;
    void CheckedChanged() override;
};

}  // namespace ui
