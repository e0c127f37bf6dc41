#pragma once
#include <cstdint>
#include <limits>
#include <vector>

// How much memory a pass aims to reclaim and how its progress is reported. Memory is
// reclaimed by trimming working sets, largest first, and progress is the growth of the
// available physical memory; nothing is ever allocated to push other pages out.
namespace booster {

inline constexpr std::uint64_t kMegabyte = 1048576;
// Trim every process: "reclaim the maximum possible" and "scrap all".
inline constexpr std::uint64_t kReclaimAll = std::numeric_limits<std::uint64_t>::max();

struct MemoryFigures {
    std::uint64_t totalPhysical;
    std::uint64_t availablePhysical;
};

enum class QuickBoostMethod { KeepFree = 0, ReclaimSize = 1, ReclaimMaximum = 2 };

// The goal of a quick boost: method 0 tops the available memory up to `size` bytes,
// method 1 reclaims `size` bytes, method 2 everything it can. Unknown methods and
// negative sizes reclaim nothing.
std::uint64_t QuickBoostGoal(int method, std::int64_t size, const MemoryFigures& memory);

// Bytes needed for `percent` of physical memory to be available.
std::uint64_t FreePercentGoal(int percent, const MemoryFigures& memory);

// The goal of a launch with a file: the given megabytes, or for the automatic amount
// what keeps `keepFreePercent` of physical memory available.
std::uint64_t FileLaunchGoal(std::int64_t megabytes, int keepFreePercent, const MemoryFigures& memory);

// A goal never reaches into the memory in use that the system cache may keep
// (`untouchableCache` bytes): what lies beyond is all a pass may ask for.
std::uint64_t CapGoal(std::uint64_t goal, const MemoryFigures& memory, std::int64_t untouchableCache);

// The optimisation quality (0 low, 1 normal, 2 high) as the number of sweeps over the
// processes; out-of-range values take the nearest.
int SweepsForQuality(int quality);

struct ProcessUsage {
    std::uint32_t id;
    std::uint64_t workingSet;
};

// Largest working set first; equal sizes in process-id order, so a pass is repeatable.
void SortLargestFirst(std::vector<ProcessUsage>& processes);

struct ReclaimProgress {
    std::uint64_t goal;
    std::uint64_t reclaimed;
    std::size_t trimmed;  // processes trimmed so far, over all sweeps
    std::size_t total;    // processes to trim over all sweeps
};

// 0..100: the share of the goal reclaimed, or of the processes trimmed when the goal is
// everything.
int ProgressPercent(const ReclaimProgress& progress);
bool GoalReached(const ReclaimProgress& progress);

}  // namespace booster
