#include "core/settings/range_encoding.h"

#include <gtest/gtest.h>

using settings::DecodeRanged;
using settings::EncodeRanged;

TEST(RangeEncoding, StoresOffsetFromMinimumWithinRangeSize) {
    EXPECT_EQ(EncodeRanged(270, 30, 600), 240);  // OnTimeFreeSec
    EXPECT_EQ(DecodeRanged(240, 30, 600), 270);
    EXPECT_EQ(EncodeRanged(5, 1, 100), 4);  // a CPU threshold of 5 percent
    EXPECT_EQ(EncodeRanged(10, 1, 10), 9);  // IconTimeRefresh for 10 seconds
    EXPECT_EQ(EncodeRanged(1, 1, 5), 0);    // IconViewStyle default
}

TEST(RangeEncoding, DecodesWithSignedRemainder) {
    EXPECT_EQ(DecodeRanged(0, 1, 100), 1);
    EXPECT_EQ(DecodeRanged(100, 1, 100), 1);  // 100 rem 100 + 1
    EXPECT_EQ(DecodeRanged(-1, 1, 3), 0);     // DefragPassesNum "Low" survives
    EXPECT_EQ(EncodeRanged(0, 1, 3), -1);
}

TEST(RangeEncoding, ValuesWithinOneRangeSizeBelowMinimumRoundTrip) {
    EXPECT_EQ(EncodeRanged(20, 30, 600), -10);
    EXPECT_EQ(DecodeRanged(-10, 30, 600), 20);
    // Far outside the range the value wraps.
    EXPECT_EQ(DecodeRanged(EncodeRanged(700, 30, 600), 30, 600), 129);
}

TEST(RangeEncoding, EqualBoundsMeanNoRange) {
    EXPECT_EQ(EncodeRanged(16777216, 0, 0), 16777216);
    EXPECT_EQ(DecodeRanged(-1, 0, 0), -1);
    EXPECT_EQ(EncodeRanged(7, 5, 5), 7);
}

TEST(RangeEncoding, ExtremeValuesDoNotOverflow) {
    EXPECT_EQ(DecodeRanged(EncodeRanged(INT32_MAX, INT32_MIN, INT32_MAX), INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(DecodeRanged(INT32_MIN, 1, 100), -47);  // -2147483648 rem 100 = -48, plus 1
}
