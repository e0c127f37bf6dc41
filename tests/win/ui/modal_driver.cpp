#include "tests/win/ui/modal_driver.h"

#include "ui/application.h"

namespace testing_support {
namespace {

struct Drive {
    ui::Form* form = nullptr;  // null: any form shown modally
    std::function<void()> action;
    int ticksAfterAction = 0;
    UINT_PTR timer = 0;
};

Drive g_drive;

constexpr int kTickMs = 20;
constexpr int kGiveUpTicks = 500;

ui::Form* ModalForm() {
    if (g_drive.form) return g_drive.form->Modal() && g_drive.form->Visible() ? g_drive.form : nullptr;
    for (ui::Form* f : ui::Form::OpenForms())
        if (f->Modal() && f->Visible()) return f;
    return nullptr;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ui::Form* form = ModalForm();
    if (!form) return;
    if (g_drive.action) {
        auto action = std::move(g_drive.action);
        g_drive.action = nullptr;
        action();
    } else if (++g_drive.ticksAfterAction > kGiveUpTicks) {
        form->SetModalResult(ui::mrAbort);
    }
}

void Start(ui::Form* form, std::function<void()> action) {
    StopRunWhenModal();
    g_drive.form = form;
    g_drive.action = std::move(action);
    g_drive.ticksAfterAction = 0;
    g_drive.timer = SetTimer(nullptr, 0, kTickMs, Tick);
}

}  // namespace

int ShowModalAndDo(ui::Form& form, std::function<void()> action) {
    Start(&form, std::move(action));
    int result = form.ShowModal();
    StopRunWhenModal();
    return result;
}

void RunWhenModal(std::function<void()> action) { Start(nullptr, std::move(action)); }

void StopRunWhenModal() {
    if (g_drive.timer) KillTimer(nullptr, g_drive.timer);
    g_drive = Drive{};
}

void InitializeKit() {
    static bool done = false;
    if (done) return;
    ui::Application::Instance().Initialize();
    ui::Application::Instance().SetTitle(L"Tessly Dozidi Davazez");
    done = true;
}

}  // namespace testing_support
