#pragma once

#include "ui/win_control.h"

namespace ui {

// A push button. Pressing it gives its form the button's modal result, then runs OnClick.
class Button : public WinControl {
    UI_PUBLISHED(Button, "TButton")

public:
    explicit Button(Component* owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void Click() override;

protected:
    void FillCreateParams(CreateParams& params) override;
    void CommandNotify(WORD code, WORD id) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

}  // namespace ui
