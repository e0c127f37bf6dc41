#include "ui/form.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/resource_source.h"
#include "platform/text.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/help_page.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/property.h"

using platform::Widen;

namespace ui {
namespace {

const char* const kBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                         "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const char* const kPositionNames[] = {"poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
                                      "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
const char* const kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};

std::vector<Form*>& FormList() {
    static std::vector<Form*> forms;
    return forms;
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::span<const IntIdent> ModalResultIdents() {
    static const IntIdent idents[] = {{"mrNone", 0},  {"mrOk", 1},     {"mrCancel", 2}, {"mrAbort", 3},
                                      {"mrRetry", 4}, {"mrIgnore", 5}, {"mrYes", 6},    {"mrNo", 7}};
    return idents;
}

const PropertyTable& SizeConstraints::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        nullptr,
        {
            Integer("MinWidth", &SizeConstraints::MinWidth, &SizeConstraints::SetMinWidth),
            Integer("MinHeight", &SizeConstraints::MinHeight, &SizeConstraints::SetMinHeight),
            Integer("MaxWidth", &SizeConstraints::MaxWidth, &SizeConstraints::SetMaxWidth),
            Integer("MaxHeight", &SizeConstraints::MaxHeight, &SizeConstraints::SetMaxHeight),
        }
    );
    return table;
}

const PropertyTable& Form::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Integer("ClientWidth", &Form::ClientWidth, &Form::SetClientWidth),
            Integer("ClientHeight", &Form::ClientHeight, &Form::SetClientHeight),
            Enumeration("BorderStyle", &Form::GetBorderStyle, &Form::SetBorderStyle, kBorderStyleNames),
            Set("BorderIcons", &Form::BorderIcons, &Form::SetBorderIcons, kBorderIconNames),
            Enumeration("Position", &Form::Position, &Form::SetPosition, kPositionNames),
            Reference("ActiveControl", &Form::ActiveControl, &Form::SetActiveControl),
            Reference("Menu", &Form::Menu, &Form::SetMenu),
            Object("Constraints", &Form::Constraints),
            Boolean("AcceptFiles", &Form::AcceptFiles, &Form::SetAcceptFiles),
            EventSlot("OnCreate", &Form::OnCreate),
            EventSlot("OnDestroy", &Form::OnDestroy),
            EventSlot("OnClose", &Form::OnClose),
            EventSlot("OnCloseQuery", &Form::OnCloseQuery),
            EventSlot("OnPaint", &Form::OnPaint),
            EventSlot("OnResize", &Form::OnResize),
            EventSlot("OnShow", &Form::OnShow),
            EventSlot("OnDropFiles", &Form::OnDropFiles),
        }
    );
    return table;
}

Form::Form(Component* owner) : WinControl(owner) {
    SetVisible(false);
    FormList().push_back(this);
}

Form::~Form() {
    std::erase(FormList(), this);
    // A window on its way out no longer follows its menu bar while the items are freed.
    menuWatch_.Disconnect();
    if (Application::Instance().MainForm() == this) Application::Instance().SetMainForm(nullptr);
    hints_.Detach();
    DestroyComponents();
    DestroyHandle();
}

const std::vector<Form*>& Form::OpenForms() { return FormList(); }

Form* Form::OfWindow(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    return root ? dynamic_cast<Form*>(FromHandle(root)) : nullptr;
}

void Form::Fire(const Event<NotifyArgs>& event) {
    NotifyArgs args;
    args.sender = this;
    event(args);
}

void Form::Created() {
    created_ = true;
    Fire(OnCreate);
}

void Form::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    // A form whose description failed to load never ran OnCreate: its handlers may expect
    // fields that were never bound.
    try {
        if (created_) Fire(OnDestroy);
    } catch (...) {
        HandleException();
    }
    hints_.Detach();
    DestroyHandle();
}

void FormDeleter::operator()(Form* form) const {
    form->Destroy();
    delete form;
}

DWORD Form::FrameStyle() const {
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle_) {
        case BorderStyle::None:
            style |= WS_POPUP;
            break;
        case BorderStyle::Single:
        case BorderStyle::ToolWindow:
            style |= WS_CAPTION | WS_BORDER;
            break;
        case BorderStyle::Sizeable:
        case BorderStyle::SizeToolWin:
            style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case BorderStyle::Dialog:
            style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
            break;
    }
    if (borderStyle_ != BorderStyle::None && (borderIcons_ & kBiSystemMenu)) style |= WS_SYSMENU;
    bool dialog = borderStyle_ == BorderStyle::Dialog || borderStyle_ == BorderStyle::ToolWindow ||
                  borderStyle_ == BorderStyle::SizeToolWin;
    if (!dialog && (borderIcons_ & kBiMinimize)) style |= WS_MINIMIZEBOX;
    if (!dialog && (borderIcons_ & kBiMaximize)) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD Form::FrameExStyle() const {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (borderStyle_ == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    if (borderStyle_ == BorderStyle::ToolWindow || borderStyle_ == BorderStyle::SizeToolWin) ex |= WS_EX_TOOLWINDOW;
    if (acceptFiles_) ex |= WS_EX_ACCEPTFILES;
    return ex;
}

void Form::FillCreateParams(CreateParams& params) {
    params.kitClassName = Widen(ClassName());
    params.style = FrameStyle();
    if (!Enabled()) params.style |= WS_DISABLED;
    params.exStyle = FrameExStyle();
    Form* main = Application::Instance().MainForm();
    if (main && main != this && main->HandleAllocated()) params.parent = main->Handle();
}

void Form::HandleCreated() {
    if (menu_) ::SetMenu(Handle(), menu_->Handle());
    FitClientSize();
}

void Form::FitClientSize() {
    if (!HandleAllocated() || (clientWidth_ < 0 && clientHeight_ < 0)) return;
    RECT r{0, 0, clientWidth_ < 0 ? ClientWidth() : clientWidth_, clientHeight_ < 0 ? ClientHeight() : clientHeight_};
    AdjustWindowRectEx(
        &r, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), menu_ != nullptr,
        static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE))
    );
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
    // A menu bar that wraps takes more room than the estimate: correct by the real client area.
    RECT client;
    GetClientRect(Handle(), &client);
    int dw = (clientWidth_ < 0 ? 0 : clientWidth_ - client.right);
    int dh = (clientHeight_ < 0 ? 0 : clientHeight_ - client.bottom);
    if (dw || dh) SetBounds(Left(), Top(), Width() + dw, Height() + dh);
}

int Form::ClientWidth() const {
    if (HandleAllocated()) return ClientRect().right;
    return clientWidth_ >= 0 ? clientWidth_ : Width();
}

int Form::ClientHeight() const {
    if (HandleAllocated()) return ClientRect().bottom;
    return clientHeight_ >= 0 ? clientHeight_ : Height();
}

void Form::SetClientWidth(int width) {
    clientWidth_ = width;
    if (!HandleAllocated()) SetWidth(width);
    FitClientSize();
}

void Form::SetClientHeight(int height) {
    clientHeight_ = height;
    if (!HandleAllocated()) SetHeight(height);
    FitClientSize();
}

void Form::SetBorderStyle(BorderStyle style) {
    borderStyle_ = style;
    RecreateHandle();
}

void Form::SetBorderIcons(std::uint32_t icons) {
    borderIcons_ = icons;
    RecreateHandle();
}

void Form::SetActiveControl(WinControl* control) {
    activeControl_ = control;
    if (control && Visible() && HandleAllocated()) control->SetFocus();
}

void Form::SetMenu(MainMenu* menu) {
    menu_ = menu;
    menuWatch_ = menu ? menu->OnRebuilt([this](HMENU rebuilt) {
        if (!HandleAllocated()) return;
        ::SetMenu(Handle(), rebuilt);
        DrawMenuBar(Handle());
    })
                      : Connection{};
    if (HandleAllocated()) {
        ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
        FitClientSize();
    }
}

void Form::SetAcceptFiles(bool accept) {
    acceptFiles_ = accept;
    if (HandleAllocated()) DragAcceptFiles(Handle(), accept);
}

void Form::PlaceOnScreen() {
    if (position_ != FormPosition::ScreenCenter && position_ != FormPosition::DesktopCenter &&
        position_ != FormPosition::MainFormCenter && position_ != FormPosition::OwnerFormCenter)
        return;
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    Form* main = Application::Instance().MainForm();
    bool overMain = (position_ == FormPosition::MainFormCenter || position_ == FormPosition::OwnerFormCenter) && main &&
                    main != this && main->HandleAllocated();
    if (overMain) GetWindowRect(main->Handle(), &area);
    SetBounds(
        area.left + (area.right - area.left - Width()) / 2, area.top + (area.bottom - area.top - Height()) / 2, Width(),
        Height()
    );
}

void Form::Show() {
    HandleNeeded();
    if (!Visible()) PlaceOnScreen();
    SetVisible(true);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    Fire(OnShow);
    hints_.Attach(*this);
    FocusFirstControl();
}

void Form::FocusFirstControl() {
    if (activeControl_ && activeControl_->HandleAllocated() && activeControl_->Showing() && activeControl_->Enabled()) {
        activeControl_->SetFocus();
        return;
    }
    HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    ::SetFocus(first ? first : Handle());
}

int Form::ShowModal() {
    HandleNeeded();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, Handle());
    for (HWND w : disabled) EnableWindow(w, FALSE);
    modal_ = true;
    modalResult_ = mrNone;
    Application& app = Application::Instance();
    try {
        Show();
        while (!app.Terminated()) {
            app.HandleMessage();
            if (modalResult_ != mrNone && CloseModal()) break;
        }
    } catch (...) {
        for (HWND w : disabled) EnableWindow(w, TRUE);
        modal_ = false;
        throw;
    }
    for (HWND w : disabled) EnableWindow(w, TRUE);
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    SetVisible(false);
    modal_ = false;
    if (app.Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
    return modalResult_;
}

bool Form::CloseModal() {
    CloseQueryArgs query;
    query.sender = this;
    OnCloseQuery(query);
    CloseArgs close;
    close.sender = this;
    if (query.canClose) OnClose(close);
    if (!query.canClose || close.action == CloseAction::None) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    CloseQueryArgs query;
    query.sender = this;
    OnCloseQuery(query);
    if (!query.canClose) return;
    CloseArgs close;
    close.sender = this;
    OnClose(close);
    if (close.action == CloseAction::Minimize)
        ShowWindow(Handle(), SW_MINIMIZE);
    else if (close.action != CloseAction::None)
        Hide();
}

namespace {

// Components may own buttons of their own (a wizard its navigation buttons).
Button* FindOwnedButton(const Component& owner, bool (Button::*flag)() const) {
    for (Component* c : owner.Components()) {
        auto* b = dynamic_cast<Button*>(c);
        if (b && (b->*flag)() && b->Showing() && b->Enabled()) return b;
        if (Button* inner = FindOwnedButton(*c, flag)) return inner;
    }
    return nullptr;
}

}  // namespace

Button* Form::FindButton(bool (Button::*flag)() const) const { return FindOwnedButton(*this, flag); }

Button* Form::DefaultButton() const { return FindButton(&Button::Default); }
Button* Form::CancelButton() const { return FindButton(&Button::Cancel); }

// The page control around the focused control, else the form's first one.
PageControl* Form::PageControlFor(HWND focused) const {
    for (WinControl* c = FromHandle(focused); c; c = c->Parent())
        if (auto* pages = dynamic_cast<PageControl*>(c)) return pages;
    for (Component* c : Components())
        if (auto* pages = dynamic_cast<PageControl*>(c)) return pages;
    return nullptr;
}

// Labels are drawn on their parent, so the system's dialog keys never see their mnemonics.
bool Form::FocusByMnemonic(wchar_t key) {
    for (Component* c : Components()) {
        auto* label = dynamic_cast<Label*>(c);
        if (!label || !label->Showing() || !label->IsMnemonic(key)) continue;
        WinControl* target = label->FocusControl();
        if (!target || !target->HandleAllocated() || !target->Showing() || !target->Enabled()) continue;
        target->SetFocus();
        return true;
    }
    return false;
}

std::string Form::HelpIdentity() const {
    std::string identity = ClassName();
    for (Component* c : Components()) {
        auto* host = dynamic_cast<HelpPageHost*>(c);
        if (!host || !host->HelpPage()) continue;
        return identity + "." + host->HelpPage()->Name();
    }
    return identity;
}

void Form::ShowHelp() { Application::Instance().ShowHelp(Handle(), HelpIdentity()); }

bool Form::HandleDialogKey(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_CONTROL) >= 0) {
        const WinControl* focused = FromHandle(msg.hwnd);
        if (focused && focused->WantsKey(VK_F1)) return false;
        ShowHelp();
        return true;
    }
    if (msg.message == WM_SYSCHAR) return FocusByMnemonic(static_cast<wchar_t>(msg.wParam));
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_UP || msg.wParam == VK_DOWN || msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
        auto* radio = dynamic_cast<RadioButton*>(FromHandle(msg.hwnd));
        if (!radio) return false;
        radio->SelectNeighbour(msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT);
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        PageControl* pages = PageControlFor(msg.hwnd);
        if (!pages) return false;
        pages->SelectNextSheet(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
    if (GetKeyState(VK_MENU) < 0 || GetKeyState(VK_CONTROL) < 0) return false;
    WinControl* focused = FromHandle(msg.hwnd);
    // The text field of an editable drop-down list is a window of the list's own.
    if (!focused) focused = dynamic_cast<ComboBox*>(FromHandle(GetParent(msg.hwnd)));
    if (focused && focused->WantsKey(msg.wParam)) return false;
    if (msg.wParam == VK_RETURN && focused && focused->TakeReturn()) return true;
    Button* target = nullptr;
    if (msg.wParam == VK_RETURN) {
        auto* focusedButton = dynamic_cast<Button*>(focused);
        target = focusedButton && focusedButton->ParentForm() == this ? focusedButton : DefaultButton();
    } else {
        target = CancelButton();
        // A modal dialog without a cancel button is dismissed as by its close box; the main
        // window is not, as Esc would otherwise ask to end the program.
        if (!target && modal_ && Application::Instance().MainForm() != this) {
            Close();
            return true;
        }
    }
    if (!target) return false;
    target->Click();
    return true;
}

LRESULT Form::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam, lParam);
        case WM_DROPFILES:
            return OnDropFilesMessage(wParam);
        case WM_GETMINMAXINFO:
            return OnGetMinMaxInfo(lParam);
        case WM_ACTIVATE:
            return OnActivate(wParam, lParam);
        case WM_HELP:  // F1 in a menu, or passed up by a control
            ShowHelp();
            return TRUE;
        default:
            return WinControl::WndProc(message, wParam, lParam);
    }
}

LRESULT Form::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::Instance().MainForm() == this)
        Application::Instance().Minimized();
    return DefaultProc(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT Form::OnDropFilesMessage(WPARAM wParam) {
    auto drop = reinterpret_cast<HDROP>(wParam);
    DropFilesArgs args;
    args.sender = this;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
        args.files.push_back(name);
    }
    DragFinish(drop);
    OnDropFiles(args);
    return 0;
}

LRESULT Form::OnGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (constraints_.MinWidth() > 0) info->ptMinTrackSize.x = constraints_.MinWidth();
    if (constraints_.MinHeight() > 0) info->ptMinTrackSize.y = constraints_.MinHeight();
    if (constraints_.MaxWidth() > 0) info->ptMaxTrackSize.x = constraints_.MaxWidth();
    if (constraints_.MaxHeight() > 0) info->ptMaxTrackSize.y = constraints_.MaxHeight();
    return 0;
}

LRESULT Form::OnActivate(WPARAM wParam, LPARAM lParam) {
    // Keep the focused control across deactivation, as dialogs do.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        return DefaultProc(WM_ACTIVATE, wParam, lParam);
    }
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
    }
    return DefaultProc(WM_ACTIVATE, wParam, lParam);
}

void Form::PaintSurface(HDC dc) {
    RECT r = ClientRect();
    FillRect(dc, &r, Brush().Get(EffectiveColor()));
    canvas_ = dc;
    try {
        Fire(OnPaint);
    } catch (...) {
        canvas_ = nullptr;
        throw;
    }
    canvas_ = nullptr;
}

void Form::Resized() { Fire(OnResize); }

}  // namespace ui
