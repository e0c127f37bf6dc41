#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "booster/hot_keys.h"
#include "booster/status_publisher.h"
#include "booster/system_load.h"
#include "booster/tray_icon.h"
#include "booster/worker.h"
#include "core/booster/booster_settings.h"
#include "core/booster/optimization_schedule.h"
#include "core/booster/service_health.h"
#include "core/booster/service_state_machine.h"

// The running service: its hidden window (class "MBSRVClass", title "Tessly Dozidi
// Davazez Service"), which answers the configurator's state commands and actions, the
// once-a-second measurement that feeds the status block and the automatic passes, the
// tray icon and the hot keys. Everything but the passes themselves runs on the window's
// thread.
namespace booster {

class ServiceWindow {
public:
    explicit ServiceWindow(HINSTANCE instance);
    ~ServiceWindow();
    ServiceWindow(const ServiceWindow&) = delete;
    ServiceWindow& operator=(const ServiceWindow&) = delete;

    bool Created() const { return window_ != nullptr; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Start();

    int ApplyCommand(int command);
    void OnStateChanged();
    void Reload();
    void Unload();

    void StartAction(int action);
    void StartPass(PassKind kind);
    // The goal is worked out when the pass begins, from the memory available then.
    // `automatic` passes spare the program in front.
    using GoalAtStart = std::function<std::uint64_t(const MemoryFigures&)>;
    void PostReclaim(int kind, bool automatic, GoalAtStart goal);

    // Publishes `health` when it differs from what was published, and redraws the tip.
    void SetHealth(const ServiceHealth& health);
    std::wstring HealthLine() const;

    void OnSecond();
    void OnBoostEvent(int code);
    void OnPassDenied(std::size_t denied);
    void OnTrayEvent(LPARAM mouseMessage);
    void OnHotKey(WPARAM id);
    void UpdateTrayIcon();

    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
    ServiceStateMachine machine_;
    BoosterSettings settings_{};
    TrayTexts texts_;
    StatusPublisher publisher_;
    SystemSampler sampler_;
    LoadHistory processorLoad_;
    LoadHistory kernelModeLoad_;
    OptimizationSchedule schedule_;
    int secondsSincePublish_ = 0;
    int animationFrame_ = -1;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<HotKeys> hotKeys_;
    ServiceHealth health_;
    std::uint8_t* healthView_ = nullptr;  // not owned: mapped for the process's life
    std::uint32_t healthSequence_ = 0;
    UINT healthChanged_ = 0;
    Worker worker_;
};

}  // namespace booster
