#include "core/booster/service_health.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace booster;

namespace {

using Record = std::array<std::uint8_t, kHealthRecordSize>;

Record Encoded(const ServiceHealth& health, std::uint32_t sequence = 2) {
    Record record{};
    EncodeHealth(health, sequence, record.data());
    return record;
}

}  // namespace

TEST(ServiceHealth, RecordHasTheDocumentedLayout) {
    ServiceHealth health{QuietReason::ListedProgram, L"game.exe", 0xC046, 3};
    const Record record = Encoded(health, 6);
    const std::vector<std::uint8_t> head(record.begin(), record.begin() + 44);
    const std::vector<std::uint8_t> golden = {
        'T', 'M', 'B', 'H', 1, 0, 0, 0, 6, 0, 0, 0,  // magic, version, sequence
        2, 0, 0, 0,                                  // listed program
        0x46, 0xC0, 0, 0,                            // Ctrl+Alt+F
        3, 0, 0, 0,                                  // denied processes
        8, 0, 0, 0,                                  // name length
        'g', 0, 'a', 0, 'm', 0, 'e', 0, '.', 0, 'e', 0, 'x', 0, 'e', 0};
    EXPECT_EQ(head, golden);
    for (std::size_t i = 44; i < record.size(); ++i) ASSERT_EQ(record[i], 0) << i;
}

TEST(ServiceHealth, EveryHealthSurvivesTheRoundTrip) {
    const std::vector<ServiceHealth> cases = {
        {},
        {QuietReason::FullScreen, L"", 0, 0},
        {QuietReason::ListedProgram, L"\u0438\u0433\u0440\u0430.exe", 0, 0},
        {QuietReason::None, L"", 0x6000 | 'P', 0},
        {QuietReason::None, L"", 0, 4000000000u},
        {QuietReason::FullScreen, L"", -1, 1},
    };
    for (const ServiceHealth& health : cases) {
        const Record record = Encoded(health);
        EXPECT_EQ(DecodeHealth(record.data(), record.size()), health);
    }
}

TEST(ServiceHealth, LongNamesAreCutToTheRecord) {
    ServiceHealth health{QuietReason::ListedProgram, std::wstring(200, L'x') + L".exe", 0, 0};
    const Record record = Encoded(health);
    auto decoded = DecodeHealth(record.data(), record.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->quietProgram, std::wstring(kHealthNameLength, L'x'));
}

TEST(ServiceHealth, EmptyHalfWrittenForeignOrShortRecordsAreRefused) {
    const Record empty{};
    EXPECT_FALSE(DecodeHealth(empty.data(), empty.size()));
    EXPECT_FALSE(DecodeHealth(nullptr, kHealthRecordSize));
    const Record whole = Encoded({QuietReason::FullScreen, L"", 0, 0});
    EXPECT_FALSE(DecodeHealth(whole.data(), whole.size() - 1));

    auto damaged = [&whole](std::size_t at, std::uint8_t value) {
        Record r = whole;
        r[at] = value;
        return DecodeHealth(r.data(), r.size());
    };
    EXPECT_FALSE(damaged(0, 'X'));   // magic
    EXPECT_FALSE(damaged(4, 2));     // a later version
    EXPECT_FALSE(damaged(8, 3));     // odd sequence: being written
    EXPECT_FALSE(damaged(12, 9));    // unknown reason
    EXPECT_FALSE(damaged(24, 64));   // name longer than the record holds
    Record named = whole;            // a full-screen health with a name
    named[24] = 2;
    named[28] = 'a';
    named[30] = 'b';
    EXPECT_FALSE(DecodeHealth(named.data(), named.size()));
    Record listed = Encoded({QuietReason::ListedProgram, L"ab", 0, 0});
    listed[28] = 0;                  // a terminator inside the name
    EXPECT_FALSE(DecodeHealth(listed.data(), listed.size()));
    listed = Encoded({QuietReason::ListedProgram, L"ab", 0, 0});
    listed[24] = 0;                  // a listed program without its name
    EXPECT_FALSE(DecodeHealth(listed.data(), listed.size()));
}
