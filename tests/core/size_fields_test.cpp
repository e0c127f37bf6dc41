#include "core/settings/size_fields.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace settings;

namespace {
constexpr std::uint64_t kMB = 1048576;
}

TEST(SizeFields, PhysicalMemoryCountsIn64BitsAndFieldsStopAt2047MB) {
    EXPECT_EQ(PhysicalMegabytes(96 * kMB), 96);
    EXPECT_EQ(PhysicalMegabytes(96 * kMB - 500000), 96);  // the +500000 rounds a short figure up
    EXPECT_EQ(PhysicalMegabytes(96 * kMB - 500001), 95);
    EXPECT_EQ(PhysicalMegabytes(4096 * kMB), 4096);  // past 32 bits
    EXPECT_EQ(PhysicalMegabytes(64 * 1024 * kMB), 65536);
    EXPECT_EQ(SizeFieldMaximum(96 * kMB), 96);
    EXPECT_EQ(SizeFieldMaximum(2047 * kMB), 2047);
    EXPECT_EQ(SizeFieldMaximum(2048 * kMB), 2047);
    EXPECT_EQ(SizeFieldMaximum(64 * 1024 * kMB), 2047);
}

TEST(SizeFields, MegabytesRoundHalvesToEvenOrTruncate) {
    EXPECT_EQ(MegabytesRounded(16777216), 16);
    EXPECT_EQ(MegabytesRounded(2621440), 2);  // 2.5 MB
    EXPECT_EQ(MegabytesRounded(3670016), 4);  // 3.5 MB
    EXPECT_EQ(MegabytesRounded(1572865), 2);  // just over 1.5 MB
    EXPECT_EQ(MegabytesTruncated(3145727), 2);
    EXPECT_EQ(MegabytesTruncated(33554432), 32);
}

TEST(SizeFields, ByteCountsNeverWrapNegative) {
    EXPECT_EQ(BytesOfMegabytes(32), 33554432);
    EXPECT_EQ(BytesOfMegabytes(2047), 2047 * 1048576);
    EXPECT_EQ(BytesOfMegabytes(2048), 2047 * 1048576);
    EXPECT_EQ(BytesOfMegabytes(999999999), 2047 * 1048576);
}

TEST(SizeFields, FieldTextKeepsDigitsOfItsFirstNineCharacters) {
    EXPECT_EQ(DigitsOnly(L"1a2"), L"12");
    EXPECT_EQ(DigitsOnly(L"abc"), L"");
    EXPECT_EQ(DigitsOnly(L"-5"), L"5");
    EXPECT_EQ(DigitsOnly(L"12345678901"), L"123456789");
    EXPECT_EQ(DigitsOnly(L"x1234567890"), L"12345678");
}
