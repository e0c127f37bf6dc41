#include "core/chart/chart_feed.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "core/service/status_block.h"

using namespace chart;
using statusblock::History;

namespace {

struct Block {
    alignas(8) std::array<unsigned char, statusblock::kBlockSize> bytes{};
    void* data() { return bytes.data(); }
    void Set(History h, int k, std::int32_t v) { statusblock::WriteSample(data(), h, k, v); }
};

}  // namespace

TEST(ChartFeed, StorageStartsWithTheSeriesColours) {
    ChartSeriesStorage s;
    for (const auto* pair : {&s.memory, &s.processor, &s.page_file}) {
        EXPECT_EQ((*pair)[0].color, Rgb(247, 199, 0));
        EXPECT_EQ((*pair)[1].color, Rgb(247, 73, 0));
        EXPECT_EQ((*pair)[0].values[0], 0.0);
    }
}

TEST(ChartFeed, NewestSampleBecomesTheLastPointInverted) {
    Block b;
    b.Set(History::Memory, 0, 30);
    b.Set(History::MemoryReference, 0, 10);
    b.Set(History::Processor, 0, 25);
    b.Set(History::PageFile, 0, 60);
    b.Set(History::Memory, 49, 40);
    b.Set(History::MemoryReference, 49, 45);
    b.Set(History::Processor, 49, 100);
    b.Set(History::Third, 0, 99);    // not charted
    b.Set(History::Memory, 50, 77);  // older than the charts show
    ChartSeriesStorage s;
    s.memory[0].values[50] = -1;
    FeedCharts(b.data(), s);
    EXPECT_EQ(s.memory[0].values[49], 70.0);
    EXPECT_EQ(s.memory[1].values[49], 80.0);
    EXPECT_EQ(s.processor[0].values[49], 75.0);
    EXPECT_EQ(s.page_file[0].values[49], 40.0);
    EXPECT_EQ(s.memory[0].values[0], 60.0);
    // A reference above the load puts the second line past the bottom; the chart clamps it.
    EXPECT_EQ(s.memory[1].values[0], 105.0);
    EXPECT_EQ(s.processor[0].values[0], 0.0);
    EXPECT_EQ(s.memory[0].values[50], -1.0);
    // The copies the one-series charts carry are never fed.
    EXPECT_EQ(s.processor[1].values[49], 0.0);
    EXPECT_EQ(s.page_file[1].values[49], 0.0);
}

TEST(ChartFeed, EmptyOrMissingBlockPutsEveryLineAtTheBottom) {
    Block zero;
    ChartSeriesStorage fed, unfed;
    FeedCharts(zero.data(), fed);
    FeedCharts(nullptr, unfed);
    for (const auto* s : {&fed, &unfed})
        for (int i = 0; i < kFedPoints; ++i) {
            EXPECT_EQ(s->memory[0].values[i], 100.0);
            EXPECT_EQ(s->memory[1].values[i], 100.0);
            EXPECT_EQ(s->processor[0].values[i], 100.0);
            EXPECT_EQ(s->page_file[0].values[i], 100.0);
        }
}

TEST(ChartFeed, ForeignExtremesDoNotOverflow) {
    Block b;
    b.Set(History::Memory, 0, INT_MIN);
    b.Set(History::MemoryReference, 0, INT_MAX);
    b.Set(History::Processor, 0, INT_MIN);
    ChartSeriesStorage s;
    FeedCharts(b.data(), s);
    EXPECT_GT(s.memory[0].values[49], 100.0);
    EXPECT_GT(s.memory[1].values[49], 100.0);
    EXPECT_GT(s.processor[0].values[49], 100.0);
}

TEST(ChartFeed, GridPhaseFallsByATenthPerTick) {
    GridPhase phase;
    EXPECT_EQ(phase.GridOffset(396, 5), 0);
    phase.Tick();
    EXPECT_DOUBLE_EQ(phase.value, -0.1);
    // trunc(396 x -0.1 / 6) = -6, carried as a 16-bit phase.
    EXPECT_EQ(phase.GridOffset(396, 5), 65530);
    for (int i = 0; i < 9; ++i) phase.Tick();
    EXPECT_EQ(phase.GridOffset(396, 5), static_cast<std::uint16_t>(-65));
}
