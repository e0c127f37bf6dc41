#pragma once
#include <cstdint>
#include <vector>

#include "core/booster/booster_settings.h"

// When the automatic passes run. Preventive passes come every interval; emergency
// passes when available memory falls below its level, and they take precedence. Either
// may first wait for a quiet processor: the load averaged over the busy period must not
// exceed the threshold, and a busy processor is tested again one period later. Times
// are whole seconds on a monotonic clock.
namespace booster {

// Processor load of the last few minutes, one sample a second.
class LoadHistory {
public:
    void Add(int percent);
    // Average of the newest `seconds` samples (fewer when not yet collected); 0 when empty.
    int Average(int seconds) const;

private:
    static constexpr std::size_t kCapacity = 180;
    std::vector<int> samples_;  // newest last
};

enum class PassKind { None, Preventive, Emergency };

// Emergency passes that cannot reach their aim are not repeated back to back.
inline constexpr std::int64_t kEmergencyPauseSeconds = 60;

class OptimizationSchedule {
public:
    // Starts the preventive interval afresh, as after a resume or a settings reload.
    void Restart(std::int64_t now);

    // Called once a second while automatic optimisation is on. `passRunning` holds back
    // any new pass until the current one ends.
    PassKind Tick(
        std::int64_t now, int availablePercent, const LoadHistory& load, bool passRunning,
        const PreventiveSettings& preventive, const EmergencySettings& emergency
    );

private:
    struct Gate {
        std::int64_t retestAt = 0;
        bool waiting = false;
        // Whether a due pass may start now; a busy processor postpones it one period.
        bool Open(std::int64_t now, const BusyWait& busy, const LoadHistory& load);
    };

    std::int64_t lastPreventive_ = 0;  // the last preventive pass, or the restart
    std::int64_t emergencyPausedUntil_ = 0;
    Gate preventiveGate_;
    Gate emergencyGate_;
};

}  // namespace booster
