#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/booster/quiet_rules.h"

// Reclaims physical memory by trimming the working sets of the processes the service may
// open, largest first, until the available physical memory has grown by the goal. The
// trimmed pages stay in the system's standby lists, so nothing is lost and nothing is
// written out that the owner has not already given up. Trimming runs below normal
// priority in small batches with a pause between them, so the programs whose memory moves
// keep answering their windows while it goes on.
namespace booster {

struct ReclaimRequest {
    std::uint64_t goal;  // bytes, or kReclaimAll
    int sweeps;          // passes over the process list, 1..3
    TrimRules rules;     // which processes may be trimmed
};

struct ReclaimResult {
    std::size_t denied = 0;  // processes the service may not open for trimming
};

// Receives 100 at the start, 101..199 as progress and 200 at the end.
using BoostNotifier = std::function<void(int code)>;

// Processes trimmed between two pauses.
inline constexpr std::size_t kTrimBatch = 4;

ReclaimResult Reclaim(const ReclaimRequest& request, const std::atomic<bool>& cancelled, const BoostNotifier& notify);

}  // namespace booster
