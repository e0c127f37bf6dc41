#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class GraphicControl;

// Throws platform::Error with the string `message` about a window or window class that the system
// refused, followed by the system's error code.
[[noreturn]] void ThrowWindowError(UINT message, const std::wstring& className);

// A control with its own window. The window is made when first needed (a parent's window
// makes its children's), from the state the object holds; afterwards the object and the
// window are kept in step. Every message goes through one window procedure to the object's
// WndProc, which hands it to a short named handler; the parent reflects WM_COMMAND,
// WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, colour and scroll messages to the child's object.
class WinControl : public Control {
    UI_PUBLISHED(WinControl, "TWinControl")

public:
    explicit WinControl(Component* owner);
    ~WinControl() override;

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    static WinControl* FromHandle(HWND window);

    const std::vector<Control*>& Controls() const { return controls_; }
    bool AdoptChild(Component& child) override;

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    void SetFocus();
    bool Focused() const;

    void Invalidate() override;
    // What the window shows under `child`: its surface and the graphic children that come
    // before `child` in the child order, in this window's client coordinates.
    void PaintUnder(HDC dc, const Control& child);
    // Lays out the children that have an Align, within AlignArea.
    void Realign();
    RECT ClientRect() const;

    Event<NotifyArgs> OnEnter;  // the control received the keyboard focus
    Event<NotifyArgs> OnExit;   // the control lost it

    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Whether the control handles this key itself instead of the window's default or
    // cancel button (a multi-line edit takes Enter).
    virtual bool WantsKey(WPARAM) const { return false; }
    // Enter as a command of the control's own instead of the default button's: true when
    // the control used the key.
    virtual bool TakeReturn() { return false; }

    // Called by Control::SetParent.
    void InsertControl(Control& child);
    void RemoveControl(Control& child);

protected:
    struct CreateParams {
        std::wstring className;  // empty: the kit's own window class
        // For the kit's own windows: the name under which that class is registered (empty:
        // the kit's default name). Forms use their class name, so other programs find them.
        std::wstring kitClassName;
        DWORD style = 0;
        DWORD exStyle = 0;
        HWND parent = nullptr;
    };
    virtual void FillCreateParams(CreateParams& params);
    // Pushes the object's state into the new window.
    virtual void HandleCreated() {}
    void RecreateHandle();
    void DestroyHandle();
    // Sets or clears a style bit on the live window.
    void ChangeStyle(DWORD bit, bool on);

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Messages the parent reflects to this control.
    virtual void CommandNotify(WORD code, WORD id);
    virtual LRESULT NotifyReflected(NMHDR& header);
    virtual bool DrawItemReflected(DRAWITEMSTRUCT& item);
    virtual bool MeasureItemReflected(MEASUREITEMSTRUCT& item);
    virtual HBRUSH ControlColor(HDC dc);
    virtual void ScrollReflected(WORD code);

    // Windows of the kit's own class paint their surface, then their graphic children.
    void Paint(HDC dc);
    // The window's own drawing (background, frame, caption) without the graphic children.
    virtual void PaintSurface(HDC dc);
    virtual void Resized() {}
    // Where children with an Align are laid out: the client area less any frame of its own.
    virtual RECT AlignArea() const { return ClientRect(); }

    void BoundsChanged() override;
    void VisibilityChanged() override;
    void EnabledChanged() override;
    void CaptionChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    // Windowed controls are laid out by the platform; this moves the live window.
    virtual void ApplyBounds();

    CachedBrush& Brush() { return brush_; }

private:
    friend LRESULT CALLBACK KitWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK KitSubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateHandle();
    void CreateChildHandles();
    void ReadBoundsFromWindow();

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnScroll(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
    LRESULT OnEraseBackground(WPARAM wParam);
    LRESULT OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnFocus(UINT message, WPARAM wParam, LPARAM lParam);
    GraphicControl* GraphicChildAt(POINT point) const;
    // The visible graphic children before `end` (all of them for null) that overlap `area`.
    void PaintGraphicChildren(HDC dc, const Control* end, const RECT& area);

    HWND handle_ = nullptr;
    bool subclassed_ = false;
    bool realigning_ = false;
    bool movingWindow_ = false;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    std::vector<Control*> controls_;     // not owned: the form owns them
    GraphicControl* pressed_ = nullptr;  // not owned: graphic child under a held button
    CachedBrush brush_;
};

}  // namespace ui
