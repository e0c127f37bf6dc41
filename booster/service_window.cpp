#include "booster/service_window.h"

#include "booster/clipboard.h"
#include "booster/configurator_link.h"
#include "booster/quiet_watch.h"
#include "booster/reclaimer.h"
#include "booster/settings_reader.h"
#include "booster/tray_menu.h"
#include "core/booster/health_line.h"
#include "core/booster/pack_text.h"
#include "core/booster/reclaim_plan.h"
#include "core/service/service_protocol.h"
#include "platform/launch.h"
#include "platform/resource_source.h"
#include "service/health_mapping.h"
#include "platform/key_name.h"
#include "resources/string_ids.h"

namespace booster {
namespace {

// Posted to the window by the worker: a boost notification code in wParam.
constexpr UINT kBoostEventMessage = WM_APP + 1;
constexpr UINT kTrayMessage = WM_APP + 2;
constexpr UINT kUnloadMessage = WM_APP + 3;
// Posted by the worker after a pass: the processes it could not open in wParam.
constexpr UINT kPassDeniedMessage = WM_APP + 4;

constexpr UINT_PTR kSecondTimer = 1;
constexpr UINT_PTR kAnimationTimer = 2;
constexpr UINT kAnimationMs = 150;

// Worker job kinds: an action of the protocol, or an automatic pass.
constexpr int kPreventiveJob = 10;
constexpr int kEmergencyJob = 11;

// The tooltip buffer of a notification-area icon holds 128 characters.
constexpr std::size_t kTipLength = 127;

std::int64_t NowSeconds() { return static_cast<std::int64_t>(GetTickCount64() / 1000); }

// A command code outside 0..4 (a wParam too large for an int included) is unknown.
int CommandCode(WPARAM wParam) { return wParam <= protocol::kRestart ? static_cast<int>(wParam) : -1; }

}  // namespace

ServiceWindow::ServiceWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = protocol::kServiceWindowClass;
    RegisterClassExW(&windowClass);
    // An ordinary hidden top-level window: message-only windows are invisible to the
    // configurator's lookup by class and title.
    window_ = CreateWindowExW(
        WS_EX_TOOLWINDOW, protocol::kServiceWindowClass, protocol::kServiceWindowTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
        nullptr, instance, this
    );
    if (window_) Start();
}

ServiceWindow::~ServiceWindow() {
    worker_.Stop();
    // A health left behind would outlive the service in an open configurator's mapping.
    service::WriteHealthRecord(healthView_, {}, healthSequence_);
    // The icon is removed while its window still exists, or the shell keeps a dead one.
    if (tray_) tray_->Hide();
    if (window_) DestroyWindow(window_);
}

void ServiceWindow::Start() {
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    healthChanged_ = RegisterWindowMessageW(service::kHealthChangedMessageName);
    healthView_ = service::OpenHealthMapping();
    service::WriteHealthRecord(healthView_, health_, healthSequence_);
    tray_ = std::make_unique<TrayIcon>(window_, kTrayMessage);
    hotKeys_ = std::make_unique<HotKeys>(window_);
    Reload();
    publisher_.SetState(machine_.State());
    SetTimer(window_, kSecondTimer, 1000, nullptr);
    // Coming up is a change of state too: an open configurator learns of it at once.
    NotifyConfigurator(window_, machine_.State());
}

LRESULT CALLBACK ServiceWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ServiceWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<ServiceWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        // Nothing may escape into the system's dispatcher; the service keeps running.
        return 0;
    }
}

LRESULT ServiceWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case protocol::kCommandMessage:
            // Only a request addressed to this very window counts; anything else is
            // answered with the state and changes nothing.
            if (lParam != reinterpret_cast<LPARAM>(window_)) return machine_.State();
            return ApplyCommand(CommandCode(wParam));
        case protocol::kActionMessage:
            if (lParam == reinterpret_cast<LPARAM>(window_) && wParam <= protocol::kScrapAll)
                StartAction(static_cast<int>(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kSecondTimer) OnSecond();
            if (wParam == kAnimationTimer) {
                ++animationFrame_;
                UpdateTrayIcon();
            }
            return 0;
        case kBoostEventMessage:
            OnBoostEvent(static_cast<int>(wParam));
            return 0;
        case kTrayMessage:
            OnTrayEvent(lParam);
            return 0;
        case WM_HOTKEY:
            OnHotKey(wParam);
            return 0;
        case kUnloadMessage:
            Unload();
            return 0;
        case kPassDeniedMessage:
            OnPassDenied(static_cast<std::size_t>(wParam));
            return 0;
        case WM_CLOSE:
            ApplyCommand(protocol::kStop);
            return 0;
        case WM_SETTINGCHANGE:
            // The machine's policies were refreshed: an administrator may have fixed settings.
            if (lParam && lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"Policy") == 0) Reload();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) worker_.Stop();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0) tray_->Restore();
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

int ServiceWindow::ApplyCommand(int command) {
    CommandOutcome outcome = machine_.Apply(command);
    if (outcome.reload) Reload();
    if (outcome.stateChanged) OnStateChanged();
    // The reply has to reach the caller before the window goes.
    if (outcome.unload) PostMessageW(window_, kUnloadMessage, 0, 0);
    return outcome.reply;
}

void ServiceWindow::OnStateChanged() {
    publisher_.SetState(machine_.State());
    schedule_.Restart(NowSeconds());
    NotifyConfigurator(window_, machine_.State());
}

void ServiceWindow::Reload() {
    settings_ = ReadBoosterSettings();
    texts_ = ReadTrayTexts();
    ServiceHealth health = health_;
    health.takenHotKey = hotKeys_->Register(settings_.hotKeys);
    schedule_.Restart(NowSeconds());
    publisher_.SetRefreshSeconds(settings_.refreshSeconds);
    SetHealth(health);
    UpdateTrayIcon();
}

void ServiceWindow::Unload() {
    KillTimer(window_, kSecondTimer);
    KillTimer(window_, kAnimationTimer);
    worker_.Stop();
    // A boost cut short still reports its end, and the configurator must hear it before
    // the window goes with its queue.
    MSG event;
    while (PeekMessageW(&event, window_, kBoostEventMessage, kBoostEventMessage, PM_REMOVE))
        OnBoostEvent(static_cast<int>(event.wParam));
    tray_->Hide();
    hotKeys_->Unregister();
    DestroyWindow(window_);
}

void ServiceWindow::PostReclaim(int kind, bool automatic, GoalAtStart goal) {
    HWND window = window_;
    int sweeps = SweepsForQuality(settings_.quality);
    std::int64_t untouchable = settings_.untouchableCacheBytes;
    TrimRules rules{settings_.excludedPrograms, 0, automatic};
    worker_.Post(kind, [window, sweeps, untouchable, rules, goal](const std::atomic<bool>& cancelled) mutable {
        MemoryFigures memory = CurrentMemory();
        DWORD front = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &front);
        rules.foregroundId = front;
        ReclaimResult result = Reclaim({CapGoal(goal(memory), memory, untouchable), sweeps, rules}, cancelled, [window](int code) {
            PostMessageW(window, kBoostEventMessage, static_cast<WPARAM>(code), 0);
        });
        PostMessageW(window, kPassDeniedMessage, static_cast<WPARAM>(result.denied), 0);
    });
}

void ServiceWindow::StartAction(int action) {
    switch (action) {
        case protocol::kQuickBoost: {
            int method = settings_.quickBoostMethod;
            std::int64_t size = settings_.quickBoostBytes;
            PostReclaim(action, false, [method, size](const MemoryFigures& memory) {
                return QuickBoostGoal(method, size, memory);
            });
            break;
        }
        case protocol::kEmptyClipboard:
            worker_.Post(action, [](const std::atomic<bool>&) { EmptyTheClipboard(); });
            break;
        case protocol::kScrapAll:
            PostReclaim(action, false, [](const MemoryFigures&) { return kReclaimAll; });
            break;
        default:
            break;
    }
}

void ServiceWindow::StartPass(PassKind kind) {
    if (kind == PassKind::Preventive) {
        std::uint64_t size = settings_.preventive.sizeBytes > 0 ? settings_.preventive.sizeBytes : 0;
        PostReclaim(kPreventiveJob, true, [size](const MemoryFigures&) { return size; });
    } else if (kind == PassKind::Emergency) {
        int target = settings_.emergency.targetPercent;
        PostReclaim(kEmergencyJob, true, [target](const MemoryFigures& memory) {
            return FreePercentGoal(target, memory);
        });
    }
}

void ServiceWindow::OnSecond() {
    SystemLoad load = sampler_.Measure();
    processorLoad_.Add(load.processor);
    kernelModeLoad_.Add(load.kernelMode);
    if (++secondsSincePublish_ >= settings_.refreshSeconds) {
        secondsSincePublish_ = 0;
        publisher_.Publish(
            load, sampler_.MeasurePublished(), processorLoad_.Average(settings_.refreshSeconds),
            kernelModeLoad_.Average(settings_.refreshSeconds)
        );
        UpdateTrayIcon();
    }
    // Quiet times hold the automatic passes back; a pass that fell due meanwhile runs
    // once they end. Only a running service looks, so a paused one costs nothing.
    QuietState quiet;
    if (machine_.AutomaticOptimization()) quiet = WatchQuiet(settings_.quietFullScreen, settings_.quietPrograms);
    ServiceHealth health = health_;
    health.quiet = quiet.reason;
    health.quietProgram = quiet.program;
    SetHealth(health);
    if (machine_.AutomaticOptimization() && quiet.reason == QuietReason::None)
        StartPass(schedule_.Tick(
            NowSeconds(), load.availablePercent, processorLoad_, worker_.Busy(), settings_.preventive,
            settings_.emergency
        ));
}

void ServiceWindow::OnBoostEvent(int code) {
    NotifyConfigurator(window_, code);
    if (code == protocol::kBoostStarted && settings_.icon.animate) {
        animationFrame_ = 0;
        SetTimer(window_, kAnimationTimer, kAnimationMs, nullptr);
    } else if (code == protocol::kBoostFinished) {
        KillTimer(window_, kAnimationTimer);
        animationFrame_ = -1;
    }
    UpdateTrayIcon();
}

void ServiceWindow::OnPassDenied(std::size_t denied) {
    ServiceHealth health = health_;
    health.deniedProcesses = static_cast<std::uint32_t>(std::min<std::size_t>(denied, UINT32_MAX));
    SetHealth(health);
}

void ServiceWindow::SetHealth(const ServiceHealth& health) {
    if (health == health_) return;
    health_ = health;
    service::WriteHealthRecord(healthView_, health_, healthSequence_);
    if (HWND configurator = FindWindowW(protocol::kConfiguratorWindowClass, nullptr))
        PostMessageW(configurator, healthChanged_, 0, 0);
    if (tray_) UpdateTrayIcon();
}

std::wstring ServiceWindow::HealthLine() const {
    return HealthLineText(
        ChooseHealthMessage(true, health_), health_, texts_.health,
        [](unsigned key) { return platform::KeyName(key); }
    );
}

void ServiceWindow::OnTrayEvent(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        ShowConfigurator();
        return;
    }
    if (mouseMessage != WM_RBUTTONUP) return;
    switch (ShowTrayMenu(window_, texts_, machine_.AutomaticOptimization())) {
        case TrayCommand::Configure:
            ShowConfigurator();
            break;
        case TrayCommand::FreeBuffer:
            StartAction(protocol::kEmptyClipboard);
            break;
        case TrayCommand::FreeMaximumMemory:
            StartAction(protocol::kScrapAll);
            break;
        case TrayCommand::AutoRamDefrag:
            if (machine_.Toggle()) OnStateChanged();
            break;
        case TrayCommand::About:
            StartConfigurator(L"-about");
            break;
        case TrayCommand::Exit:
            ApplyCommand(protocol::kStop);
            break;
        case TrayCommand::VisitSite:
            platform::ShellStartDetached(platform::LoadResString(str::SHomePageUrl), L"");
            break;
        case TrayCommand::TellAFriend:
            StartConfigurator(L"-tellfriend");
            break;
        case TrayCommand::SendFeedback:
            StartConfigurator(L"-bugreport");
            break;
        case TrayCommand::None:
            break;
    }
}

void ServiceWindow::OnHotKey(WPARAM id) {
    switch (id) {
        case kPauseResumeKey:
            if (machine_.Toggle()) OnStateChanged();
            break;
        case kQuickBoostKey:
            StartAction(protocol::kQuickBoost);
            break;
        case kConfiguratorKey:
            ShowConfigurator();
            break;
        default:
            break;
    }
}

void ServiceWindow::UpdateTrayIcon() {
    if (!settings_.icon.visible) {
        tray_->Hide();
        return;
    }
    auto shown = settings_.icon.data == 1 ? statusblock::History::Processor : statusblock::History::Memory;
    std::vector<std::int32_t> history = publisher_.Newest(shown, kIconSize);
    IconColors colors{settings_.icon.foreColor, settings_.icon.backColor, settings_.icon.textColor};
    IconPixels pixels = RenderTrayIcon(IconStyleFromSetting(settings_.icon.style), history, colors, animationFrame_);
    int memory = publisher_.Newest(statusblock::History::Memory, 1).front();
    int processor = publisher_.Newest(statusblock::History::Processor, 1).front();
    std::wstring tip = FormatTrayTip(texts_.tipFormat, memory, processor, kTipLength);
    tray_->Show(pixels, AppendTipLine(tip, HealthLine(), kTipLength));
}

}  // namespace booster
