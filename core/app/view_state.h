#pragma once
#include <array>
#include <optional>

// The main window's persisted view state: one bit per check mark of the View menu and the
// chart menus, stored as their plain sum (nothing forces exactly one interval or chart).
namespace app {

enum ViewBits : int {
    kToolbarBit = 1,
    kStatusBarBit = 2,
    kIntervalBits = 4,  // 4, 8, 16, 32: 1, 2, 5, 10 seconds
    kChartBits = 64,    // 64 .. 1024: chart choices 1 .. 5
};

inline constexpr int kIntervalCount = 4;
inline constexpr int kChartChoiceCount = 5;
inline constexpr std::array<int, kIntervalCount> kIntervalsMs = {1000, 2000, 5000, 10000};

struct ViewState {
    bool toolbar = false;
    bool statusBar = false;
    std::array<bool, kIntervalCount> intervals{};
    std::array<bool, kChartChoiceCount> charts{};  // layouts 1..5

    static ViewState FromBits(int bits);
    int ToBits() const;

    // The interval of the last checked interval item, if any.
    std::optional<int> IntervalMs() const;
    // The layout (1..5) of the last checked chart item, if any.
    std::optional<int> Layout() const;
};

}  // namespace app
