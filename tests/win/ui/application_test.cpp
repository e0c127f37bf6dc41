#include <gtest/gtest.h>

#include "tests/win/ui/modal_driver.h"
#include "ui/application.h"
#include "ui/button.h"

namespace {

TEST(Application, TerminateEndsEveryModalLoopWithoutTheClosingHandlers) {
    testing_support::InitializeKit();
    ui::Form outer(nullptr);
    ui::Form inner(nullptr);
    int closeHandlers = 0;
    outer.OnClose = [&](ui::CloseArgs&) { ++closeHandlers; };
    inner.OnClose = [&](ui::CloseArgs&) { ++closeHandlers; };
    int innerResult = -1;
    int outerResult = testing_support::ShowModalAndDo(outer, [&] {
        testing_support::RunWhenModal([] { ui::Application::Instance().Terminate(); });
        innerResult = inner.ShowModal();
    });
    EXPECT_TRUE(ui::Application::Instance().Terminated());
    EXPECT_EQ(innerResult, ui::mrCancel);
    EXPECT_EQ(outerResult, ui::mrCancel);
    EXPECT_EQ(closeHandlers, 0);
    EXPECT_FALSE(IsWindowVisible(outer.Handle()));
}

}  // namespace
