#include "ui/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/property.h"

namespace ui {

const PropertyTable& TabSheet::ClassProperties() {
    static const PropertyTable table(&WinControl::ClassProperties(), {});
    return table;
}

TabSheet::TabSheet(Component* owner) : WinControl(owner) { SetVisible(false); }

TabSheet::~TabSheet() {
    if (PageControl* pages = Pages()) pages->RemoveSheet(*this);
}

PageControl* TabSheet::Pages() const { return dynamic_cast<PageControl*>(Parent()); }

int TabSheet::PageIndex() const {
    PageControl* pages = Pages();
    if (!pages) return -1;
    auto it = std::find(pages->Sheets().begin(), pages->Sheets().end(), this);
    return it == pages->Sheets().end() ? -1 : static_cast<int>(it - pages->Sheets().begin());
}

void TabSheet::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void TabSheet::CaptionChanged() {
    if (PageControl* pages = Pages()) pages->SheetCaptionChanged(*this);
}

const PropertyTable& PageControl::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Reference("ActivePage", &PageControl::ActivePage, &PageControl::SetActivePage),
            EventSlot("OnChange", &PageControl::OnChange),
        }
    );
    return table;
}

PageControl::PageControl(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

bool PageControl::AdoptChild(Component& child) {
    auto* sheet = dynamic_cast<TabSheet*>(&child);
    if (!sheet) return false;
    sheet->SetParent(this);
    sheets_.push_back(sheet);
    FillTabs();
    if (!active_) SetActivePage(sheet);
    return true;
}

void PageControl::RemoveSheet(TabSheet& sheet) {
    std::erase(sheets_, &sheet);
    if (active_ == &sheet) active_ = nullptr;
    FillTabs();
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page && page->Pages() != this) return;
    active_ = page;
    for (TabSheet* s : sheets_) s->SetVisible(s == page);
    Perform(TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()));
    PlaceSheets();
}

int PageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void PageControl::SetActivePageIndex(int index) {
    SetActivePage(
        index >= 0 && index < static_cast<int>(sheets_.size()) ? sheets_[static_cast<size_t>(index)] : nullptr
    );
}

void PageControl::SelectNextSheet(bool forward) {
    int count = static_cast<int>(sheets_.size());
    if (count == 0) return;
    SetActivePageIndex((ActivePageIndex() + (forward ? 1 : count - 1) + count) % count);
    NotifyArgs args;
    args.sender = this;
    OnChange(args);
    if (active_ && active_->HandleAllocated())
        if (HWND first = GetNextDlgTabItem(active_->Handle(), nullptr, FALSE)) ::SetFocus(first);
}

void PageControl::SheetCaptionChanged(TabSheet&) { FillTabs(); }

void PageControl::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = WC_TABCONTROLW;
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void PageControl::HandleCreated() {
    FillTabs();
    Perform(TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()));
    PlaceSheets();
}

void PageControl::FillTabs() {
    if (!HandleAllocated()) return;
    Perform(TCM_DELETEALLITEMS);
    for (size_t i = 0; i < sheets_.size(); ++i) {
        std::wstring caption = sheets_[i]->Caption();
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        Perform(TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    Perform(TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()));
}

void PageControl::PlaceSheets() {
    if (!HandleAllocated()) return;
    RECT r = ClientRect();
    Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    for (TabSheet* s : sheets_) s->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

LRESULT PageControl::NotifyReflected(NMHDR& header) {
    if (header.code != TCN_SELCHANGE) return 0;
    int index = static_cast<int>(Perform(TCM_GETCURSEL));
    SetActivePageIndex(index);
    NotifyArgs args;
    args.sender = this;
    OnChange(args);
    return 0;
}

}  // namespace ui
