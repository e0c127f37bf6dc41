// "Apply" against the real booster service: the service rereads the settings at once, while
// "Ok" leaves it running on the old ones until it is next told to restart.
#include <gtest/gtest.h>

#include "settings/options_window.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/settings/settings_window_driver.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/hot_key.h"

using namespace testing_support;

namespace {

// Whether some program holds the system-wide hot key; it is given back at once when free.
bool HotKeyHeld(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 1, modifiers, key)) return true;
    UnregisterHotKey(nullptr, 1);
    return false;
}

class OptionsWithService : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        StopAnyService();
        ResetSettingsKey();
    }
    void TearDown() override {
        service_.Stop();
        StopAnyService();
        ResetSettingsKey();
    }
    ServiceProcess service_;
};

}  // namespace

TEST_F(OptionsWithService, ApplyMakesTheRunningServiceTakeUpNewHotKeysAndOkDoesNot) {
    ASSERT_TRUE(service_.Start());
    ASSERT_NE(service_.WaitForWindow(), nullptr);
    ASSERT_TRUE(PumpUntil([] { return HotKeyHeld(MOD_CONTROL | MOD_ALT, 'A'); }));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Q'));

    auto window = ui::CreateForm<TOptWnd>();
    ShowModalAndDo(*window, [&] {
        window->Hk221->SetShortCut(ui::kScCtrl | ui::kScAlt | 'Q');
        Tick(*window->Cb112);  // an edit lights up "Apply"
        Press(*window->Button1);
        EXPECT_TRUE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Q'));
        EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'A'));
        EXPECT_FALSE(window->Button1->Enabled());

        // "Ok" saves but does not tell the service.
        window->Hk221->SetShortCut(ui::kScCtrl | ui::kScAlt | 'A');
        Press(*window->Button3);
    });
    EXPECT_EQ(ReadRawDword("HotSleepKey"), 49217);
    EXPECT_TRUE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'A'));
}
