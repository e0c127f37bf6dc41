#pragma once
#include <windows.h>

#include <string>

#include "ui/color.h"
#include "ui/component.h"
#include "ui/events.h"
#include "ui/font.h"

namespace ui {

class WinControl;
class Form;
class PopupMenu;

enum class Align { None, Top, Bottom, Left, Right, Client };

// Cursor identifiers of the text form; 0 is the parent's or the class's own cursor.
enum CursorId : std::int32_t { kCrDefault = 0, kCrArrow = -2, kCrIBeam = -4, kCrHandPoint = -21 };
std::span<const IntIdent> CursorIdents();
HCURSOR CursorHandle(std::int32_t cursor);  // null for kCrDefault

// A visible part of a window: bounds in its parent's client pixels, visibility, caption,
// font, colour and cursor. Windowed controls and windowless (graphic) ones derive from it.
class Control : public Component {
    UI_PUBLISHED(Control, "TControl")

public:
    explicit Control(Component* owner);
    ~Control() override;

    WinControl* Parent() const { return parent_; }
    virtual void SetParent(WinControl* parent);
    Form* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    Align GetAlign() const { return align_; }
    void SetAlign(Align align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible itself and through every parent.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    // A locked control stays disabled.
    void SetEnabled(bool enabled);
    // Disables the control for good, with `why` as its tooltip: its value is not the user's
    // to change. The hint shows once the form is shown.
    void Lock(const std::wstring& why);
    bool Locked() const { return locked_; }

    virtual std::wstring Caption() const { return caption_; }
    virtual void SetCaption(const std::wstring& caption);

    Font& TextFont() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    Color BackColor() const { return color_; }
    void SetColor(Color color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    // The colour painted: the parent's while ParentColor is set.
    Color EffectiveColor() const;

    std::int32_t Cursor() const { return cursor_; }
    void SetCursor(std::int32_t cursor) { cursor_ = cursor; }
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    PopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

    virtual void Invalidate() = 0;
    // Runs the control's click behaviour and its OnClick handler.
    virtual void Click();
    void MouseDown(MouseArgs& args) { OnMouseDown(args); }
    void MouseUp(MouseArgs& args) { OnMouseUp(args); }

    Event<NotifyArgs> OnClick;
    Event<MouseArgs> OnMouseDown;
    Event<MouseArgs> OnMouseUp;

    // The parent's font changed: a control that follows it takes it over.
    void ParentFontChanged();

protected:
    virtual void BoundsChanged() {}
    virtual void VisibilityChanged() {}
    virtual void EnabledChanged() {}
    virtual void CaptionChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}

private:
    WinControl* parent_ = nullptr;  // not owned
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool locked_ = false;
    std::wstring caption_;
    Font font_;
    bool parentFont_ = true;
    bool adoptingFont_ = false;
    Color color_ = kBtnFace;
    bool parentColor_ = false;
    std::int32_t cursor_ = kCrDefault;
    std::wstring hint_;
    bool showHint_ = false;
    PopupMenu* popupMenu_ = nullptr;  // not owned
};

}  // namespace ui
