#pragma once

#include "ui/color.h"
#include "ui/string_list.h"
#include "ui/win_control.h"

namespace ui {

enum class ComboStyle { DropDown, DropDownList };

// The platform's combo box: an editable field with a list, or a drop-down list only.
class ComboBox : public WinControl {
    UI_PUBLISHED(ComboBox, "TComboBox")

public:
    explicit ComboBox(Component* owner);

    StringList& Items() { return items_; }
    // The text of the editable field (a drop-down list: its selected entry's).
    std::wstring Caption() const override;
    int ItemIndex() const;
    void SetItemIndex(int index);
    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle s);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }

    Event<NotifyArgs> OnChange;  // the user chose another item or edited the text
    // Enter in the control; while bound, Enter no longer reaches the default button.
    Event<NotifyArgs> OnReturn;
    bool TakeReturn() override;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(WORD code, WORD id) override;
    void ApplyBounds() override;
    void CaptionChanged() override;
    virtual DWORD ListStyle() const { return 0; }
    void FillList();

private:
    StringList items_;
    int itemIndex_ = -1;
    ComboStyle style_ = ComboStyle::DropDown;
    int dropDownCount_ = 8;
};

// A drop-down list of colour swatches whose value is a COLORREF. A value that matches no
// entry is added as one more swatch named by its hexadecimal RGB text.
class ColorBox : public ComboBox {
    UI_PUBLISHED(ColorBox, "TColorBox")

public:
    explicit ColorBox(Component* owner);

    COLORREF Selected() const;
    void SetSelected(COLORREF color);
    int SelectedValue() const { return static_cast<int>(Selected()); }
    void SetSelectedValue(int color) { SetSelected(static_cast<COLORREF>(color)); }
    const std::vector<COLORREF>& Colors() const { return colors_; }

protected:
    DWORD ListStyle() const override { return CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; }
    bool DrawItemReflected(DRAWITEMSTRUCT& item) override;

private:
    std::vector<COLORREF> colors_;
};

}  // namespace ui
