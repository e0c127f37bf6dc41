#include "core/wizards/memory_sizes.h"

#include <gtest/gtest.h>

using namespace wizards;

TEST(MemorySizes, SummaryFiguresAddHalfAMegabyteAndCutIn64Bits) {
    EXPECT_EQ(settings::PhysicalMegabytes(267386880), 255);
    EXPECT_EQ(settings::PhysicalMegabytes(0), 0);
    // Beyond 2 GB, where a signed 32-bit sum would turn negative.
    EXPECT_EQ(settings::PhysicalMegabytes(3221225472ull), 3072);
    EXPECT_EQ(settings::PhysicalMegabytes(17179869184ull), 16384);
    EXPECT_EQ(settings::PhysicalMegabytes(1ull << 40), 1048576);
}

TEST(MemorySizes, PhysicalMemoryRoundsToTheNearestMegabyte) {
    EXPECT_EQ(PhysicalMegabytes(268435456), 256);
    EXPECT_EQ(PhysicalMegabytes(267911168), 256);  // 255.5 MB reported + allowance: 255.98
    EXPECT_EQ(PhysicalMegabytes(33554432), 32);
    EXPECT_EQ(PhysicalMegabytes(17179869184ull), 16384);
    EXPECT_EQ(PhysicalMegabytes(4294967296ull), 4096);
    // Exactly half way: 2.5 MB in all goes to the even neighbour.
    EXPECT_EQ(PhysicalMegabytes(2 * settings::kBytesPerMegabyte + settings::kBytesPerMegabyte / 2 - 500000), 2);
}

TEST(MemorySizes, StoredByteSizesStayWithin2047Megabytes) {
    EXPECT_EQ(StoredByteSize(32), 33554432);
    EXPECT_EQ(StoredByteSize(2047), 2146435072);
    EXPECT_EQ(StoredByteSize(2048), 2146435072);
    EXPECT_EQ(StoredByteSize(16384), 2146435072);
    EXPECT_EQ(StoredByteSize(-3), 0);
}
