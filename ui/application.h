#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "ui/signal.h"

namespace ui {

class Form;

// The program's application object: its title, the message loop that modal windows run,
// termination, and the one place where unhandled exceptions end up.
class Application {
public:
    static Application& Instance();

    // Registers the common controls (version 6).
    void Initialize();
    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title) { title_ = title; }

    // The window whose minimising counts as minimising the application.
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Ends every modal loop and the program's message loop; windows close without their
    // closing handlers.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Waits for one message and handles it (keyboard navigation of the window included).
    void HandleMessage();
    // Handles every waiting message without blocking.
    void ProcessMessages();

    // Called with every exception that reaches a window procedure or the message loop;
    // without a handler the message is shown in a message box.
    void SetExceptionHandler(std::function<void(std::exception_ptr)> handler) {
        exceptionHandler_ = std::move(handler);
    }
    void HandleException(std::exception_ptr error);

    // Context help: the handler opens the topic of a window or page known by its help
    // identity (Form::HelpIdentity); without a handler there is no help.
    void SetHelpHandler(std::function<void(HWND owner, const std::string& identity)> handler) {
        helpHandler_ = std::move(handler);
    }
    void ShowHelp(HWND owner, const std::string& identity);

    // Application-events components listen here.
    [[nodiscard]] Connection AddMinimizeListener(std::function<void()> listener) {
        return minimized_.Connect(std::move(listener));
    }
    // A listener may end the program.
    void Minimized() { minimized_(); }

private:
    Application() = default;
    bool Dispatch(MSG& msg);

    std::wstring title_;
    Form* mainForm_ = nullptr;  // not owned
    bool terminated_ = false;
    std::function<void(std::exception_ptr)> exceptionHandler_;
    std::function<void(HWND, const std::string&)> helpHandler_;
    Signal<> minimized_;
};

// Hands the exception being handled to the application; for catch blocks in callbacks.
void HandleException();

// The text an exception carries: the program's own message, or what the library says.
std::wstring ExceptionMessage(std::exception_ptr error);

// A message box titled with the application's title; `icon` is one of the MB_ICON* flags.
void ShowMessage(HWND owner, const std::wstring& text, UINT icon);
// A question titled the same way, answered Yes or No on buttons captioned in the program's
// language (the system's own box would caption them in the system's); true for Yes.
bool AskYesNo(HWND owner, const std::wstring& text);

}  // namespace ui
