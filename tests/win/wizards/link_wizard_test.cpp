// The shortcut wizard driven through messages, making and reading real shortcut files.
#include "wizards/link_wizard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/wizards/link_plan.h"
#include "tests/win/ui/modal_driver.h"
#include "tests/win/wizards/dialog_answerer.h"
#include "tests/win/wizards/link_files.h"
#include "tests/win/wizards/link_wizard_driver.h"
#include "ui/form_loader.h"
#include "wizards/shell_link.h"
#include "wizards/shell_places.h"

using namespace link_wizard_driver;
using link_files::ScratchFolder;
using testing_support::ShowModalAndDo;

namespace {

class LinkWizard : public ::testing::Test {
protected:
    void SetUp() override {
        Prepare();
        wizard = ui::CreateForm<TLinkWiz>();
    }

    // Runs `steps` inside the shown wizard, then cancels it unless the steps closed it.
    int Run(const std::function<void()>& steps) {
        return ShowModalAndDo(*wizard, [&] {
            steps();
            if (IsWindowVisible(wizard->Handle())) Press(wizard->LinkWizard->ButtonCancel().Control());
        });
    }

    ui::FormPtr<TLinkWiz> wizard;
};

// A shortcut to the service program with every field set, as a user's shortcut might be.
std::wstring MakeSourceShortcut(const std::wstring& file, const std::wstring& workingDir) {
    wizards::ShortcutInfo link;
    link.targetPath = link_files::ServiceProgram();
    link.arguments = L"\"some file.txt\" -q";
    link.workingDir = workingDir;
    link.description = L"My tool";
    link.iconPath = link.targetPath;
    link.iconIndex = 1;
    link.hotKey = 0x0654;  // Ctrl+Alt+T
    link.showState = wizards::kShowMinimized;
    EXPECT_TRUE(wizards::SaveShellLink(file, link));
    return file;
}

}  // namespace

TEST_F(LinkWizard, TheSourcePageWaitsForAFileAndTakesOnlyItsOwnDrops) {
    ScratchFolder folder(L"drops");
    const std::wstring file = folder.Path() + L"\\notes.txt";
    link_files::WriteText(file, "x");
    Run([&] {
        EXPECT_EQ(wizard->LinkWizard->ActivePage(), wizard->KWizardWelcomePage1);
        EXPECT_FALSE(wizard->AcceptsDrops());
        DropFile(wizard->Handle(), file);  // the welcome page takes nothing
        EXPECT_TRUE(wizard->Edit1->Caption().empty());

        Next(*wizard);
        EXPECT_EQ(wizard->LinkWizard->ActivePage(), wizard->KWizardInteriorPage1);
        EXPECT_TRUE(wizard->AcceptsDrops());
        EXPECT_FALSE(NextEnabled(*wizard));
        DropFile(wizard->Handle(), file);
        EXPECT_EQ(wizard->Edit1->Caption(), file);
        EXPECT_TRUE(NextEnabled(*wizard));
        EXPECT_FALSE(wizard->Source().sourceIsShortcut);
        EXPECT_EQ(wizard->Source().sourcePath, file);

        Next(*wizard);
        EXPECT_EQ(wizard->LinkWizard->ActivePage(), wizard->KWizardInteriorPage2);
        EXPECT_FALSE(wizard->AcceptsDrops());
        DropFile(wizard->Handle(), folder.Path() + L"\\other.txt");  // a later page takes nothing
        EXPECT_EQ(wizard->Edit1->Caption(), file);
        Back(*wizard);
        EXPECT_TRUE(wizard->AcceptsDrops());
        Back(*wizard);
        EXPECT_FALSE(wizard->AcceptsDrops());
    });
}

TEST_F(LinkWizard, PlacementChoicesAndTheSpecifiedFolderField) {
    Run([&] {
        EXPECT_EQ(wizard->PlacementMode(), wizards::kPlaceOnDesktop);
        EXPECT_FALSE(wizard->Edit2->Enabled());
        for (auto* radio : {wizard->RadioButton7, wizard->RadioButton8, wizard->RadioButton10, wizard->RadioButton9})
            EXPECT_FALSE(radio->Checked());
        Press(*wizard->RadioButton9);
        EXPECT_EQ(wizard->PlacementMode(), wizards::kPlaceSpecified);
        EXPECT_TRUE(wizard->Edit2->Enabled());
        wizard->Edit2->SetText(L"C:\\somewhere");
        Press(*wizard->RadioButton8);
        EXPECT_EQ(wizard->PlacementMode(), wizards::kPlaceInTargetFolder);
        EXPECT_FALSE(wizard->Edit2->Enabled());
        Press(*wizard->RadioButton10);
        EXPECT_EQ(wizard->PlacementMode(), wizards::kPlaceBesideShortcut);
        Press(*wizard->RadioButton9);
        EXPECT_TRUE(wizard->Edit2->Caption().empty());  // cleared at every choice of it
        Press(*wizard->RadioButton7);
        EXPECT_EQ(wizard->PlacementMode(), wizards::kPlaceOnDesktop);
    });
}

TEST_F(LinkWizard, APlacementUntouchedPutsTheShortcutOnTheDesktop) {
    const std::wstring program = link_files::ServiceProgram();
    const std::wstring made = wizards::DesktopFolder() + L"\\Velocitor TesslyMBsrv.exe.lnk";
    link_files::Removed removed(made);
    Run([&] {
        Next(*wizard);
        DropFile(wizard->Handle(), program);
        Next(*wizard);
        Press(*wizard->RadioButton1);
        wizard->SpinEdit1->SetValue(48);
        Next(*wizard);
        Press(*wizard->RadioButton5);
        Next(*wizard);
        Finish(*wizard);
    });
    std::optional<wizards::ShortcutInfo> read = wizards::ReadShellLink(made);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->targetPath, program);  // the service beside this program
    EXPECT_EQ(read->arguments, L"\"48\" \"r\" \"" + program + L"\"");
    EXPECT_EQ(read->workingDir, wizards::FolderOf(program));
    EXPECT_EQ(read->iconPath, program);
    EXPECT_EQ(read->iconIndex, 0);
    EXPECT_EQ(read->showState, wizards::kShowNormal);
    EXPECT_EQ(read->hotKey, 0);
}

TEST_F(LinkWizard, AnAutomaticAmountIsLeftToTheService) {
    ScratchFolder folder(L"automatic");
    const std::wstring file = folder.Path() + L"\\a b.txt";
    link_files::WriteText(file, "x");
    Run([&] {
        Next(*wizard);
        DropFile(wizard->Handle(), file);
        Next(*wizard);
        EXPECT_TRUE(wizard->RadioButton2->Checked());
        Next(*wizard);
        Press(*wizard->RadioButton6);
        Next(*wizard);
        Press(*wizard->RadioButton8);
        Finish(*wizard);
    });
    std::optional<wizards::ShortcutInfo> read = wizards::ReadShellLink(folder.Path() + L"\\Velocitor a b.txt.lnk");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->arguments, L"\"-1\" \"e\" \"" + file + L"\"");
    EXPECT_EQ(read->workingDir, folder.Path());
}

TEST_F(LinkWizard, AShortcutAsSourceIsDescribedAndItsFieldsCarriedOver) {
    ScratchFolder folder(L"source link");
    const std::wstring source = MakeSourceShortcut(folder.Path() + L"\\My Tool.LNK", folder.Path());
    Run([&] {
        Next(*wizard);
        DropFile(wizard->Handle(), source);
        EXPECT_TRUE(wizard->Source().sourceIsShortcut);
        EXPECT_EQ(wizard->Source().shortcutName, L"My Tool");
        const std::vector<std::wstring> lines = wizard->Memo1->Lines().Lines();
        ASSERT_EQ(lines.size(), 13u);
        EXPECT_EQ(lines[0], L"Shortcut  : My Tool");
        EXPECT_EQ(lines[3], L"Target path: \t" + link_files::ServiceProgram());
        EXPECT_EQ(lines[5], L"Parameters: \t\"some file.txt\" -q");
        EXPECT_EQ(lines[9], L"Shortcut key: \tCtrl+Alt+T");
        EXPECT_EQ(lines[12], L"Show state: \tMinimized");
        Next(*wizard);
        Press(*wizard->RadioButton1);
        wizard->SpinEdit1->SetValue(20);
        Next(*wizard);
        Next(*wizard);
        Press(*wizard->RadioButton10);
        Finish(*wizard);
    });
    std::optional<wizards::ShortcutInfo> read = wizards::ReadShellLink(folder.Path() + L"\\Velocitor My Tool.lnk");
    ASSERT_TRUE(read);
    const std::wstring service = link_files::ServiceProgram();
    EXPECT_EQ(read->targetPath, service);
    // The source's folder and window go to the service for its target, whose arguments follow
    // as they were written.
    EXPECT_EQ(
        read->arguments,
        L"\"20\" \"s\" \"" + service + L"\" \"/startin:" + folder.Path() + L"\" \"/show:1\" \"some file.txt\" -q"
    );
    EXPECT_EQ(read->workingDir, service.substr(0, service.find_last_of(L'\\')));
    EXPECT_EQ(read->description, L"My tool");
    EXPECT_EQ(read->iconPath, service);
    EXPECT_EQ(read->iconIndex, 1);
    EXPECT_EQ(read->hotKey, 0x0654);
    EXPECT_EQ(read->showState, wizards::kShowNormal);
}

TEST_F(LinkWizard, AnUnreadableShortcutIsReportedAndChangesNothing) {
    ScratchFolder folder(L"unreadable");
    const std::wstring good = folder.Path() + L"\\good.txt";
    link_files::WriteText(good, "x");
    const std::wstring broken = folder.Path() + L"\\broken.lnk";
    link_files::WriteText(broken, "not a shortcut");
    DialogAnswerer answerer;
    Run([&] {
        Next(*wizard);
        DropFile(wizard->Handle(), good);
        DropFile(wizard->Handle(), broken);
        EXPECT_EQ(wizard->Edit1->Caption(), good);
        EXPECT_EQ(wizard->Source().sourcePath, good);
    });
    EXPECT_EQ(answerer.Messages(), std::vector<std::wstring>{L"Couldn't get link info."});
}

TEST_F(LinkWizard, FoldersMissingTargetsAndCutNamesAreRefusedAsSources) {
    ScratchFolder folder(L"refused");
    const std::wstring good = folder.Path() + L"\\good.txt";
    link_files::WriteText(good, "x");
    const std::wstring subfolder = folder.Path() + L"\\Sub Folder";
    CreateDirectoryW(subfolder.c_str(), nullptr);
    wizards::ShortcutInfo toFolder;
    toFolder.targetPath = subfolder;
    const std::wstring folderLink = folder.Path() + L"\\to folder.lnk";
    ASSERT_TRUE(wizards::SaveShellLink(folderLink, toFolder));
    const std::wstring longName = folder.Path() + L"\\" + std::wstring(260, L'n') + L".txt";
    DialogAnswerer answerer;
    Run([&] {
        Next(*wizard);
        DropFile(wizard->Handle(), good);
        for (const std::wstring& refused : {subfolder, folderLink, longName}) {
            DropFile(wizard->Handle(), refused);
            EXPECT_EQ(wizard->Edit1->Caption(), good);
            EXPECT_EQ(wizard->Source().sourcePath, good);
            EXPECT_FALSE(wizard->Source().sourceIsShortcut);
        }
    });
    const std::vector<std::wstring> messages = answerer.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].find(L"\"" + subfolder + L"\" cannot be started boosted"), 0u);
    EXPECT_EQ(messages[1].find(L"\"" + folderLink + L"\" cannot be started boosted"), 0u);
    EXPECT_NE(messages[2].find(L"longer than 255 characters"), std::wstring::npos);
}

TEST_F(LinkWizard, AnExistingShortcutIsReplacedOnlyWhenTheUserSaysYes) {
    ScratchFolder folder(L"replace");
    const std::wstring file = folder.Path() + L"\\tool.exe";
    link_files::WriteText(file, "x");
    const std::wstring made = folder.Path() + L"\\Velocitor tool.exe.lnk";
    link_files::WriteText(made, "the user's own file");
    auto finishWith = [&](int answer) {
        DialogAnswerer answerer(L"", answer);
        wizard = ui::CreateForm<TLinkWiz>();
        Run([&] {
            Next(*wizard);
            DropFile(wizard->Handle(), file);
            Next(*wizard);
            Next(*wizard);
            Next(*wizard);
            Press(*wizard->RadioButton8);
            Finish(*wizard);
        });
        EXPECT_EQ(answerer.Messages(), std::vector<std::wstring>{
            L"The shortcut \"" + made + L"\" already exists. Do you want to replace it?"});
        EXPECT_EQ(answerer.YesNoCaptions(), std::vector<std::wstring>{L"&Yes|&No"});
    };
    finishWith(IDNO);
    EXPECT_EQ(link_files::ReadText(made), "the user's own file");
    finishWith(IDYES);
    std::optional<wizards::ShortcutInfo> read = wizards::ReadShellLink(made);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->targetPath, link_files::ServiceProgram());
}

TEST_F(LinkWizard, AShortcutThatCannotBeSavedIsReportedAndTheWizardStaysOpen) {
    ScratchFolder folder(L"cannot save");
    const std::wstring file = folder.Path() + L"\\tool.exe";
    link_files::WriteText(file, "x");
    const std::wstring missing = folder.Path() + L"\\missing";
    DialogAnswerer answerer;
    bool openAfterFailure = false;
    Run([&] {
        Next(*wizard);
        DropFile(wizard->Handle(), file);
        Next(*wizard);
        Next(*wizard);
        Next(*wizard);
        Press(*wizard->RadioButton9);
        wizard->Edit2->SetText(missing);
        Finish(*wizard);
        openAfterFailure = IsWindowVisible(wizard->Handle()) && wizard->GetModalResult() == 0;
        // A folder named without its drive would be taken from the current folder.
        Press(*wizard->RadioButton9);
        wizard->Edit2->SetText(L"relative");
        Finish(*wizard);
        // Another place is chosen and the shortcut made.
        Press(*wizard->RadioButton8);
        Finish(*wizard);
    });
    EXPECT_TRUE(openAfterFailure);
    ASSERT_EQ(answerer.Messages().size(), 2u);
    EXPECT_NE(answerer.Messages()[0].find(missing + L"\\Velocitor tool.exe.lnk"), std::wstring::npos);
    EXPECT_NE(answerer.Messages()[1].find(L"\"relative\\Velocitor tool.exe.lnk\""), std::wstring::npos);
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(link_files::FilesIn(folder.Path()), (std::vector<std::wstring>{L"Velocitor tool.exe.lnk", L"tool.exe"}));
}

TEST_F(LinkWizard, BrowsingTakesTheChosenFileAndShortcutsThemselves) {
    ScratchFolder folder(L"browse");
    const std::wstring source = MakeSourceShortcut(folder.Path() + L"\\Browsed.lnk", folder.Path());
    EXPECT_EQ(wizard->OpenLink->Filter(), L"Executables|*.exe; *.com; *.bat; *.cmd|Shortcuts|*.lnk|All files|*.*");
    DialogAnswerer answerer(source);
    Run([&] {
        Next(*wizard);
        Press(*wizard->Button1);
        EXPECT_EQ(wizard->Edit1->Caption(), source);
        EXPECT_TRUE(wizard->Source().sourceIsShortcut);  // the shortcut itself, not its target
    });
}
