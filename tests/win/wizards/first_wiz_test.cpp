// The first-run wizard: the "Open boosted" verb, registered for the user under
// HKEY_CURRENT_USER\Software\Classes, and how each way of ending the wizard shapes the rest of
// the start.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "platform/program_folder.h"
#include "platform/registry.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "tests/win/support/test_support.h"
#include "tests/win/wizards/dialog_answerer.h"
#include "tests/win/wizards/wizard_driver.h"
#include "ui/form_loader.h"
#include "wizards/first_wiz.h"
#include "wizards/shell_verb_keys.h"
#include "wizards/wizard_components.h"

using namespace testing_support;
using platform::RegistryKey;
using wizards::bkCancel;
using wizards::bkFinish;
using wizards::bkNext;

namespace {

// Below a classes key: the user's (HKEY_CURRENT_USER\Software\Classes) or the machine's
// (HKEY_CLASSES_ROOT).
constexpr const wchar_t* kShell = L"*\\shell";
constexpr const wchar_t* kVerb = L"*\\shell\\TesslyDavIdade";
constexpr const wchar_t* kCommand = L"*\\shell\\TesslyDavIdade\\command";

struct Place {
    HKEY root;
    std::wstring prefix;
};
const Place kUser{HKEY_CURRENT_USER, L"Software\\Classes\\"};
const Place kMachine{HKEY_CLASSES_ROOT, L""};

std::optional<std::wstring> DefaultText(const wchar_t* key, const Place& place = kUser) {
    return RegistryKey::Open(place.root, place.prefix + key).ReadString(L"");
}

void SetDefaultText(const wchar_t* key, const std::wstring& text, const Place& place = kUser) {
    RegistryKey::Create(place.root, place.prefix + key).WriteString(L"", text);
}

bool KeyExists(const wchar_t* key, const Place& place = kUser) {
    return static_cast<bool>(RegistryKey::Open(place.root, place.prefix + key));
}

void DeleteVerbs() {
    for (const Place* place : {&kUser, &kMachine}) RegistryKey::DeleteTree(place->root, place->prefix + kVerb);
}

class FirstWizard : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        wizards::RegisterWizardComponents();
        ResetSettingsKey();
        wizards::SetConfigWizardDeferred(0);
        shellBefore_ = DefaultText(kShell);
        DeleteVerbs();
        RegistryKey::Open(HKEY_CURRENT_USER, kUser.prefix + kShell, KEY_SET_VALUE).DeleteValue(L"");
    }
    void TearDown() override {
        wizards::OverrideShellVerbRoots(nullptr, nullptr);
        DeleteVerbs();
        if (shellBefore_) {
            SetDefaultText(kShell, *shellBefore_);
        } else {
            RegistryKey::Open(HKEY_CURRENT_USER, kUser.prefix + kShell, KEY_SET_VALUE).DeleteValue(L"");
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
    std::optional<std::wstring> shellBefore_;
};

std::wstring ExpectedCommand() { return L"\"" + platform::ProgramFolder() + L"TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\""; }

}  // namespace

TEST_F(FirstWizard, FinishWithTheBoxCheckedWritesTheVerbForTheUserAndCompletes) {
    EXPECT_EQ(RunToLastPage(true, bkFinish), ui::mrOk);
    EXPECT_EQ(DefaultText(kVerb), L"Open boosted");
    EXPECT_EQ(DefaultText(kCommand), ExpectedCommand());
    EXPECT_EQ(DefaultText(kShell), L" ");
    EXPECT_FALSE(KeyExists(kVerb, kMachine));  // no administrator rights needed
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
    EXPECT_EQ(wizards::ConfigWizardDeferred(), 0);
}

TEST_F(FirstWizard, AShellDefaultOfAnotherProgramIsLeftAlone) {
    SetDefaultText(kShell, L"openwith");
    EXPECT_EQ(RunToLastPage(true, bkFinish), ui::mrOk);
    EXPECT_EQ(DefaultText(kShell), L"openwith");
    EXPECT_EQ(DefaultText(kVerb), L"Open boosted");
}

TEST_F(FirstWizard, FinishWithTheBoxClearRemovesAnExistingVerbFromBothPlaces) {
    for (const Place* place : {&kUser, &kMachine}) {
        SetDefaultText(kVerb, L"Open boosted", *place);
        SetDefaultText(kCommand, L"old", *place);
    }
    EXPECT_EQ(RunToLastPage(false, bkFinish), ui::mrOk);
    EXPECT_FALSE(KeyExists(kVerb));
    EXPECT_FALSE(KeyExists(kVerb, kMachine));
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

// A standard user's refusals, stood in by root keys that cannot be opened, since this system
// grants every registry access.
TEST_F(FirstWizard, ARefusedVerbIsSaidOnceAndTheWizardStillFinishes) {
    const HKEY refused = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654321));
    wizards::OverrideShellVerbRoots(refused, refused);
    DialogAnswerer answerer;
    EXPECT_EQ(RunToLastPage(true, bkFinish), ui::mrOk);
    ASSERT_EQ(answerer.Messages().size(), 1u);
    EXPECT_EQ(answerer.Messages()[0], platform::LoadResString(str::SOpenBoostedNotAdded));
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
}

TEST_F(FirstWizard, ARefusedMachineWideRemovalStillRemovesTheUsersVerb) {
    SetDefaultText(kVerb, L"Open boosted");
    wizards::OverrideShellVerbRoots(nullptr, reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654321)));
    wizards::RemoveShellVerb();
    EXPECT_FALSE(KeyExists(kVerb));
}

TEST_F(FirstWizard, AFolderWithSpacesAndAnyScriptIsQuotedAsAWholeAndKeptExactly) {
    wizards::WriteShellVerb(L"C:\\Program Files\\Tessly Тест Ω\\");
    EXPECT_EQ(DefaultText(kCommand), L"\"C:\\Program Files\\Tessly Тест Ω\\TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
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
    EXPECT_EQ(DefaultText(kVerb), L"Beschleunigt starten");
    EXPECT_EQ(DefaultText(kCommand), L"\"C:\\MB\\TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
}
