// The main window's Language menu: filled by the localizer, switching the open window, the
// resource strings, the stored choice and the service's tray texts.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/startup.h"
#include "core/service/service_protocol.h"
#include "core/settings/settings_table.h"
#include "localizer/localizer_on_fly.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "tests/win/app/main_window_rig.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/service/fake_service.h"
#include "tests/win/support/test_support.h"
#include "ui/image_list.h"
#include "ui/menu.h"

using namespace testing_support;

namespace {

std::string RawText(const char* name) {
    const auto value = ReadRawValue(name);
    return value ? std::string(value->begin(), value->end()) : "(none)";
}

// The main window with the localizer reading this test's language files, and a service
// that answers.
class MainWindowLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        ResetSettingsKey();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        moduleFolder_ = temp;
        localizer::KLocalizerOnFly& localizer = localizer::Localizer();
        localizer.ModuleFolder = moduleFolder_;
        localizer.Init(
            platform::Widen(settings::kSettingsKeyPath), platform::ProgramFolder() + L"main_language_data\\"
        );
        fake_.emplace(FakeService::Mode::kAnswer, protocol::kRunning);
        window = CreateMainWindow();
    }
    void TearDown() override {
        window.reset();
        fake_.reset();
        DeleteFileW((moduleFolder_ + L"main_window_language_test.DEU").c_str());
        app::SetLanguageFileName(L"english");
        ResetSettingsKey();
    }

    std::wstring moduleFolder_;
    std::optional<FakeService> fake_;
    ui::FormPtr<TFMCFGClass> window;
};

TEST_F(MainWindowLanguage, TheLanguageMenuSwitchesTheWholeProgramAndBack) {
    FakeService& fake = *fake_;

    ui::MenuItem& menu = *window->Language1;
    ASSERT_TRUE(menu.Enabled());
    ASSERT_EQ(menu.Items().size(), 2u);
    ui::MenuItem& english = *menu.Items()[0];
    ui::MenuItem& german = *menu.Items()[1];
    EXPECT_EQ(english.Caption(), L"English");
    EXPECT_EQ(german.Caption(), L"German");
    EXPECT_TRUE(english.Checked());

    german.Click();
    EXPECT_EQ(window->Language1->Caption(), L"Sprache");
    EXPECT_EQ(window->Charts03->Caption(), L"Speicher");
    EXPECT_EQ(menu.Items().size(), 2u);  // the items the localizer made stay
    EXPECT_TRUE(german.Checked());
    EXPECT_FALSE(english.Checked());
    EXPECT_EQ(RawText("LocalizerExt"), std::string("DEU") + '\0');
    EXPECT_EQ(RawText("LangFileName"), std::string("German") + '\0');
    EXPECT_EQ(RawText("LangTrayPack"), "[Tessly Dozidi Davazez]   Speicher: %d %%,  Prozessor: %d %%");
    EXPECT_EQ(fake.LastCommand(), protocol::kRestart);
    EXPECT_EQ(app::LanguageFileName(), L"German");
    {
        // A language module carries texts and forms only: pictures still come from the program.
        ui::ImageList toolbarImages(nullptr);
        toolbarImages.SetResourceName(L"MMIMAGES");
        EXPECT_EQ(toolbarImages.Count(), window->MMImages->Count());
        EXPECT_GT(toolbarImages.Count(), 0);
    }

    english.Click();
    EXPECT_EQ(window->Language1->Caption(), L"Language");
    EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_EQ(RawText("LocalizerExt"), std::string("EXE") + '\0');
    EXPECT_EQ(RawText("LangFileName"), std::string("English") + '\0');
    EXPECT_EQ(RawText("LangTrayPack"), "[Tessly Dozidi Davazez]   Memory : %d %%,  Processor : %d %%");
}

// The system's help viewer shows the help file's own title; the window is closed again.
bool HelpWindowOpened(const wchar_t* title) {
    HWND viewer = FindWindowW(nullptr, title);
    if (!viewer) return false;
    SendMessageW(viewer, WM_CLOSE, 0, 0);
    return !IsWindow(viewer);
}

TEST_F(MainWindowLanguage, HelpTopicsOpenTheHelpFileOfTheCurrentLanguage) {
    ui::MenuItem& english = *window->Language1->Items()[0];
    ui::MenuItem& german = *window->Language1->Items()[1];
    english.Click();

    window->MM_0501->Click();
    EXPECT_TRUE(HelpWindowOpened(L"Tessly Dozidi Davazez Help"));
    german.Click();
    window->MM_0501->Click();
    EXPECT_TRUE(HelpWindowOpened(L"Hilfe zu Tessly Dozidi Davazez"));

    english.Click();
}

}  // namespace
