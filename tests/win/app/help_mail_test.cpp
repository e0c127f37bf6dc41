// The Help menu's mail items of the main window, with a recording mail library in the
// system's place.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "tests/win/app/main_window_rig.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"
#include "ui/menu.h"

using namespace testing_support;

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class HelpMail : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        ResetSettingsKey();
        record_ = std::filesystem::temp_directory_path() /
                  ("help-mail-" + std::to_string(GetCurrentProcessId()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
        std::filesystem::remove(record_);
        SetEnvironmentVariableW(L"MAPI_RECORD_FILE", record_.c_str());
        mailLibrary_.emplace(RecordingMailLibrary(L"accepting"));
        window = CreateMainWindow();
    }
    void TearDown() override {
        window.reset();
        mailLibrary_.reset();
        SetEnvironmentVariableW(L"MAPI_RECORD_FILE", nullptr);
        std::filesystem::remove(record_);
        ResetSettingsKey();
    }

    // The text of the recorded mails, once the mail thread has finished one more.
    std::string WaitForMails(std::size_t count) {
        std::string text;
        PumpUntil(
            [&] {
                text = ReadAll(record_);
                std::size_t found = 0;
                for (std::size_t at = text.find("<end of mail>"); at != std::string::npos;
                     at = text.find("<end of mail>", at + 1)) {
                    ++found;
                }
                return found >= count;
            },
            10000
        );
        return text;
    }

    std::filesystem::path record_;
    std::optional<SystemMailLibrary> mailLibrary_;
    ui::FormPtr<TFMCFGClass> window;
};

}  // namespace

TEST_F(HelpMail, BugReportAndTellAFriendOpenTheirMailsAndTheWindowWaitsTwoSecondsForEach) {
    EXPECT_TRUE(window->MM_050401->Enabled());
    EXPECT_TRUE(window->MM_050403->Enabled());

    ULONGLONG start = GetTickCount64();
    window->MM_050401->Click();
    EXPECT_GE(GetTickCount64() - start, 1900u);  // the pause that lets the mail program come up
    std::string text = WaitForMails(1);
    EXPECT_NE(text.find("flags=8\n"), std::string::npos) << text;
    EXPECT_NE(text.find("recipient=1||support@tesslysoftware.example\n"), std::string::npos) << text;
    EXPECT_NE(text.find("subject=TesslySoftware : TesslyDozidiDavazez\n"), std::string::npos) << text;
    EXPECT_NE(text.find("body=\nProgram doesn't work on my computer."), std::string::npos) << text;

    window->MM_050403->Click();
    text = WaitForMails(2);
    EXPECT_NE(text.find("recipient=1||friend@address.here\n"), std::string::npos) << text;
    EXPECT_NE(
        text.find("subject=I've found a greatest program for tunning your system! Enjoy it!\n"), std::string::npos
    ) << text;
}
