#include "core/booster/optimization_schedule.h"

#include <algorithm>

namespace booster {

void LoadHistory::Add(int percent) {
    if (samples_.size() == kCapacity) samples_.erase(samples_.begin());
    samples_.push_back(std::clamp(percent, 0, 100));
}

int LoadHistory::Average(int seconds) const {
    std::size_t count = std::min(samples_.size(), static_cast<std::size_t>(std::max(seconds, 1)));
    if (count == 0) return 0;
    int sum = 0;
    for (std::size_t i = samples_.size() - count; i < samples_.size(); ++i) sum += samples_[i];
    return (sum + static_cast<int>(count) / 2) / static_cast<int>(count);
}

bool OptimizationSchedule::Gate::Open(std::int64_t now, const BusyWait& busy, const LoadHistory& load) {
    if (!busy.enabled) return true;
    if (waiting && now < retestAt) return false;
    if (load.Average(busy.periodSeconds) <= busy.thresholdPercent) {
        waiting = false;
        return true;
    }
    waiting = true;
    retestAt = now + std::max(busy.periodSeconds, 1);
    return false;
}

void OptimizationSchedule::Restart(std::int64_t now) {
    lastPreventive_ = now;
    emergencyPausedUntil_ = now;
    preventiveGate_ = {};
    emergencyGate_ = {};
}

PassKind OptimizationSchedule::Tick(
    std::int64_t now, int availablePercent, const LoadHistory& load, bool passRunning,
    const PreventiveSettings& preventive, const EmergencySettings& emergency
) {
    if (passRunning) return PassKind::None;

    bool emergencyDue =
        emergency.enabled && availablePercent < emergency.startBelowPercent && now >= emergencyPausedUntil_;
    if (!emergencyDue) emergencyGate_ = {};
    if (emergencyDue && emergencyGate_.Open(now, emergency.busy, load)) {
        emergencyPausedUntil_ = now + kEmergencyPauseSeconds;
        return PassKind::Emergency;
    }

    bool preventiveDue = preventive.enabled && now - lastPreventive_ >= std::max(preventive.intervalSeconds, 1);
    if (!preventiveDue) preventiveGate_ = {};
    if (preventiveDue && preventiveGate_.Open(now, preventive.busy, load)) {
        lastPreventive_ = now;
        return PassKind::Preventive;
    }
    return PassKind::None;
}

}  // namespace booster
