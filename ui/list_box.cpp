#include "ui/list_box.h"

#include "ui/property.h"

namespace ui {

const PropertyTable& ListBox::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Object("Items", &ListBox::Items, PropertyKind::StringList),
            Integer("ItemIndex", &ListBox::ItemIndex, &ListBox::SetItemIndex),
        }
    );
    return table;
}

ListBox::ListBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 121, 97);
    SetColor(kWindowColor);
    SetTabStop(true);
    items_.onChange = [this] { FillList(); };
}

int ListBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
    itemIndex_ = index;
    Perform(LB_SETCURSEL, static_cast<WPARAM>(index));
}

void ListBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"LISTBOX";
    params.style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void ListBox::HandleCreated() { FillList(); }

// The selection is kept where it was, or on the last item when the list became shorter.
void ListBox::FillList() {
    if (!HandleAllocated()) return;
    int keep = ItemIndex();
    Perform(LB_RESETCONTENT);
    for (const auto& item : items_.Lines()) Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (keep >= items_.Count()) keep = items_.Count() - 1;
    SetItemIndex(keep);
}

void ListBox::CommandNotify(WORD code, WORD) {
    if (code != LBN_SELCHANGE) return;
    itemIndex_ = ItemIndex();
    NotifyArgs args;
    args.sender = this;
    OnClick(args);
}

}  // namespace ui
