#include "core/service/status_block.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

using namespace statusblock;

namespace {

struct Block {
    alignas(8) std::array<unsigned char, kBlockSize> bytes{};
    void* data() { return bytes.data(); }
    std::int32_t At(std::size_t offset) const {
        std::int32_t v;
        std::memcpy(&v, bytes.data() + offset, 4);
        return v;
    }
};

}  // namespace

TEST(StatusBlock, SamplesLieAtTheContractOffsets) {
    Block b;
    WriteSample(b.data(), History::Memory, 0, 11);
    WriteSample(b.data(), History::Processor, 1, 22);
    WriteSample(b.data(), History::Third, 119, 33);
    WriteSample(b.data(), History::MemoryReference, 2, 44);
    WriteSample(b.data(), History::PageFile, 3, 55);
    EXPECT_EQ(b.At(44), 11);
    EXPECT_EQ(b.At(528), 22);
    EXPECT_EQ(b.At(1004 + 4 * 119), 33);
    EXPECT_EQ(b.At(1492), 44);
    EXPECT_EQ(b.At(1976), 55);
    EXPECT_EQ(ReadSample(b.data(), History::PageFile, 3), 55);
    EXPECT_EQ(1964 + 4 * kHistoryLength, 2444);  // the rest of the block starts here
}

TEST(StatusBlock, ValidationCoversEveryElementOfEveryHistory) {
    Block b;
    EXPECT_TRUE(ValidateBlock(b.data()));
    WriteSample(b.data(), History::Third, 119, 101);  // never drawn, still checked
    EXPECT_FALSE(ValidateBlock(b.data()));
    WriteSample(b.data(), History::Third, 119, 100);
    EXPECT_TRUE(ValidateBlock(b.data()));
    WriteSample(b.data(), History::Memory, 0, -1);
    EXPECT_FALSE(ValidateBlock(b.data()));
}

TEST(StatusBlock, HeaderAndTailAreNotValidated) {
    Block b;
    b.bytes.fill(0);
    std::memset(b.bytes.data(), 0xFF, 44);
    std::memset(b.bytes.data() + 2444, 0xFF, kBlockSize - 2444);
    EXPECT_TRUE(ValidateBlock(b.data()));
    ClearBlock(b.data());
    for (unsigned char c : b.bytes) ASSERT_EQ(c, 0);
}

TEST(StatusBlock, PushKeepsNewestFirstAndDropsTheOldest) {
    Block b;
    for (int v = 1; v <= 121; ++v) PushSample(b.data(), History::Processor, v % 100);
    EXPECT_EQ(ReadSample(b.data(), History::Processor, 0), 21);   // 121 % 100
    EXPECT_EQ(ReadSample(b.data(), History::Processor, 119), 2);  // sample 1 fell out
    EXPECT_EQ(ReadSample(b.data(), History::Memory, 0), 0);       // neighbours untouched
    EXPECT_EQ(ReadSample(b.data(), History::Third, 0), 0);
}

TEST(StatusBlock, StartupKeepsOnlyAValidBlockOfARunningService) {
    EXPECT_FALSE(MustClearAtStartup(true, 1));
    EXPECT_FALSE(MustClearAtStartup(true, 2));
    EXPECT_FALSE(MustClearAtStartup(true, 7));  // any non-zero reply
    EXPECT_TRUE(MustClearAtStartup(true, 0));
    EXPECT_TRUE(MustClearAtStartup(false, 2));
}
