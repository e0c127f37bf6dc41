#include "service/status_block_view.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/service/status_block.h"

using namespace statusblock;

namespace {

struct QueryCounter {
    int calls = 0;
    int reply;
    StateQuery Query() {
        return [this] {
            ++calls;
            return reply;
        };
    }
};

bool AllZero(const void* view) {
    const auto* bytes = static_cast<const unsigned char*>(view);
    for (size_t i = 0; i < kBlockSize; ++i)
        if (bytes[i]) return false;
    return true;
}

}  // namespace

TEST(StatusBlockView, FirstOpenerGetsAZeroFilledBlockThatASecondMappingShares) {
    void* view = OpenStatusBlock();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(AllZero(view));
    void* second = OpenStatusBlock();
    ASSERT_NE(second, nullptr);
    WriteSample(view, History::PageFile, 5, 42);
    EXPECT_EQ(ReadSample(second, History::PageFile, 5), 42);
    ClearBlock(view);
}

TEST(StatusBlockView, StartupCheckKeepsOnlyAValidBlockOfARunningService) {
    void* view = OpenStatusBlock();
    ASSERT_NE(view, nullptr);

    // An out-of-range value anywhere clears the block without asking the service.
    WriteSample(view, History::Memory, 0, 55);
    WriteSample(view, History::Third, 119, 101);
    QueryCounter running{0, 2};
    EXPECT_EQ(CheckAtStartup(view, running.Query()), 0);
    EXPECT_EQ(running.calls, 0);
    EXPECT_TRUE(AllZero(view));

    // In range, but the service is stopped or absent: cleared.
    WriteSample(view, History::Memory, 0, 55);
    QueryCounter stopped{0, 0};
    CheckAtStartup(view, stopped.Query());
    EXPECT_EQ(stopped.calls, 1);
    EXPECT_EQ(ReadSample(view, History::Memory, 0), 0);

    // In range and running: kept.
    WriteSample(view, History::Memory, 0, 55);
    EXPECT_EQ(CheckAtStartup(view, running.Query()), 2);
    EXPECT_EQ(running.calls, 1);
    EXPECT_EQ(ReadSample(view, History::Memory, 0), 55);
    ClearBlock(view);
}

TEST(StatusBlockView, WithoutAViewNothingIsCheckedOrAsked) {
    QueryCounter running{0, 2};
    EXPECT_EQ(CheckAtStartup(nullptr, running.Query()), 0);
    EXPECT_EQ(running.calls, 0);
}
