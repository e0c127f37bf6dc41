#include "ui/combo_box.h"

#include <algorithm>
#include <cstdio>

#include "platform/handles.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/property.h"

namespace ui {
namespace {

const char* const kComboStyleNames[] = {"csDropDown", "csDropDownList"};

struct NamedColor {
    unsigned name;  // string identifier
    COLORREF color;
};

const NamedColor kSwatches[] = {
    {str::SColorBlack, RGB(0, 0, 0)},        {str::SColorMaroon, RGB(128, 0, 0)},
    {str::SColorGreen, RGB(0, 128, 0)},      {str::SColorOlive, RGB(128, 128, 0)},
    {str::SColorNavy, RGB(0, 0, 128)},       {str::SColorPurple, RGB(128, 0, 128)},
    {str::SColorTeal, RGB(0, 128, 128)},     {str::SColorGray, RGB(128, 128, 128)},
    {str::SColorSilver, RGB(192, 192, 192)}, {str::SColorRed, RGB(255, 0, 0)},
    {str::SColorLime, RGB(0, 255, 0)},       {str::SColorYellow, RGB(255, 255, 0)},
    {str::SColorBlue, RGB(0, 0, 255)},       {str::SColorFuchsia, RGB(255, 0, 255)},
    {str::SColorAqua, RGB(0, 255, 255)},     {str::SColorWhite, RGB(255, 255, 255)},
    {str::SColorDarkGreen, RGB(0, 136, 0)},
};

}  // namespace

const PropertyTable& ComboBox::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Object("Items", &ComboBox::Items, PropertyKind::StringList),
            Integer("ItemIndex", &ComboBox::ItemIndex, &ComboBox::SetItemIndex),
            Enumeration("Style", &ComboBox::Style, &ComboBox::SetStyle, kComboStyleNames),
            Integer("DropDownCount", &ComboBox::DropDownCount, &ComboBox::SetDropDownCount),
            EventSlot("OnChange", &ComboBox::OnChange),
            EventSlot("OnReturn", &ComboBox::OnReturn),
        }
    );
    return table;
}

ComboBox::ComboBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetColor(kWindowColor);
    SetTabStop(true);
    items_.onChange = [this] { FillList(); };
}

std::wstring ComboBox::Caption() const {
    if (!HandleAllocated()) return WinControl::Caption();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void ComboBox::CaptionChanged() {
    if (HandleAllocated()) SetWindowTextW(Handle(), WinControl::Caption().c_str());
}

int ComboBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
    itemIndex_ = index;
    Perform(CB_SETCURSEL, static_cast<WPARAM>(index));
}

void ComboBox::SetStyle(ComboStyle s) {
    style_ = s;
    RecreateHandle();
}

void ComboBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"COMBOBOX";
    params.style |= WS_VSCROLL | ListStyle() | (style_ == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
}

void ComboBox::HandleCreated() {
    FillList();
    ApplyBounds();
}

void ComboBox::FillList() {
    if (!HandleAllocated()) return;
    int keep = itemIndex_;
    Perform(CB_RESETCONTENT);
    for (const auto& item : items_.Lines()) Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    Perform(CB_SETCURSEL, static_cast<WPARAM>(keep));
}

// The window's height includes the dropped-down list.
void ComboBox::ApplyBounds() {
    if (!HandleAllocated()) return;
    int itemHeight = static_cast<int>(Perform(CB_GETITEMHEIGHT, 0));
    SetWindowPos(
        Handle(), nullptr, Left(), Top(), Width(), Height() + itemHeight * dropDownCount_ + 2,
        SWP_NOZORDER | SWP_NOACTIVATE
    );
}

void ComboBox::CommandNotify(WORD code, WORD) {
    if (code == CBN_SELCHANGE) itemIndex_ = ItemIndex();
    if (code != CBN_SELCHANGE && code != CBN_EDITCHANGE) return;
    NotifyArgs args;
    args.sender = this;
    OnChange(args);
}

// An open list closes first, keeping the entry the user went to.
bool ComboBox::TakeReturn() {
    if (!OnReturn) return false;
    if (Perform(CB_GETDROPPEDSTATE)) Perform(CB_SHOWDROPDOWN, FALSE);
    NotifyArgs args;
    args.sender = this;
    OnReturn(args);
    return true;
}

const PropertyTable& ColorBox::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Integer("Selected", &ColorBox::SelectedValue, &ColorBox::SetSelectedValue, ColorIdents()),
            Integer("DropDownCount", &ColorBox::DropDownCount, &ColorBox::SetDropDownCount),
            EventSlot("OnChange", &ColorBox::OnChange),
        }
    );
    return table;
}

ColorBox::ColorBox(Component* owner) : ComboBox(owner) {
    SetStyle(ComboStyle::DropDownList);
    std::vector<std::wstring> names;
    for (const auto& s : kSwatches) {
        names.push_back(platform::LoadResString(s.name));
        colors_.push_back(s.color);
    }
    Items().Assign(names);
}

COLORREF ColorBox::Selected() const {
    int index = ItemIndex();
    return index >= 0 && index < static_cast<int>(colors_.size()) ? colors_[static_cast<size_t>(index)] : 0;
}

void ColorBox::SetSelected(COLORREF color) {
    color &= 0x00FFFFFF;
    auto it = std::find(colors_.begin(), colors_.end(), color);
    if (it == colors_.end()) {
        wchar_t name[16];
        swprintf(name, 16, L"#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
        colors_.push_back(color);
        Items().Add(name);
        it = colors_.end() - 1;
    }
    SetItemIndex(static_cast<int>(it - colors_.begin()));
}

bool ColorBox::DrawItemReflected(DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return true;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT swatch = item.rcItem;
    InflateRect(&swatch, -2, -2);
    swatch.right = swatch.left + 2 * (swatch.bottom - swatch.top);
    platform::BrushHandle brush(CreateSolidBrush(item.itemID < colors_.size() ? colors_[item.itemID] : 0));
    FillRect(item.hDC, &swatch, brush.Get());
    FrameRect(item.hDC, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left = swatch.right + 4;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    if (item.itemID < static_cast<UINT>(Items().Count()))
        DrawTextW(item.hDC, Items()[static_cast<int>(item.itemID)].c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

}  // namespace ui
