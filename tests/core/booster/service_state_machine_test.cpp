#include "core/booster/service_state_machine.h"

#include <gtest/gtest.h>

using booster::ServiceStateMachine;
using namespace protocol;

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
