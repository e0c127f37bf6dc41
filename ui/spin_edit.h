#pragma once

#include "ui/edit.h"

namespace ui {

// A number field with up and down arrows. Setting a value clamps it to [MinValue,
// MaxValue] (no clamping when they are equal); a text that is not a number reads as MinValue.
class SpinEdit : public CustomEdit {
    UI_PUBLISHED(SpinEdit, "TSpinEdit")

public:
    explicit SpinEdit(Component* owner);

    int MinValue() const { return min_; }
    void SetMinValue(int v) { min_ = v; }
    int MaxValue() const { return max_; }
    void SetMaxValue(int v) { max_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    int Value() const;
    void SetValue(int v);

protected:
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT NotifyReflected(NMHDR& header) override;
    void ApplyBounds() override;
    void VisibilityChanged() override;
    void EnabledChanged() override;

private:
    int Clamp(int v) const;
    void DestroyArrows();

    int min_ = 0;
    int max_ = 0;
    int increment_ = 1;
    HWND arrows_ = nullptr;  // the up-down control beside the field
};

}  // namespace ui
