#pragma once
#include <atomic>
#include <cstdint>
#include <functional>

// Reclaims physical memory by trimming the working sets of the processes the service may
// open, largest first, until the available physical memory has grown by the goal. The
// trimmed pages stay in the system's standby lists, so nothing is lost and nothing is
// written out that the owner has not already given up.
namespace booster {

struct ReclaimRequest {
    std::uint64_t goal;  // bytes, or kReclaimAll
    int sweeps;          // passes over the process list, 1..3
};

// Receives 100 at the start, 101..199 as progress and 200 at the end.
using BoostNotifier = std::function<void(int code)>;

void Reclaim(const ReclaimRequest& request, const std::atomic<bool>& cancelled, const BoostNotifier& notify);

}  // namespace booster
