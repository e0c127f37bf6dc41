#include "ui/tool_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/action_list.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/property.h"

namespace ui {
namespace {

const char* const kStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"};
UINT g_nextButtonId = 0x6000;

}  // namespace

const PropertyTable& ToolButton::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &ActionClient::ClassProperties(),
        {
            Boolean("Down", &ToolButton::Down, &ToolButton::SetDown),
            Enumeration("Style", &ToolButton::Style, &ToolButton::SetStyle, kStyleNames),
            Reference("DropdownMenu", &ToolButton::DropdownMenu, &ToolButton::SetDropdownMenu),
        }
    );
    return table;
}

ToolButton::ToolButton(Component* owner) : ActionClient(owner), commandId_(g_nextButtonId++) {}

ToolButton::~ToolButton() {
    SetAction(nullptr);
    if (bar_) bar_->RemoveButton(*this);
}

void ToolButton::Changed() {
    if (bar_ && !bar_->Loading()) bar_->Rebuild();
}

void ToolButton::SetDown(bool v) {
    down_ = v;
    Changed();
}

void ToolButton::SetStyle(ToolButtonStyle s) {
    style_ = s;
    Changed();
}

const PropertyTable& ToolBar::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Reference("Images", &ToolBar::Images, &ToolBar::SetImages),
            Reference("HotImages", &ToolBar::HotImages, &ToolBar::SetHotImages),
            Reference("DisabledImages", &ToolBar::DisabledImages, &ToolBar::SetDisabledImages),
            Integer("ButtonWidth", &ToolBar::ButtonWidth, &ToolBar::SetButtonWidth),
            Integer("ButtonHeight", &ToolBar::ButtonHeight, &ToolBar::SetButtonHeight),
            Boolean("ShowCaptions", &ToolBar::ShowCaptions, &ToolBar::SetShowCaptions),
            Boolean("Flat", &ToolBar::Flat, &ToolBar::SetFlat),
        }
    );
    return table;
}

ToolBar::ToolBar(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 150, 29);
    SetAlign(Align::Top);
}

ToolBar::~ToolBar() {
    Watch(images_, imagesWatch_, nullptr);
    Watch(hotImages_, hotImagesWatch_, nullptr);
    Watch(disabledImages_, disabledImagesWatch_, nullptr);
    for (ToolButton* b : buttons_) b->bar_ = nullptr;
}

bool ToolBar::AdoptChild(Component& child) {
    auto* button = dynamic_cast<ToolButton*>(&child);
    if (!button) return false;
    AddButton(*button);
    return true;
}

void ToolBar::AddButton(ToolButton& button) {
    if (button.bar_) button.bar_->RemoveButton(button);
    button.bar_ = this;
    buttons_.push_back(&button);
    if (!Loading()) Rebuild();
}

void ToolBar::RemoveButton(ToolButton& button) {
    std::erase(buttons_, &button);
    button.bar_ = nullptr;
    Rebuild();
}

void ToolBar::Watch(ImageList*& slot, Connection& watch, ImageList* list) {
    slot = list;
    watch = slot ? slot->AddChangeListener([this, &slot](bool freed) {
        if (freed) slot = nullptr;
        Rebuild();
    })
                 : Connection{};
    Rebuild();
}

void ToolBar::SetImages(ImageList* v) { Watch(images_, imagesWatch_, v); }
void ToolBar::SetHotImages(ImageList* v) { Watch(hotImages_, hotImagesWatch_, v); }
void ToolBar::SetDisabledImages(ImageList* v) { Watch(disabledImages_, disabledImagesWatch_, v); }

void ToolBar::SetButtonWidth(int v) {
    buttonWidth_ = v;
    Rebuild();
}

void ToolBar::SetButtonHeight(int v) {
    buttonHeight_ = v;
    Rebuild();
}

void ToolBar::SetShowCaptions(bool v) {
    showCaptions_ = v;
    Rebuild();
}

void ToolBar::SetFlat(bool v) {
    flat_ = v;
    RecreateHandle();
}

void ToolBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = TOOLBARCLASSNAMEW;
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | (flat_ ? TBSTYLE_FLAT : 0u);
}

void ToolBar::Rebuild() {
    if (!HandleAllocated() || Loading()) return;
    Perform(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    Perform(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    Perform(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    Perform(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_ ? hotImages_->Handle() : nullptr));
    Perform(
        TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages_ ? disabledImages_->Handle() : nullptr)
    );
    while (Perform(TB_BUTTONCOUNT) > 0) Perform(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> added;
    for (ToolButton* b : buttons_) {
        TBBUTTON t{};
        t.idCommand = static_cast<int>(b->commandId_);
        t.iBitmap = b->imageIndex_ >= 0 ? b->imageIndex_ : I_IMAGENONE;
        t.fsState = static_cast<BYTE>(
            (b->enabled_ ? TBSTATE_ENABLED : 0) | (b->visible_ ? 0 : TBSTATE_HIDDEN) | (b->down_ ? TBSTATE_CHECKED : 0)
        );
        switch (b->style_) {
            case ToolButtonStyle::Button:
                t.fsStyle = BTNS_BUTTON;
                break;
            case ToolButtonStyle::Check:
                t.fsStyle = BTNS_CHECK;
                break;
            case ToolButtonStyle::DropDown:
                t.fsStyle = BTNS_DROPDOWN;
                break;
            case ToolButtonStyle::Separator:
            case ToolButtonStyle::Divider:
                t.fsStyle = BTNS_SEP;
                break;
        }
        t.iString = showCaptions_ ? reinterpret_cast<INT_PTR>(b->caption_.c_str()) : -1;
        added.push_back(t);
    }
    Perform(TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));
    Perform(TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    Perform(TB_AUTOSIZE);
    RECT r{};
    if (!buttons_.empty() && Perform(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) SetHeight(r.bottom + r.top);
}

ToolButton* ToolBar::ButtonOf(UINT id) const {
    auto it = std::find_if(buttons_.begin(), buttons_.end(), [id](ToolButton* b) { return b->commandId_ == id; });
    return it == buttons_.end() ? nullptr : *it;
}

void ToolBar::CommandNotify(WORD, WORD id) {
    if (ToolButton* b = ButtonOf(id)) {
        if (b->style_ == ToolButtonStyle::Check) b->down_ = (Perform(TB_ISBUTTONCHECKED, id) != 0);
        b->Click();
    }
}

LRESULT ToolBar::NotifyReflected(NMHDR& header) {
    if (header.code != TBN_DROPDOWN) return 0;
    auto& info = reinterpret_cast<NMTOOLBARW&>(header);
    ToolButton* b = ButtonOf(static_cast<UINT>(info.iItem));
    if (!b || !b->dropdownMenu_) return TBDDRET_NODEFAULT;
    RECT r{};
    Perform(TB_GETRECT, static_cast<WPARAM>(info.iItem), reinterpret_cast<LPARAM>(&r));
    POINT below{r.left, r.bottom};
    ClientToScreen(Handle(), &below);
    b->dropdownMenu_->Popup(Handle(), below);
    return TBDDRET_DEFAULT;
}

}  // namespace ui
