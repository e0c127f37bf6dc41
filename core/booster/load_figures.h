#pragma once
#include <cstdint>

// Percentages published in the status block, worked out from the system's raw counters.
namespace booster {

// Whole percent of part in whole, rounded, clamped to 0..100; 0 when whole is 0.
int Percent(std::uint64_t part, std::uint64_t whole);

// Cumulative processor times as the system reports them: kernel time includes idle time.
struct ProcessorTimes {
    std::uint64_t idle;
    std::uint64_t kernel;
    std::uint64_t user;
};

struct ProcessorLoad {
    int total;       // busy share of the elapsed processor time
    int kernelMode;  // share spent in kernel mode, idle excluded
};

// Load between two readings; 0 when no time passed or the counters went backwards.
ProcessorLoad LoadBetween(const ProcessorTimes& before, const ProcessorTimes& after);

// Keeps the previous reading, so each call gives the load since the last one.
class ProcessorMeter {
public:
    explicit ProcessorMeter(const ProcessorTimes& start) : last_(start) {}
    ProcessorLoad Advance(const ProcessorTimes& now);

private:
    ProcessorTimes last_;
};

}  // namespace booster
