#include "ui/win_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/handles.h"
#include "resources/string_ids.h"
#include "ui/application.h"
#include "platform/error.h"
#include "ui/graphic_control.h"
#include "ui/menu.h"
#include "ui/property.h"
#include "platform/resource_source.h"

using platform::Error;
using platform::FormatResString;

namespace ui {
namespace {

constexpr wchar_t kKitClass[] = L"TesslyUiWindow";
constexpr UINT_PTR kSubclassId = 1;
constexpr wchar_t kObjectProperty[] = L"TesslyUiObject";
UINT g_nextControlId = 100;

}  // namespace

LRESULT CALLBACK KitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetPropW(window, kObjectProperty, self);
        self->handle_ = window;
    }
    auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK KitSubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    return reinterpret_cast<WinControl*>(data)->Dispatch(message, wParam, lParam);
}

const PropertyTable& WinControl::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Control::ClassProperties(),
        {
            Integer("TabOrder", &WinControl::TabOrder, &WinControl::SetTabOrder),
            Boolean("TabStop", &WinControl::TabStop, &WinControl::SetTabStop),
            EventSlot("OnEnter", &WinControl::OnEnter),
            EventSlot("OnExit", &WinControl::OnExit),
        }
    );
    return table;
}

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    auto children = controls_;  // each removes itself from controls_
    for (Control* c : children) c->SetParent(nullptr);
    DestroyHandle();
}

WinControl* WinControl::FromHandle(HWND window) {
    return window ? static_cast<WinControl*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void WinControl::FillCreateParams(CreateParams& params) {
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) params.style |= WS_VISIBLE;
    if (!Enabled()) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    if (Parent()) params.parent = Parent()->Handle();
}

void WinControl::HandleNeeded() {
    if (handle_) return;
    if (Parent()) {
        Parent()->HandleNeeded();  // creates this one among its children
        if (handle_) return;
    }
    CreateHandle();
}

namespace {

// Registers the kit's window class under `name` the first time it is asked for.
const wchar_t* KitWindowClass(const std::wstring& name) {
    static std::vector<std::wstring> registered;
    const std::wstring& wanted = name.empty() ? std::wstring(kKitClass) : name;
    for (const std::wstring& r : registered)
        if (r == wanted) return r.c_str();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = KitWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = wanted.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ThrowWindowError(str::SWindowClassFailed, wanted);
    registered.push_back(wanted);
    return registered.back().c_str();
}

}  // namespace

void ThrowWindowError(UINT message, const std::wstring& className) {
    DWORD code = GetLastError();
    throw Error(FormatResString(message, className) + L" (" + std::to_wstring(code) + L")");
}

void WinControl::CreateHandle() {
    CreateParams params;
    FillCreateParams(params);
    bool kitClass = params.className.empty();
    HMENU id = (params.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(g_nextControlId++)) : nullptr;
    const wchar_t* className = kitClass ? KitWindowClass(params.kitClassName) : params.className.c_str();
    HWND window = CreateWindowExW(
        params.exStyle, className, Caption().c_str(), params.style, Left(), Top(), Width(), Height(), params.parent, id,
        GetModuleHandleW(nullptr), kitClass ? this : nullptr
    );
    if (!window) ThrowWindowError(str::SWindowFailed, className);
    if (!kitClass) {
        handle_ = window;
        SetPropW(window, kObjectProperty, this);
        SetWindowSubclass(window, KitSubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
        subclassed_ = true;
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(TextFont().Handle()), FALSE);
    HandleCreated();
    CreateChildHandles();
    Realign();
}

void WinControl::CreateChildHandles() {
    std::vector<WinControl*> children;
    for (Control* c : controls_)
        if (auto* w = dynamic_cast<WinControl*>(c)) children.push_back(w);
    std::stable_sort(children.begin(), children.end(), [](WinControl* a, WinControl* b) {
        auto key = [](WinControl* w) { return w->tabOrder_ < 0 ? INT_MAX : w->tabOrder_; };
        return key(a) < key(b);
    });
    for (WinControl* w : children)
        if (!w->handle_) w->CreateHandle();
}

void WinControl::DestroyHandle() {
    if (handle_) DestroyWindow(handle_);
}

void WinControl::RecreateHandle() {
    if (!handle_) return;
    DestroyHandle();
    CreateHandle();
}

void WinControl::ChangeStyle(DWORD bit, bool on) {
    if (!handle_) return;
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit)));
    InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT WinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCDESTROY) {
            LRESULT r = DefaultProc(message, wParam, lParam);
            RemovePropW(handle_, kObjectProperty);
            if (subclassed_)
                RemoveWindowSubclass(handle_, KitSubclassProc, kSubclassId);
            else
                SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
            handle_ = nullptr;
            subclassed_ = false;
            return r;
        }
        return WndProc(message, wParam, lParam);
    } catch (...) {
        HandleException();
        return 0;
    }
}

LRESULT WinControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(handle_, message, wParam, lParam)
                       : DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT WinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_NOTIFY:
            return OnNotify(lParam);
        case WM_DRAWITEM:
            return OnDrawItem(wParam, lParam);
        case WM_MEASUREITEM:
            return OnMeasureItem(wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return OnControlColor(message, wParam, lParam);
        case WM_HSCROLL:
        case WM_VSCROLL:
            return OnScroll(message, wParam, lParam);
        case WM_PAINT:
            return subclassed_ ? DefaultProc(message, wParam, lParam) : OnPaint();
        case WM_ERASEBKGND:
            return subclassed_ ? DefaultProc(message, wParam, lParam) : OnEraseBackground(wParam);
        case WM_SIZE: {
            LRESULT r = DefaultProc(message, wParam, lParam);
            Realign();
            Resized();
            return r;
        }
        case WM_WINDOWPOSCHANGED: {
            // Only top-level windows are moved by others (the user, the system).
            if (!movingWindow_ && !(GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) ReadBoundsFromWindow();
            return DefaultProc(message, wParam, lParam);
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return OnMouseButton(message, wParam, lParam);
        case WM_SETCURSOR:
            return OnSetCursor(message, wParam, lParam);
        case WM_CONTEXTMENU:
            return OnContextMenu(message, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocus(message, wParam, lParam);
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

LRESULT WinControl::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam) {
        if (WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            child->CommandNotify(HIWORD(wParam), LOWORD(wParam));
        return 0;
    }
    if (HIWORD(wParam) == 0 && DispatchMenuCommand(LOWORD(wParam))) return 0;
    return DefaultProc(WM_COMMAND, wParam, lParam);
}

LRESULT WinControl::OnNotify(LPARAM lParam) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    WinControl* child = FromHandle(header->hwndFrom);
    return child && child != this ? child->NotifyReflected(*header) : DefaultProc(WM_NOTIFY, 0, lParam);
}

LRESULT WinControl::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item.CtlType == ODT_MENU) return DrawMenuItem(item) ? TRUE : DefaultProc(WM_DRAWITEM, wParam, lParam);
    WinControl* child = FromHandle(item.hwndItem);
    return child && child->DrawItemReflected(item) ? TRUE : DefaultProc(WM_DRAWITEM, wParam, lParam);
}

LRESULT WinControl::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item.CtlType == ODT_MENU) return MeasureMenuItem(item) ? TRUE : DefaultProc(WM_MEASUREITEM, wParam, lParam);
    WinControl* child = FromHandle(GetDlgItem(handle_, static_cast<int>(item.CtlID)));
    return child && child->MeasureItemReflected(item) ? TRUE : DefaultProc(WM_MEASUREITEM, wParam, lParam);
}

LRESULT WinControl::OnControlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    WinControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
    if (!child) return DefaultProc(message, wParam, lParam);
    return reinterpret_cast<LRESULT>(child->ControlColor(reinterpret_cast<HDC>(wParam)));
}

LRESULT WinControl::OnScroll(UINT message, WPARAM wParam, LPARAM lParam) {
    WinControl* child = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
    if (!child) return DefaultProc(message, wParam, lParam);
    child->ScrollReflected(LOWORD(wParam));
    return 0;
}

void WinControl::CommandNotify(WORD, WORD) {}
LRESULT WinControl::NotifyReflected(NMHDR&) { return 0; }
bool WinControl::DrawItemReflected(DRAWITEMSTRUCT&) { return false; }
bool WinControl::MeasureItemReflected(MEASUREITEMSTRUCT&) { return false; }
void WinControl::ScrollReflected(WORD) {}

HBRUSH WinControl::ControlColor(HDC dc) {
    SetTextColor(dc, ToColorRef(TextFont().FontColor()));
    SetBkColor(dc, ToColorRef(EffectiveColor()));
    return brush_.Get(EffectiveColor());
}

// Transparent children (flat toolbars) have their parent erase the background under them.
LRESULT WinControl::OnEraseBackground(WPARAM wParam) {
    RECT r = ClientRect();
    FillRect(reinterpret_cast<HDC>(wParam), &r, brush_.Get(EffectiveColor()));
    return 1;
}

LRESULT WinControl::OnPaint() {
    platform::PaintDc paint(handle_);
    Paint(paint.Get());
    return 0;
}

void WinControl::Paint(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, brush_.Get(EffectiveColor()));
    PaintGraphicChildren(dc);
}

void WinControl::PaintGraphicChildren(HDC dc) {
    for (Control* c : controls_) {
        auto* g = dynamic_cast<GraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        platform::SavedDc saved(dc);
        RECT b = g->BoundsRect();
        IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
        g->Paint(dc);
    }
}

GraphicControl* WinControl::GraphicChildAt(POINT point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        auto* g = dynamic_cast<GraphicControl*>(*it);
        if (!g || !g->Visible() || !g->Enabled()) continue;
        RECT b = g->BoundsRect();
        if (PtInRect(&b, point)) return g;
    }
    return nullptr;
}

LRESULT WinControl::OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    MouseArgs args;
    args.button = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ? MouseButton::Left : MouseButton::Right;
    GraphicControl* target = down ? GraphicChildAt(point) : pressed_;
    Control* receiver = target ? static_cast<Control*>(target) : this;
    args.sender = receiver;
    RECT bounds = receiver == this ? ClientRect() : target->BoundsRect();
    args.x = point.x - (receiver == this ? 0 : bounds.left);
    args.y = point.y - (receiver == this ? 0 : bounds.top);
    if (down) {
        pressed_ = target;
        if (args.button == MouseButton::Left && !subclassed_) SetCapture(handle_);
        receiver->MouseDown(args);
    } else {
        pressed_ = nullptr;
        if (GetCapture() == handle_ && !subclassed_) ReleaseCapture();
        receiver->MouseUp(args);
        if (args.button == MouseButton::Left && PtInRect(&bounds, point) && !subclassed_) receiver->Click();
    }
    // The platform's own handling follows; for a right button it raises the context menu.
    return DefaultProc(message, wParam, lParam);
}

LRESULT WinControl::OnSetCursor(UINT message, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(handle_, &p);
        GraphicControl* g = GraphicChildAt(p);
        HCURSOR cursor = g ? CursorHandle(g->Cursor()) : nullptr;
        if (!cursor) cursor = CursorHandle(Cursor());
        if (cursor) {
            ::SetCursor(cursor);
            return TRUE;
        }
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT WinControl::OnContextMenu(UINT message, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == handle_ && GetPopupMenu()) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (p.x == -1 && p.y == -1) {
            p = {0, 0};
            ClientToScreen(handle_, &p);
        }
        GetPopupMenu()->Popup(handle_, p);
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT WinControl::OnFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DefaultProc(message, wParam, lParam);
    NotifyArgs args;
    args.sender = this;
    if (message == WM_SETFOCUS)
        OnEnter(args);
    else
        OnExit(args);
    return r;
}

bool WinControl::AdoptChild(Component& child) {
    auto* control = dynamic_cast<Control*>(&child);
    if (!control) return false;
    control->SetParent(this);
    return true;
}

void WinControl::InsertControl(Control& child) {
    controls_.push_back(&child);
    if (auto* w = dynamic_cast<WinControl*>(&child); w && handle_ && !w->handle_) w->CreateHandle();
    if (child.GetAlign() != Align::None) Realign();
    if (dynamic_cast<GraphicControl*>(&child)) child.Invalidate();
}

void WinControl::RemoveControl(Control& child) {
    if (pressed_ == &child) pressed_ = nullptr;
    if (dynamic_cast<GraphicControl*>(&child)) child.Invalidate();
    std::erase(controls_, &child);
    if (auto* w = dynamic_cast<WinControl*>(&child); w && w->handle_) w->DestroyHandle();
}

void WinControl::SetTabOrder(int order) { tabOrder_ = order; }

void WinControl::SetTabStop(bool value) {
    tabStop_ = value;
    ChangeStyle(WS_TABSTOP, value);
}

void WinControl::SetFocus() {
    if (handle_) ::SetFocus(handle_);
}

bool WinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void WinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

RECT WinControl::ClientRect() const {
    RECT r{0, 0, Width(), Height()};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

void WinControl::Realign() {
    if (realigning_) return;
    realigning_ = true;
    RECT free = AlignArea();
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Control* c : controls_) {
            if (c->GetAlign() != pass || !c->Visible()) continue;
            int w = c->Width(), h = c->Height();
            switch (pass) {
                case Align::Top:
                    c->SetBounds(free.left, free.top, free.right - free.left, h);
                    free.top += h;
                    break;
                case Align::Bottom:
                    free.bottom -= h;
                    c->SetBounds(free.left, free.bottom, free.right - free.left, h);
                    break;
                case Align::Left:
                    c->SetBounds(free.left, free.top, w, free.bottom - free.top);
                    free.left += w;
                    break;
                case Align::Right:
                    free.right -= w;
                    c->SetBounds(free.right, free.top, w, free.bottom - free.top);
                    break;
                case Align::Client:
                    c->SetBounds(free.left, free.top, free.right - free.left, free.bottom - free.top);
                    break;
                case Align::None:
                    break;
            }
        }
    }
    realigning_ = false;
}

LRESULT WinControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    return handle_ ? SendMessageW(handle_, message, wParam, lParam) : 0;
}

void WinControl::BoundsChanged() {
    if (!movingWindow_) ApplyBounds();
}

void WinControl::ApplyBounds() {
    if (!handle_) return;
    movingWindow_ = true;
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    movingWindow_ = false;
}

void WinControl::ReadBoundsFromWindow() {
    RECT r;
    GetWindowRect(handle_, &r);
    movingWindow_ = true;
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    movingWindow_ = false;
}

void WinControl::VisibilityChanged() {
    if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void WinControl::EnabledChanged() {
    if (handle_) EnableWindow(handle_, Enabled());
}

void WinControl::CaptionChanged() {
    if (handle_) SetWindowTextW(handle_, Caption().c_str());
}

void WinControl::FontChanged() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(TextFont().Handle()), TRUE);
    for (Control* c : controls_) c->ParentFontChanged();
}

void WinControl::ColorChanged() {
    Invalidate();
    for (Control* c : controls_)
        if (c->ParentColor()) c->Invalidate();
}

}  // namespace ui
