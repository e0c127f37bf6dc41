#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/form_class.h"
#include "ui/hint_tips.h"
#include "ui/signal.h"
#include "ui/size_constraints.h"
#include "ui/win_control.h"

namespace ui {

class Button;
class MainMenu;
class PageControl;

enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};
std::span<const IntIdent> ModalResultIdents();

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class FormPosition {
    Designed,
    Default,
    DefaultPosOnly,
    DefaultSizeOnly,
    ScreenCenter,
    DesktopCenter,
    MainFormCenter,
    OwnerFormCenter
};
enum BorderIcon : std::uint32_t { kBiSystemMenu = 1, kBiMinimize = 2, kBiMaximize = 4, kBiHelp = 8 };

// A top-level window described by a form description. It is never scaled: its client area
// and its controls keep the pixels of the description.
class Form : public WinControl {
    UI_PUBLISHED(Form, "TForm")

public:
    explicit Form(Component* owner);
    ~Form() override;

    // Shows the window modally and runs the message loop until a button or Close sets the
    // modal result (or the application terminates); returns the result.
    int ShowModal();
    void Show();
    void Hide() { SetVisible(false); }
    // Title-bar close: a modal window ends with mrCancel; the closing handlers run either way.
    void Close();
    bool Modal() const { return modal_; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    int ClientWidth() const;
    void SetClientWidth(int width);
    int ClientHeight() const;
    void SetClientHeight(int height);
    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style);
    std::uint32_t BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(std::uint32_t icons);
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    WinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(WinControl* control);
    MainMenu* Menu() const { return menu_; }
    void SetMenu(MainMenu* menu);
    SizeConstraints& Constraints() { return constraints_; }
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool accept);

    // The enabled, showing button marked Default or Cancel; null when there is none.
    Button* DefaultButton() const;
    Button* CancelButton() const;
    // Enter and Esc: the focused button, or the default or cancel button, is pressed; Esc
    // without a cancel button closes a modal window as its close box does. Ctrl+Tab and
    // Ctrl+Shift+Tab turn the pages of a page control; Alt plus a label's underlined letter
    // focuses the label's control.
    bool HandleDialogKey(const MSG& msg);

    // What the window's context help is known by: its class ("TOptWnd"), followed by the
    // page in front when it shows pages ("TOptWnd.TabSheet2").
    std::string HelpIdentity() const;
    // F1, WM_HELP and a Help button: the application's help for HelpIdentity().
    void ShowHelp();

    // The form that holds a window, or null.
    static Form* OfWindow(HWND window);
    static const std::vector<Form*>& OpenForms();

    // Runs OnCreate; the form loader calls it once the description is read.
    void Created();
    // Runs OnDestroy, once and only for a form whose OnCreate ran, then destroys the window,
    // while the derived object is still whole: from ~Form its handlers would run on an
    // object already taken apart. FormPtr calls it before deleting the form.
    void Destroy();

    // The fields and handlers that the form's class publishes to its description.
    const FormPublication& Publication() const { return publication_; }

    Event<NotifyArgs> OnCreate;
    Event<NotifyArgs> OnDestroy;
    Event<CloseArgs> OnClose;
    Event<CloseQueryArgs> OnCloseQuery;
    Event<NotifyArgs> OnPaint;
    Event<NotifyArgs> OnResize;
    Event<NotifyArgs> OnShow;
    Event<DropFilesArgs> OnDropFiles;

    // The tooltips of the controls that show a hint, registered each time the form is shown.
    const HintTips& Hints() const { return hints_; }

    // The device context of the paint in progress, for OnPaint handlers; null outside.
    HDC Canvas() const { return canvas_; }

protected:
    // The registrations of UI_FIELD and UI_HANDLER (see form_class.h).
    template <class C>
    C* PublishField(const char* name, C** field) {
        publication_.fields.push_back(
            {name,
             [field](Component& c) {
                 C* typed = dynamic_cast<C*>(&c);
                 if (typed) *field = typed;
                 return typed != nullptr;
             },
             [field]() -> Component* { return *field; }}
        );
        return nullptr;
    }

    template <class F, class Args>
    PublishedHandler PublishHandler(const char* name, F* self, void (F::*method)(Args&)) {
        publication_.handlers.push_back({name, Handler{typeid(Args), [self, method](EventArgs& a) {
                                                           (self->*method)(static_cast<Args&>(a));
                                                       }}});
        return {};
    }

    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintSurface(HDC dc) override;
    void Resized() override;

private:
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropFilesMessage(WPARAM wParam);
    LRESULT OnGetMinMaxInfo(LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    DWORD FrameStyle() const;
    DWORD FrameExStyle() const;
    void FitClientSize();
    void PlaceOnScreen();
    void FocusFirstControl();
    bool CloseModal();
    Button* FindButton(bool (Button::*flag)() const) const;
    PageControl* PageControlFor(HWND focused) const;
    bool FocusByMnemonic(wchar_t key);
    void Fire(const Event<NotifyArgs>& event);

    int clientWidth_ = -1;
    int clientHeight_ = -1;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    std::uint32_t borderIcons_ = kBiSystemMenu | kBiMinimize | kBiMaximize;
    FormPosition position_ = FormPosition::Designed;
    WinControl* activeControl_ = nullptr;  // not owned
    MainMenu* menu_ = nullptr;             // not owned
    Connection menuWatch_;
    SizeConstraints constraints_;
    bool acceptFiles_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    HWND lastFocus_ = nullptr;
    HDC canvas_ = nullptr;
    FormPublication publication_;
    HintTips hints_;
};

}  // namespace ui
