#include "core/booster/logon_start.h"

#include <gtest/gtest.h>

#include "core/settings/settings_table.h"

using booster::ServiceArguments;
using booster::StartRuns;

TEST(LogonStart, TheUsersOwnStartRunsUnlessThePolicyForbidsIt) {
    EXPECT_TRUE(StartRuns(ServiceArguments::kLogon, std::nullopt));
    EXPECT_TRUE(StartRuns(ServiceArguments::kLogon, settings::kTrue));
    EXPECT_FALSE(StartRuns(ServiceArguments::kLogon, settings::kFalse));
}

TEST(LogonStart, TheStartForEveryUserRunsOnlyWhenThePolicyAsksForIt) {
    EXPECT_FALSE(StartRuns(ServiceArguments::kLogonByPolicy, std::nullopt));
    EXPECT_TRUE(StartRuns(ServiceArguments::kLogonByPolicy, settings::kTrue));
    EXPECT_FALSE(StartRuns(ServiceArguments::kLogonByPolicy, settings::kFalse));
}

TEST(LogonStart, APlainStartOrAFileLaunchRunsWhateverThePolicy) {
    for (auto kind : {ServiceArguments::kPlain, ServiceArguments::kFile})
        for (auto policy : {std::optional<std::int32_t>{}, std::optional{settings::kTrue}, std::optional{settings::kFalse}})
            EXPECT_TRUE(StartRuns(kind, policy));
}
