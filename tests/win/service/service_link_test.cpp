// The protocol against stand-in service windows. The test programs' folder holds no
// service program, so "launching" the service finds nothing, as on a machine without it.
#include "service/service_link.h"

#include <gtest/gtest.h>

#include <string>

#include "core/service/service_protocol.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/service/fake_service.h"

namespace {

struct RecordingDisplay : service::StateDisplay {
    int mask = -1;
    std::wstring caption = L"(unset)";
    std::wstring text = L"(unset)";
    void SetCommandMask(int m) override { mask = m; }
    void SetToggleCaption(const std::wstring& c) override { caption = c; }
    void SetStatusText(const std::wstring& t) override { text = t; }
};

}  // namespace

TEST(ServiceLink, WithoutAServiceEveryCommandReportsStopped) {
    StopAnyService();
    ASSERT_EQ(service::FindServiceWindow(), nullptr);
    RecordingDisplay display;
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kQuery), 0);
    EXPECT_EQ(display.mask, 1);
    EXPECT_EQ(display.caption, L"Start service");
    EXPECT_EQ(display.text, L"Service is stopped. Start the service first.");
    for (int code : {protocol::kPause, protocol::kRun, protocol::kStop, protocol::kRestart})
        EXPECT_EQ(service::SendServiceCommand(&display, code), 0);
    EXPECT_FALSE(service::PostServiceAction(protocol::kQuickBoost));
}

TEST(ServiceLink, ARunningServiceGetsItsHandleAndItsReplyIsShown) {
    FakeService fake(FakeService::Mode::kAnswer, protocol::kRunning);
    RecordingDisplay display;
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kRun), 2);
    EXPECT_EQ(fake.LastCommand(), protocol::kRun);
    EXPECT_EQ(fake.LastLParam(), reinterpret_cast<LPARAM>(fake.Window()));
    EXPECT_EQ(display.mask, 30);
    EXPECT_EQ(display.caption, L"Stop service");
    EXPECT_EQ(display.text, L"Service is running. All the functions are avaliable.");

    EXPECT_TRUE(service::PostServiceAction(protocol::kScrapAll));
    for (int i = 0; i < 100 && fake.LastAction() < 0; ++i) Sleep(10);
    EXPECT_EQ(fake.LastAction(), protocol::kScrapAll);
}

TEST(ServiceLink, AReplyOutsideTheStatesOnlyResetsTheCaption) {
    FakeService fake(FakeService::Mode::kAnswer, 7);
    RecordingDisplay display;
    display.caption = L"Stop service";
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kRestart), 7);
    EXPECT_EQ(display.caption, L"Start service");
    EXPECT_EQ(display.mask, -1);
    EXPECT_EQ(display.text, L"(unset)");
}

TEST(ServiceLink, AHungServiceCountsAsStoppedAfterABoundedWait) {
    FakeService fake(FakeService::Mode::kHang, protocol::kRunning);
    RecordingDisplay display;
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kQuery), 0);
    EXPECT_EQ(display.text, L"Service is stopped. Start the service first.");
}

TEST(ServiceLink, NotificationsCountOnlyWithTheServiceHandleMinusOne) {
    EXPECT_FALSE(service::IsFromService(0));
    FakeService fake(FakeService::Mode::kAnswer, 2);
    LPARAM handle = reinterpret_cast<LPARAM>(fake.Window());
    EXPECT_TRUE(service::IsFromService(handle - 1));
    EXPECT_FALSE(service::IsFromService(handle));
    EXPECT_FALSE(service::IsFromService(handle + 1));
}

TEST(ServiceLink, AfterATimeoutCommandsFailAtOnceUntilTheServiceNotifiesAgain) {
    FakeService hung(FakeService::Mode::kHang, protocol::kRunning);
    RecordingDisplay display;
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kQuery), 0);  // waits, then gives up

    ULONGLONG start = GetTickCount64();
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kRestart), 0);
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kStop), 0);
    EXPECT_LT(GetTickCount64() - start, service::kReplyTimeoutMs / 2);
    EXPECT_EQ(display.mask, 1);

    // A notification shows that it answers again: the next command waits for it once more.
    EXPECT_TRUE(service::IsFromService(reinterpret_cast<LPARAM>(hung.Window()) - 1));
    start = GetTickCount64();
    EXPECT_EQ(service::SendServiceCommand(&display, protocol::kQuery), 0);
    EXPECT_GE(GetTickCount64() - start, service::kReplyTimeoutMs / 2);
}

TEST(ServiceLink, ATimeoutDoesNotHoldBackAnotherServiceWindow) {
    {
        FakeService hung(FakeService::Mode::kHang, protocol::kRunning);
        EXPECT_EQ(service::SendServiceCommand(nullptr, protocol::kQuery), 0);
    }
    FakeService fresh(FakeService::Mode::kAnswer, protocol::kIdle);
    EXPECT_EQ(service::SendServiceCommand(nullptr, protocol::kPause), protocol::kIdle);
    EXPECT_EQ(fresh.LastCommand(), protocol::kPause);
}
