#include "ui/menu.h"

#include <algorithm>
#include <map>

#include "platform/handles.h"
#include "ui/action_list.h"
#include "ui/image_list.h"
#include "ui/property.h"

namespace ui {
namespace {

std::map<UINT, MenuItem*>& Commands() {
    static std::map<UINT, MenuItem*> commands;
    return commands;
}

UINT g_nextCommand = 0x1000;

MenuItem* ItemOf(ULONG_PTR data) {
    for (auto& [id, item] : Commands())
        if (reinterpret_cast<ULONG_PTR>(item) == data) return item;
    return nullptr;
}

HFONT MenuFont() {
    static platform::FontHandle font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        return platform::FontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
    }();
    return font.Get();
}

constexpr int kImageColumn = 24;

}  // namespace

const PropertyTable& MenuItem::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &ActionClient::ClassProperties(),
        {
            Boolean("Checked", &MenuItem::Checked, &MenuItem::SetChecked),
            Boolean("RadioItem", &MenuItem::RadioItem, &MenuItem::SetRadioItem),
            Integer("GroupIndex", &MenuItem::GroupIndex, &MenuItem::SetGroupIndex),
        }
    );
    return table;
}

MenuItem::MenuItem(Component* owner) : ActionClient(owner), commandId_(g_nextCommand++) {
    Commands()[commandId_] = this;
}

MenuItem::~MenuItem() {
    SetAction(nullptr);
    Commands().erase(commandId_);
    for (MenuItem* child : items_) child->parent_ = nullptr;
    if (parent_) parent_->Remove(*this);
}

Menu* MenuItem::OwnerMenu() const {
    const MenuItem* top = this;
    while (top->parent_) top = top->parent_;
    return top->menu_;
}

void MenuItem::Changed() {
    if (Menu* menu = OwnerMenu(); menu && !menu->Loading()) menu->Rebuild();
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (checked && radioItem_ && parent_)
        for (MenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
                sibling->checked_ = false;
    Changed();
}

void MenuItem::SetRadioItem(bool v) {
    radioItem_ = v;
    Changed();
}

void MenuItem::Add(MenuItem& item) {
    if (item.parent_) item.parent_->Remove(item);
    item.parent_ = this;
    items_.push_back(&item);
    Changed();
}

void MenuItem::Remove(MenuItem& item) {
    std::erase(items_, &item);
    item.parent_ = nullptr;
    Changed();
}

bool MenuItem::AdoptChild(Component& child) {
    auto* item = dynamic_cast<MenuItem*>(&child);
    if (!item) return false;
    Add(*item);
    return true;
}

void MenuItem::FollowMore(const ActionState& before, const ActionState& now) {
    FollowActionValue(checked_, before.checked, now.checked);
}

Menu::Menu(Component* owner, bool bar) : Component(owner), bar_(bar) { root_.menu_ = this; }

Menu::~Menu() {
    SetImages(nullptr);
    if (handle_) DestroyMenu(handle_);
    for (MenuItem* item : root_.items_) item->parent_ = nullptr;
    root_.items_.clear();
}

void Menu::SetImages(ImageList* images) {
    images_ = images;
    imagesWatch_ = images_ ? images_->AddChangeListener([this](bool freed) {
        if (freed) images_ = nullptr;
        Rebuild();
    })
                           : Connection{};
    Rebuild();
}

bool Menu::AdoptChild(Component& child) { return root_.AdoptChild(child); }

HMENU Menu::Handle() {
    if (!handle_) Rebuild();
    return handle_;
}

void Menu::Rebuild() {
    HMENU old = handle_;
    handle_ = bar_ ? CreateMenu() : CreatePopupMenu();
    Build(handle_, root_, bar_);
    rebuilt_(handle_);
    if (old) DestroyMenu(old);
}

void Menu::Build(HMENU menu, const MenuItem& parent, bool bar) {
    for (MenuItem* item : parent.items_) {
        if (!item->visible_) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.wID = item->commandId_;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        if (item->IsSeparator()) info.fType = MFT_SEPARATOR;
        if (!bar && images_) info.fType |= MFT_OWNERDRAW;
        if (item->radioItem_) info.fType |= MFT_RADIOCHECK;
        info.fState = (item->checked_ ? MFS_CHECKED : 0u) | (item->enabled_ ? 0u : MFS_DISABLED);
        if (!item->IsSeparator()) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = const_cast<wchar_t*>(item->caption_.c_str());
        }
        if (!item->items_.empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
            Build(info.hSubMenu, *item, false);
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

const PropertyTable& MainMenu::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Reference("Images", &Menu::Images, &Menu::SetImages),
        }
    );
    return table;
}

MainMenu::MainMenu(Component* owner) : Menu(owner, true) {}

const PropertyTable& PopupMenu::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Reference("Images", &Menu::Images, &Menu::SetImages),
            EventSlot("OnPopup", &PopupMenu::OnPopup),
        }
    );
    return table;
}

PopupMenu::PopupMenu(Component* owner) : Menu(owner, false) {}

void PopupMenu::Popup(HWND window, POINT screen) {
    NotifyArgs args;
    args.sender = this;
    OnPopup(args);
    SetForegroundWindow(window);
    TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}

bool DispatchMenuCommand(UINT id) {
    auto it = Commands().find(id);
    if (it == Commands().end()) return false;
    it->second->Click();
    return true;
}

bool MeasureMenuItem(MEASUREITEMSTRUCT& m) {
    MenuItem* item = ItemOf(m.itemData);
    if (!item) return false;
    if (item->IsSeparator()) {
        m.itemWidth = 10;
        m.itemHeight = 8;
        return true;
    }
    RECT r{};
    {
        platform::WindowDc screen;
        platform::Selection font(screen.Get(), MenuFont());
        DrawTextW(screen.Get(), item->Caption().c_str(), -1, &r, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    }
    Menu* menu = item->OwnerMenu();
    int imageHeight = menu && menu->Images() ? menu->Images()->Height() : 16;
    int imageWidth = menu && menu->Images() ? menu->Images()->Width() : 16;
    m.itemWidth = static_cast<UINT>(std::max(kImageColumn, imageWidth + 8) + r.right + 24);
    m.itemHeight = static_cast<UINT>(std::max<LONG>(imageHeight + 4, r.bottom + 6));
    return true;
}

bool DrawMenuItem(DRAWITEMSTRUCT& d) {
    MenuItem* item = ItemOf(d.itemData);
    if (!item) return false;
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    bool selected = (d.itemState & ODS_SELECTED) != 0;
    bool grayed = (d.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    FillRect(dc, &r, GetSysColorBrush(selected && !grayed ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item->IsSeparator()) {
        RECT line{r.left + 2, (r.top + r.bottom) / 2 - 1, r.right - 2, (r.top + r.bottom) / 2 + 1};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return true;
    }
    Menu* menu = item->OwnerMenu();
    ImageList* images = menu ? menu->Images() : nullptr;
    int column = std::max(kImageColumn, images ? images->Width() + 8 : 0);
    RECT box{r.left, r.top, r.left + column, r.bottom};
    if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
        if (item->Checked()) DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
        images->Draw(
            dc, item->ImageIndex(), box.left + (column - images->Width()) / 2,
            box.top + (box.bottom - box.top - images->Height()) / 2, !grayed
        );
    } else if (item->Checked()) {
        RECT mark{box.left + (column - 16) / 2, box.top + (box.bottom - box.top - 16) / 2, 0, 0};
        mark.right = mark.left + 16;
        mark.bottom = mark.top + 16;
        DrawFrameControl(dc, &mark, DFC_MENU, item->RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
    platform::Selection font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text{r.left + column + 4, r.top, r.right - 16, r.bottom};
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (d.itemState & ODS_NOACCEL) flags |= DT_HIDEPREFIX;
    DrawTextW(dc, item->Caption().c_str(), -1, &text, flags);
    return true;
}

}  // namespace ui
