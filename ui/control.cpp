#include "ui/control.h"

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/property.h"
#include "ui/win_control.h"

namespace ui {
namespace {

const char* const kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};

}  // namespace

std::span<const IntIdent> CursorIdents() {
    static const IntIdent idents[] = {
        {"crDefault", 0},    {"crNone", -1},     {"crArrow", -2},      {"crCross", -3},
        {"crIBeam", -4},     {"crSizeNESW", -6}, {"crSizeNS", -7},     {"crSizeNWSE", -8},
        {"crSizeWE", -9},    {"crUpArrow", -10}, {"crHourGlass", -11}, {"crNo", -18},
        {"crAppStart", -19}, {"crHelp", -20},    {"crHandPoint", -21}, {"crSizeAll", -22},
    };
    return idents;
}

HCURSOR CursorHandle(std::int32_t cursor) {
    const wchar_t* id = nullptr;
    switch (cursor) {
        case -2:
            id = IDC_ARROW;
            break;
        case -3:
            id = IDC_CROSS;
            break;
        case -4:
            id = IDC_IBEAM;
            break;
        case -6:
            id = IDC_SIZENESW;
            break;
        case -7:
            id = IDC_SIZENS;
            break;
        case -8:
            id = IDC_SIZENWSE;
            break;
        case -9:
            id = IDC_SIZEWE;
            break;
        case -10:
            id = IDC_UPARROW;
            break;
        case -11:
            id = IDC_WAIT;
            break;
        case -18:
            id = IDC_NO;
            break;
        case -19:
            id = IDC_APPSTARTING;
            break;
        case -20:
            id = IDC_HELP;
            break;
        case -21:
            id = IDC_HAND;
            break;
        case -22:
            id = IDC_SIZEALL;
            break;
        default:
            return nullptr;
    }
    return LoadCursorW(nullptr, id);
}

const PropertyTable& Control::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Integer("Left", &Control::Left, &Control::SetLeft),
            Integer("Top", &Control::Top, &Control::SetTop),
            Integer("Width", &Control::Width, &Control::SetWidth),
            Integer("Height", &Control::Height, &Control::SetHeight),
            Enumeration("Align", &Control::GetAlign, &Control::SetAlign, kAlignNames),
            Boolean("Visible", &Control::Visible, &Control::SetVisible),
            Boolean("Enabled", &Control::Enabled, &Control::SetEnabled),
            Text("Caption", &Control::Caption, &Control::SetCaption),
            Object("Font", &Control::TextFont),
            Boolean("ParentFont", &Control::ParentFont, &Control::SetParentFont),
            Integer("Color", &Control::BackColor, &Control::SetColor, ColorIdents()),
            Boolean("ParentColor", &Control::ParentColor, &Control::SetParentColor),
            Integer("Cursor", &Control::Cursor, &Control::SetCursor, CursorIdents()),
            Text("Hint", &Control::Hint, &Control::SetHint),
            Boolean("ShowHint", &Control::ShowHint, &Control::SetShowHint),
            Reference("PopupMenu", &Control::GetPopupMenu, &Control::SetPopupMenu),
            EventSlot("OnClick", &Control::OnClick),
            EventSlot("OnMouseDown", &Control::OnMouseDown),
            EventSlot("OnMouseUp", &Control::OnMouseUp),
        }
    );
    return table;
}

Control::Control(Component* owner) : Component(owner) {
    font_.onChange = [this] {
        if (!adoptingFont_) parentFont_ = false;
        FontChanged();
    };
}

Control::~Control() {
    if (parent_) parent_->RemoveControl(*this);
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(*this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(*this);
        ParentFontChanged();
    }
}

Form* Control::ParentForm() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(c));
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::SetAlign(Align align) {
    align_ = align;
    if (parent_) parent_->Realign();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibilityChanged();
    if (parent_ && align_ != Align::None) parent_->Realign();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (locked_) enabled = false;
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

void Control::Lock(const std::wstring& why) {
    SetEnabled(false);
    locked_ = true;
    SetHint(why);
    SetShowHint(true);
}

void Control::SetCaption(const std::wstring& caption) {
    if (caption == Caption()) return;
    caption_ = caption;
    CaptionChanged();
}

void Control::SetParentFont(bool value) {
    parentFont_ = value;
    ParentFontChanged();
}

void Control::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    adoptingFont_ = true;
    font_.Assign(parent_->TextFont());
    adoptingFont_ = false;
}

void Control::SetColor(Color color) {
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

void Control::SetParentColor(bool value) {
    parentColor_ = value;
    ColorChanged();
}

Color Control::EffectiveColor() const { return parentColor_ && parent_ ? parent_->EffectiveColor() : color_; }

void Control::Click() {
    NotifyArgs args;
    args.sender = this;
    OnClick(args);
}

}  // namespace ui
