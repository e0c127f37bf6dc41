#include "core/booster/load_figures.h"

namespace booster {

int Percent(std::uint64_t part, std::uint64_t whole) {
    if (whole == 0) return 0;
    if (part >= whole) return 100;
    // Scaled in floating point: byte counts times 100 may overflow 64 bits.
    return static_cast<int>(static_cast<double>(part) * 100.0 / static_cast<double>(whole) + 0.5);
}

ProcessorLoad LoadBetween(const ProcessorTimes& before, const ProcessorTimes& after) {
    if (after.idle < before.idle || after.kernel < before.kernel || after.user < before.user) return {0, 0};
    std::uint64_t idle = after.idle - before.idle;
    std::uint64_t kernel = after.kernel - before.kernel;
    std::uint64_t user = after.user - before.user;
    std::uint64_t elapsed = kernel + user;
    if (elapsed == 0 || idle > elapsed) return {0, 0};
    std::uint64_t kernelBusy = kernel > idle ? kernel - idle : 0;
    return {Percent(elapsed - idle, elapsed), Percent(kernelBusy, elapsed)};
}

ProcessorLoad ProcessorMeter::Advance(const ProcessorTimes& now) {
    ProcessorLoad load = LoadBetween(last_, now);
    last_ = now;
    return load;
}

}  // namespace booster
