#include "core/settings/range_encoding.h"
#include "core/settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace settings;

TEST(SettingsTable, NamesAreUniqueAndFindable) {
    std::set<std::string> names;
    for (const IntSetting& s : AllIntSettings()) {
        EXPECT_TRUE(names.insert(s.name).second) << s.name;
        EXPECT_EQ(FindIntSetting(s.name), &s);
    }
    EXPECT_EQ(names.size(), 34u);
    EXPECT_EQ(FindIntSetting("NoSuchValue"), nullptr);
}

TEST(SettingsTable, DefaultsLieInsideTheirRangesAndSurviveEncoding) {
    for (const IntSetting& s : AllIntSettings()) {
        if (s.min != s.max) {
            EXPECT_GE(s.defaultValue, s.min) << s.name;
            EXPECT_LE(s.defaultValue, s.max) << s.name;
        }
        EXPECT_EQ(DecodeRanged(EncodeRanged(s.defaultValue, s.min, s.max), s.min, s.max), s.defaultValue) << s.name;
        if (s.kind == IntKind::Boolean) {
            EXPECT_TRUE(s.defaultValue == kTrue || s.defaultValue == kFalse) << s.name;
        }
    }
}
