#pragma once

#include "ui/string_list.h"
#include "ui/win_control.h"

namespace ui {

// The platform's list box: a bordered list of texts of which one can be selected.
// OnClick follows every change of the selection the user makes.
class ListBox : public WinControl {
    UI_PUBLISHED(ListBox, "TListBox")

public:
    explicit ListBox(Component* owner);

    StringList& Items() { return items_; }
    // -1: nothing selected.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(WORD code, WORD id) override;

private:
    void FillList();

    StringList items_;
    int itemIndex_ = -1;
};

}  // namespace ui
