// The first-run wizard: the "Open boosted" verb under HKEY_CLASSES_ROOT and how each way of
// ending the wizard shapes the rest of the start.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "tests/win/support/test_support.h"
#include "tests/win/wizards/wizard_driver.h"
#include "ui/form_loader.h"
#include "wizards/first_wiz.h"
#include "wizards/shell_verb_keys.h"
#include "wizards/wizard_components.h"

using namespace testing_support;
using wizards::bkCancel;
using wizards::bkFinish;
using wizards::bkNext;

namespace {

constexpr const char* kShell = "*\\shell";
constexpr const char* kVerb = "*\\shell\\TesslyDavIdade";
constexpr const char* kCommand = "*\\shell\\TesslyDavIdade\\command";

std::optional<std::string> DefaultText(const char* key) {
    char data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

void SetDefaultText(const char* key, const std::string& text) {
    RegSetKeyValueA(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool KeyExists(const char* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

class FirstWizard : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        wizards::RegisterWizardComponents();
        ResetSettingsKey();
        wizards::SetConfigWizardDeferred(0);
        shellBefore_ = DefaultText(kShell);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kVerb);
        RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kShell, nullptr);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kVerb);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, kVerb);
        if (shellBefore_) {
            SetDefaultText(kShell, *shellBefore_);
        } else {
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kShell, nullptr);
        }
    }

    // Goes to the last page, ticking the shell command on the way when asked, and ends
    // with `last`.
    int RunToLastPage(bool addVerb, wizards::TKWizardButtonKind last) {
        auto wizard = ui::CreateForm<TFirstWiz>();
        return ShowModalAndDo(*wizard, [&] {
            TFirstWiz& w = *wizard;
            Press(*w.KWizard1, bkNext);
            if (addVerb) SendMessageW(w.CheckBox1->Handle(), BM_CLICK, 0, 0);
            Press(*w.KWizard1, bkNext);
            EXPECT_EQ(w.KWizard1->ActivePage(), w.KWizardInteriorPage3);
            EXPECT_FALSE(w.KWizard1->Button(bkNext).Control().Visible());
            Press(*w.KWizard1, last);
        });
    }

private:
    std::optional<std::string> shellBefore_;
};

std::string ExpectedCommand() {
    std::string command(1, '"');
    command += platform::Narrow(platform::ProgramFolder());
    command += "TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"";
    return command;
}

}  // namespace

TEST_F(FirstWizard, FinishWithTheBoxCheckedWritesTheVerbAndCompletes) {
    EXPECT_EQ(RunToLastPage(true, bkFinish), ui::mrOk);
    EXPECT_EQ(DefaultText(kVerb), "Open boosted");
    EXPECT_EQ(DefaultText(kCommand), ExpectedCommand());
    EXPECT_EQ(DefaultText(kShell), " ");
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
    EXPECT_EQ(wizards::ConfigWizardDeferred(), 0);
}

TEST_F(FirstWizard, AShellDefaultOfAnotherProgramIsLeftAlone) {
    SetDefaultText(kShell, "openwith");
    EXPECT_EQ(RunToLastPage(true, bkFinish), ui::mrOk);
    EXPECT_EQ(DefaultText(kShell), "openwith");
    EXPECT_EQ(DefaultText(kVerb), "Open boosted");
}

TEST_F(FirstWizard, FinishWithTheBoxClearRemovesAnExistingVerb) {
    SetDefaultText(kVerb, "Open boosted");
    SetDefaultText(kCommand, "old");
    EXPECT_EQ(RunToLastPage(false, bkFinish), ui::mrOk);
    EXPECT_FALSE(KeyExists(kCommand));
    EXPECT_FALSE(KeyExists(kVerb));
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
}

TEST_F(FirstWizard, CancelOnTheLastPagePostponesTheQuestionsAndLeavesTheShellAlone) {
    EXPECT_EQ(RunToLastPage(true, bkCancel), ui::mrCancel);
    EXPECT_FALSE(KeyExists(kVerb));
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
    EXPECT_EQ(wizards::ConfigWizardDeferred(), -1);
}

TEST_F(FirstWizard, CancelEarlierChangesNothing) {
    auto wizard = ui::CreateForm<TFirstWiz>();
    int result = ShowModalAndDo(*wizard, [&] {
        EXPECT_EQ(wizard->Caption(), L"[Tessly Dozidi Davazez] - Setup wizard");
        EXPECT_EQ(wizard->KWizard1->ActivePage(), wizard->KWizardWelcomePage1);
        Press(*wizard->KWizard1, bkNext);
        EXPECT_FALSE(wizard->CheckBox1->Checked());
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), std::nullopt);
    EXPECT_EQ(wizards::ConfigWizardDeferred(), 0);
    EXPECT_FALSE(KeyExists(kVerb));
}

TEST_F(FirstWizard, AFolderWithSpacesIsQuotedAsAWhole) {
    wizards::WriteShellVerb(L"C:\\Program Files\\Tessly MB\\");
    EXPECT_EQ(DefaultText(kCommand), "\"C:\\Program Files\\Tessly MB\\TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
    wizards::RemoveShellVerb();
    EXPECT_FALSE(KeyExists(kVerb));
    // Removing what is not there is no failure.
    wizards::RemoveShellVerb();
}

TEST_F(FirstWizard, TheMenuTextFollowsTheCurrentLanguage) {
    HMODULE translated = LoadLibraryExW(L"translated_strings.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(translated);
    platform::SetResourceSource(translated);
    wizards::WriteShellVerb(L"C:\\MB\\");
    platform::SetResourceSource(nullptr);
    FreeLibrary(translated);
    EXPECT_EQ(DefaultText(kVerb), "Beschleunigt starten");
    EXPECT_EQ(DefaultText(kCommand), "\"C:\\MB\\TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
}
