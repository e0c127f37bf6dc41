#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/form.h"

using platform::Error;

namespace ui {

Application& Application::Instance() {
    static Application application;
    return application;
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX icc{
        sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                          ICC_HOTKEY_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::HandleMessage() {
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        terminated_ = true;
        return;
    }
    if (got > 0) Dispatch(msg);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(msg);
    }
}

bool Application::Dispatch(MSG& msg) {
    try {
        Form* form = Form::OfWindow(msg.hwnd);
        if (form && (form->HandleDialogKey(msg) || IsDialogMessageW(form->Handle(), &msg))) return true;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    } catch (...) {
        HandleException(std::current_exception());
    }
    return true;
}

void Application::HandleException(std::exception_ptr error) {
    if (exceptionHandler_) {
        exceptionHandler_(error);
        return;
    }
    MessageBoxW(nullptr, ExceptionMessage(error).c_str(), title_.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Application::ShowHelp(HWND owner, const std::string& identity) {
    if (helpHandler_) helpHandler_(owner, identity);
}

std::wstring ExceptionMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return platform::FromUtf8(e.what());
    } catch (...) {
        return L"Unknown error";
    }
}

void ShowMessage(HWND owner, const std::wstring& text, UINT icon) {
    MessageBoxW(owner, text.c_str(), Application::Instance().Title().c_str(), MB_OK | icon);
}

namespace {

// The question box being opened on this thread: its button captions, until it shows.
struct PendingQuestion {
    std::wstring yes;
    std::wstring no;
    bool captioned = false;
};
thread_local PendingQuestion* pendingQuestion = nullptr;

// Right after the box's own set-up, before it shows.
LRESULT CALLBACK CaptionQuestion(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && pendingQuestion && !pendingQuestion->captioned &&
        GetDlgItem(call->hwnd, IDYES) && GetDlgItem(call->hwnd, IDNO)) {
        SetDlgItemTextW(call->hwnd, IDYES, pendingQuestion->yes.c_str());
        SetDlgItemTextW(call->hwnd, IDNO, pendingQuestion->no.c_str());
        pendingQuestion->captioned = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool AskYesNo(HWND owner, const std::wstring& text) {
    PendingQuestion question{platform::LoadResString(str::SButtonYes), platform::LoadResString(str::SButtonNo)};
    pendingQuestion = &question;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, CaptionQuestion, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(
        owner, text.c_str(), Application::Instance().Title().c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2
    );
    if (hook) UnhookWindowsHookEx(hook);
    pendingQuestion = nullptr;
    return answer == IDYES;
}

void HandleException() { Application::Instance().HandleException(std::current_exception()); }

}  // namespace ui
