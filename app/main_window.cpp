#include "app/main_window.h"
#include "app/context_help.h"
#include "app/problem_reports.h"

#include "app/startup.h"
#include "controls/about_box.h"
#include "controls/msc_graph.h"
#include "core/app/view_state.h"
#include "core/booster/health_line.h"
#include "core/service/service_protocol.h"
#include "core/service/service_state.h"
#include "core/wizards/shell_verb.h"
#include "platform/handles.h"
#include "platform/key_name.h"
#include "platform/launch.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "service/health_mapping.h"
#include "service/status_block_view.h"
#include "settings/ask_for_close.h"
#include "settings/ask_for_qboost.h"
#include "settings/options_window.h"
#include "settings/settings_store.h"
#include "ui/action_list.h"
#include "ui/application.h"
#include "ui/application_events.h"
#include "ui/form_loader.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_bar.h"
#include "wizards/config_wiz.h"
#include "wizards/first_wiz.h"
#include "wizards/link_wizard.h"

namespace {

constexpr const wchar_t* kInstallerMutex = L"TesslyDozidiDavazezInstaller";
constexpr int kAppStartCursor = -19;
constexpr int kDefaultCursor = 0;
constexpr DWORD kBoostEndPauseMs = 1500;
constexpr int kProgressPanel = 0;
constexpr int kStatePanel = 1;
// Posted at the end of construction: the service is reached once the window is on screen.
constexpr UINT kContactServiceMessage = WM_APP + 1;

// The installer holds a named mutex while it works. One made by an elevated installer may
// refuse us access, which shows just as well that it is there.
bool InstallerIsRunning() {
    platform::KernelHandle installer(OpenMutexW(SYNCHRONIZE, FALSE, kInstallerMutex));
    return installer || GetLastError() == ERROR_ACCESS_DENIED;
}

template <size_t N>
int IndexOf(const std::array<ui::MenuItem*, N>& items, const ui::Component* item) {
    for (size_t i = 0; i < N; ++i)
        if (items[i] == item) return static_cast<int>(i);
    return -1;
}

}  // namespace

UI_DEFINE_FORM(TFMCFGClass, ui::Form);

// Construction --------------------------------------------------------------------------

void TFMCFGClass::FormCreate(ui::NotifyArgs&) {
    intervalItems_ = {MM_030401, MM_030402, MM_030403, MM_030404};
    chartItems_ = {Charts01, Charts02, Charts03, Charts04, Charts05};
    popupChartItems_ = {PopD_01, PopD_02, PopD_03, PopD_04, PopD_05};
    healthChanged_ = RegisterWindowMessageW(service::kHealthChangedMessageName);
    healthView_ = service::OpenHealthMapping();
    if (localizer::Localizer().Initialized()) {
        localizer::Localizer().OnLanguageChanged = [this](auto& localizer, const auto& language) {
            LangClick(localizer, language);
        };
        localizer::Localizer().FillMenu(*Language1, 1);
    }

    statusblock::CheckAtStartup(statusblock::View(), [this] {
        return service::SendServiceCommand(this, protocol::kQuery);
    });
    app::ViewState view;
    std::int32_t configWizardComplete = 0;
    {
        SettingsSession session;
        view = app::ViewState::FromBits(ReadSetting(settings::CFGViewMenuState));
        ApplyViewState(view);
        configWizardComplete = ReadSetting(settings::CFGConfigWizardComplete);
        HandleNeeded();
        RestoreWindowRect(Handle(), settings::MainWndPos.name);
        // Maximising would show the window; it stays hidden until it is shown.
        maximizeOnShow_ = ReadSetting(settings::CFGWindowMaximized) != 0;
    }
    charts_.Attach(msc_graph1, msc_graph2, msc_graph3);
    charts_.SetupCharts();
    for (int n = 1; n <= app::kChartChoiceCount; ++n)
        if (view.charts[n - 1]) LayoutCharts(n);
    if (wizards::ConfigWizardDueAtStart(wizards::ConfigWizardDeferred(), configWizardComplete)) RunConfigWizard();
    PostMessageW(Handle(), kContactServiceMessage, 0, 0);
}

// Launching the service takes longer than building the whole window, and a running one may
// be slow to answer: the window paints first, then tells the service the refresh interval
// (launching it if need be: its answer sets the service commands) and starts it whether or
// not it runs.
void TFMCFGClass::ContactService() {
    UpdateWindow(Handle());
    service::SendServiceCommand(this, protocol::kRestart);
    service::StartService();
}

void TFMCFGClass::ApplyViewState(const app::ViewState& view) {
    MM_0301->SetChecked(view.toolbar);
    MBar->SetVisible(view.toolbar);
    MM_0302->SetChecked(view.statusBar);
    StatusBar->SetVisible(view.statusBar);
    for (int i = 0; i < app::kIntervalCount; ++i) {
        intervalItems_[i]->SetChecked(view.intervals[i]);
        if (view.intervals[i]) SetRefreshInterval(i, false);
    }
    for (int i = 0; i < app::kChartChoiceCount; ++i) {
        chartItems_[i]->SetChecked(view.charts[i]);
        popupChartItems_[i]->SetChecked(view.charts[i]);
    }
}

int TFMCFGClass::CurrentViewState() const {
    app::ViewState view;
    view.toolbar = MM_0301->Checked();
    view.statusBar = MM_0302->Checked();
    for (int i = 0; i < app::kIntervalCount; ++i) view.intervals[i] = intervalItems_[i]->Checked();
    for (int i = 0; i < app::kChartChoiceCount; ++i) view.charts[i] = chartItems_[i]->Checked();
    return view.ToBits();
}

void TFMCFGClass::LangClick(localizer::KLocalizerOnFly&, const localizer::LFInfo& language) {
    {
        SettingsSession session;
        app::SetLanguageFileName(platform::Widen(language.Caption));
        WriteSetting(settings::LangFileName, app::LanguageFileName());
        app::WriteServiceTrayTexts();
    }
    service::SendServiceCommand(this, protocol::kRestart);
    charts_.RetitleCharts();
}

// Closing ---------------------------------------------------------------------------------

void TFMCFGClass::FormClose(ui::CloseArgs& args) {
    if (InstallerIsRunning()) return;  // leave the service alone while it is being replaced
    if (!ConfirmProgramClose()) {
        args.action = ui::CloseAction::None;
        return;
    }
    service::SendServiceCommand(this, protocol::kStop);
}

void TFMCFGClass::FormDestroy(ui::NotifyArgs&) {
    localizer::Localizer().OnLanguageChanged = nullptr;
    SettingsSession session;
    WriteSetting(settings::CFGViewMenuState, CurrentViewState());
    bool maximized = IsZoomed(Handle()) || maximizeOnShow_;
    if (!maximized) SaveWindowRect(Handle(), settings::MainWndPos.name);
    WriteSetting(settings::CFGWindowMaximized, maximized ? settings::kTrue : settings::kFalse);
}

void TFMCFGClass::AppEvents1Minimize(ui::NotifyArgs&) {
    // Minimising ends the configurator at once; the service keeps running.
    ExitProcess(0);
}

// Charts ----------------------------------------------------------------------------------

void TFMCFGClass::LayoutCharts(int n) {
    chart::ClientArea area;
    RECT client = ClientRect();
    area.width = client.right - client.left;
    area.height = client.bottom - client.top;
    area.toolbar_height = MBar->Visible() ? MBar->Height() : 0;
    area.status_bar_height = StatusBar->Visible() ? StatusBar->Height() : 0;
    if (charts_.LayoutCharts(n, area, statusblock::View())) Invalidate();
}

void TFMCFGClass::FormPaint(ui::NotifyArgs&) { charts_.Paint(Canvas()); }

void TFMCFGClass::FormResize(ui::NotifyArgs&) { LayoutCharts(-1); }

// Each chart shows its new step itself as it scrolls; nothing else needs repainting.
void TFMCFGClass::GraphTimerTimer(ui::NotifyArgs&) {
    charts_.Tick(statusblock::View());
    ShowStateOrHealth();
    // A service that vanished in the middle of a boost will never report its end.
    if (boostRunning_ && !service::FindServiceWindow()) service::ApplyStateNotification(*this, protocol::kStopped);
}

void TFMCFGClass::ChartChoiceClick(ui::NotifyArgs& args) {
    int index = IndexOf(chartItems_, args.sender);
    if (index < 0) index = IndexOf(popupChartItems_, args.sender);
    if (index < 0) return;
    for (int i = 0; i < app::kChartChoiceCount; ++i) {
        chartItems_[i]->SetChecked(i == index);
        popupChartItems_[i]->SetChecked(i == index);
    }
    LayoutCharts(index + 1);
}

void TFMCFGClass::SetRefreshInterval(int index, bool notifyService) {
    int ms = app::kIntervalsMs[index];
    {
        SettingsSession session;
        WriteSetting(settings::IconTimeRefresh, ms / 1000);
    }
    GraphTimer->SetInterval(ms);
    if (notifyService) service::SendServiceCommand(this, protocol::kRestart);
}

void TFMCFGClass::RefreshIntervalClick(ui::NotifyArgs& args) {
    int index = IndexOf(intervalItems_, args.sender);
    if (index < 0) return;
    for (int i = 0; i < app::kIntervalCount; ++i) intervalItems_[i]->SetChecked(i == index);
    SetRefreshInterval(index, true);
}

void TFMCFGClass::MM_0301Click(ui::NotifyArgs&) {
    MM_0301->SetChecked(!MM_0301->Checked());
    MBar->SetVisible(MM_0301->Checked());
    LayoutCharts(-1);
}

void TFMCFGClass::MM_0302Click(ui::NotifyArgs&) {
    MM_0302->SetChecked(!MM_0302->Checked());
    StatusBar->SetVisible(MM_0302->Checked());
    LayoutCharts(-1);
}

void TFMCFGClass::StatusBarDrawPanel(ui::DrawPanelArgs& args) {
    if (args.panelIndex == kProgressPanel) app::DrawBoostProgress(args.dc, args.rect, boostProgress_);
}

// Service commands ------------------------------------------------------------------------

void TFMCFGClass::MM_0105Click(ui::NotifyArgs&) { service::SendServiceCommand(this, protocol::kRun); }
void TFMCFGClass::MM_0106Click(ui::NotifyArgs&) { service::SendServiceCommand(this, protocol::kPause); }
void TFMCFGClass::MM_0107Click(ui::NotifyArgs&) { service::SendServiceCommand(this, protocol::kStop); }
void TFMCFGClass::MM_0108Click(ui::NotifyArgs&) { service::SendServiceCommand(this, protocol::kRestart); }

void TFMCFGClass::MM_0109Click(ui::NotifyArgs&) {
    service::SendServiceCommand(this, protocol::kStop);
    ui::Application::Instance().Terminate();
}

void TFMCFGClass::MM_0110Click(ui::NotifyArgs&) { ui::Application::Instance().Terminate(); }

void TFMCFGClass::MM_0203Click(ui::NotifyArgs&) { service::PostServiceAction(protocol::kEmptyClipboard); }
void TFMCFGClass::MM_0204Click(ui::NotifyArgs&) { service::PostServiceAction(protocol::kScrapAll); }

void TFMCFGClass::QuickBoostNowExecute(ui::NotifyArgs&) {
    ShowQuickBoostNote();
    service::PostServiceAction(protocol::kQuickBoost);
}

void TFMCFGClass::CreateBoostShortCutExecute(ui::NotifyArgs&) { ShowLinkWizard(); }
void TFMCFGClass::MM_0104Click(ui::NotifyArgs&) { ShowLinkWizard(); }

void TFMCFGClass::StartServiceExecute(ui::NotifyArgs&) {
    bool showsStart = MBarBtn2->Caption() == platform::LoadResString(str::SStartService);
    service::SendServiceCommand(this, showsStart ? protocol::kRun : protocol::kStop);
}

void TFMCFGClass::OptionsExecute(ui::NotifyArgs&) { ShowOptionsWindow(); }
void TFMCFGClass::Configuremanually1Click(ui::NotifyArgs&) { ShowOptionsWindow(); }
void TFMCFGClass::MM_0401Click(ui::NotifyArgs&) { RunConfigWizard(); }

void TFMCFGClass::DiagramsExecute(ui::NotifyArgs&) {}  // the button only drops down its menu

void TFMCFGClass::SetCommandMask(int mask) {
    commandMask_ = mask;
    // A stopped service boosts no more, whether or not its end was reported.
    if (mask == protocol::AppearanceOf(protocol::kStopped).mask && boostRunning_) {
        SetBoostRunning(false);
        SetBoostProgress(0);
    }
    ui::MenuItem* items[] = {MM_0105, MM_0106, MM_0107, MM_0108, MM_0109};
    for (int i = 0; i < 5; ++i) {
        bool enabled = mask & (1 << i);
        items[i]->SetEnabled(enabled);
        items[i]->SetImageIndex(2 * i + (enabled ? 0 : 1));
    }
}

// The button follows its action, so the caption is set there: a later change of the action's
// state (its enabling, a translation) cannot bring back an outdated caption.
void TFMCFGClass::SetToggleCaption(const std::wstring& caption) { StartService->SetCaption(caption); }

void TFMCFGClass::SetStatusText(const std::wstring& text) {
    stateText_ = text;
    ShowStateOrHealth();
}

void TFMCFGClass::ShowStateOrHealth() {
    const bool running = service::FindServiceWindow() != nullptr;
    const booster::ServiceHealth health = running ? service::ReadHealthRecord(healthView_).value_or(booster::ServiceHealth{})
                                                  : booster::ServiceHealth{};
    const booster::HealthMessage message = booster::ChooseHealthMessage(running, health);
    // A stopped service is the state text's own news.
    std::wstring line;
    if (message != booster::HealthMessage::ServiceStopped)
        line = booster::HealthLineText(message, health, service::HealthTextsFromStrings(), platform::KeyName);
    const std::wstring& shown = line.empty() ? stateText_ : line;
    if (StatusBar->Panels()[kStatePanel].Text() != shown) StatusBar->Panels()[kStatePanel].SetText(shown);
}

LRESULT TFMCFGClass::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == protocol::kCommandMessage) {
        OnServiceNotification(wParam, lParam);
        return 0;
    }
    if (message == kContactServiceMessage) {
        ContactService();
        return 0;
    }
    if (message == healthChanged_ && healthChanged_ != 0) {
        ShowStateOrHealth();
        return 0;
    }
    if (message == WM_SHOWWINDOW && wParam && maximizeOnShow_) {
        maximizeOnShow_ = false;
        ShowWindow(Handle(), SW_MAXIMIZE);
        return 0;
    }
    return ui::Form::WndProc(message, wParam, lParam);
}

void TFMCFGClass::OnServiceNotification(WPARAM code, LPARAM from) {
    if (!service::FindServiceWindow()) {
        SetCommandMask(protocol::AppearanceOf(protocol::kStopped).mask);
        return;
    }
    if (!service::IsFromService(from)) return;
    protocol::Notification n = protocol::ClassifyNotification(static_cast<long long>(code));
    switch (n.kind) {
        case protocol::Notification::kStateChanged:
            service::ApplyStateNotification(*this, n.value);
            break;
        case protocol::Notification::kBoostStarted:
            SetBoostRunning(true);
            SetBoostProgress(0);
            break;
        case protocol::Notification::kBoostProgress:
            SetBoostProgress(n.value);
            break;
        case protocol::Notification::kBoostFinished:
            SetBoostProgress(100);
            UpdateWindow(StatusBar->Handle());
            Sleep(kBoostEndPauseMs);
            SetBoostRunning(false);
            SetBoostProgress(0);
            break;
        case protocol::Notification::kIgnored:
            break;
    }
}

void TFMCFGClass::SetBoostRunning(bool running) {
    boostRunning_ = running;
    int cursor = running ? kAppStartCursor : kDefaultCursor;
    for (ui::Control* c : std::initializer_list<ui::Control*>{this, MBar, StatusBar}) c->SetCursor(cursor);
    QuickBoostNow->SetEnabled(!running);
    MM_0204->SetEnabled(!running);
}

void TFMCFGClass::SetBoostProgress(int percent) {
    boostProgress_ = percent;
    StatusBar->InvalidatePanel(kProgressPanel);
}

// Other windows and the shell ---------------------------------------------------------------

void TFMCFGClass::HelpExecute(ui::NotifyArgs&) { app::ShowHelpContents(Handle()); }

// The mail program's answer does not concern the window.
void TFMCFGClass::MM_050401Click(ui::NotifyArgs&) { app::ComposeBugReport(false); }
void TFMCFGClass::MM_050403Click(ui::NotifyArgs&) { app::ComposeTellAFriend(false); }

void TFMCFGClass::MM_0502Click(ui::NotifyArgs&) {
    platform::ShellStartDetached(platform::LoadWebAddress(str::SHomePageUrl), L"");
}
void TFMCFGClass::MM_0503Click(ui::NotifyArgs&) {
    platform::ShellStartDetached(platform::LoadWebAddress(str::SForumUrl), L"");
}

void TFMCFGClass::MM_0505Click(ui::NotifyArgs&) {
    platform::ShellStartDetached(platform::ProgramFolder() + L"update.exe", platform::ProgramFolder());
}

void TFMCFGClass::MM_0506Click(ui::NotifyArgs&) { ShowAboutBox(); }

void RunMainWindow() {
    auto window = ui::CreateForm<TFMCFGClass>();
    ui::Application::Instance().SetMainForm(window.get());
    window->ShowModal();
    ui::Application::Instance().SetMainForm(nullptr);
}
