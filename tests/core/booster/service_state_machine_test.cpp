#include "core/booster/service_state_machine.h"

#include <gtest/gtest.h>

using booster::ServiceStateMachine;
using namespace protocol;

TEST(ServiceStateMachine, CommandsReplyTheStateAfterThemAndReportOnlyRealChanges) {
    ServiceStateMachine machine;
    EXPECT_EQ(machine.State(), kRunning);

    auto query = machine.Apply(kQuery);
    EXPECT_EQ(query.reply, kRunning);
    EXPECT_FALSE(query.stateChanged || query.reload || query.unload);

    auto pause = machine.Apply(kPause);
    EXPECT_EQ(pause.reply, kIdle);
    EXPECT_TRUE(pause.stateChanged);
    EXPECT_FALSE(machine.AutomaticOptimization());

    auto pauseAgain = machine.Apply(kPause);
    EXPECT_EQ(pauseAgain.reply, kIdle);
    EXPECT_FALSE(pauseAgain.stateChanged);

    auto run = machine.Apply(kRun);
    EXPECT_EQ(run.reply, kRunning);
    EXPECT_TRUE(run.stateChanged);
    EXPECT_TRUE(machine.AutomaticOptimization());
}

TEST(ServiceStateMachine, RestartReloadsAndKeepsAPausedServicePaused) {
    ServiceStateMachine machine;
    machine.Apply(kPause);
    auto restart = machine.Apply(kRestart);
    EXPECT_TRUE(restart.reload);
    EXPECT_FALSE(restart.stateChanged);
    EXPECT_FALSE(restart.unload);
    EXPECT_EQ(restart.reply, kIdle);
}

TEST(ServiceStateMachine, StopRepliesStoppedAndUnloads) {
    ServiceStateMachine machine;
    auto stop = machine.Apply(kStop);
    EXPECT_EQ(stop.reply, kStopped);
    EXPECT_TRUE(stop.stateChanged);
    EXPECT_TRUE(stop.unload);
}

TEST(ServiceStateMachine, UnknownCodesChangeNothing) {
    ServiceStateMachine machine;
    machine.Apply(kPause);
    for (int code : {-1, 5, 100, 1038}) {
        auto outcome = machine.Apply(code);
        EXPECT_EQ(outcome.reply, kIdle) << code;
        EXPECT_FALSE(outcome.stateChanged || outcome.reload || outcome.unload) << code;
    }
}

TEST(ServiceStateMachine, ToggleSwitchesBetweenRunningAndIdle) {
    ServiceStateMachine machine;
    EXPECT_TRUE(machine.Toggle());
    EXPECT_EQ(machine.State(), kIdle);
    EXPECT_TRUE(machine.Toggle());
    EXPECT_EQ(machine.State(), kRunning);
}
