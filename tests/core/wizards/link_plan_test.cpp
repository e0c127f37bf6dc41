#include "core/wizards/link_plan.h"

#include <gtest/gtest.h>

using namespace wizards;
using booster::AfterLaunch;

namespace {

LinkSource FileSource(const std::wstring& path) { return {false, path, {}, {}}; }

LinkSource ShortcutSource() {
    LinkSource source;
    source.sourceIsShortcut = true;
    source.sourcePath = L"C:\\Users\\me\\Start Menu\\Editor.LNK";
    source.shortcutName = L"Editor";
    source.shortcutInfo.targetPath = L"D:\\Tools\\edit.exe";
    source.shortcutInfo.arguments = L"-n \"my notes.txt\"";
    source.shortcutInfo.workingDir = L"D:\\Notes";
    source.shortcutInfo.description = L"Edits notes";
    source.shortcutInfo.iconPath = L"D:\\Tools\\icons.dll";
    source.shortcutInfo.iconIndex = 3;
    source.shortcutInfo.hotKey = 0x0645;  // Ctrl+Alt+E
    source.shortcutInfo.showState = kShowMaximized;
    source.shortcutInfo.idList = {4, 0, 1, 2, 0, 0};
    return source;
}

}  // namespace

TEST(LinkPlan, ShowStatesMapBothWays) {
    EXPECT_EQ(ShowStateFromCommand(2), kShowMinimized);
    EXPECT_EQ(ShowStateFromCommand(7), kShowMinimized);
    EXPECT_EQ(ShowStateFromCommand(3), kShowMaximized);
    EXPECT_EQ(ShowStateFromCommand(1), kShowNormal);
    EXPECT_EQ(ShowStateFromCommand(5), kShowNormal);
    EXPECT_EQ(ShowCommandFromState(kShowMinimized), 7);
    EXPECT_EQ(ShowCommandFromState(kShowMaximized), 3);
    EXPECT_EQ(ShowCommandFromState(kShowNormal), 1);
    EXPECT_EQ(ShowCommandFromState(9), 1);
}

TEST(LinkPlan, ShortcutFilesAreKnownByTheirExtensionInAnyCase) {
    EXPECT_TRUE(IsShortcutFile(L"C:\\a\\b.lnk"));
    EXPECT_TRUE(IsShortcutFile(L"C:\\a\\B.LNK"));
    EXPECT_TRUE(IsShortcutFile(L"x.Lnk"));
    EXPECT_FALSE(IsShortcutFile(L"C:\\a\\b.exe"));
    EXPECT_FALSE(IsShortcutFile(L"C:\\a\\lnk"));
    EXPECT_FALSE(IsShortcutFile(L"nk"));
    EXPECT_EQ(ShortcutNameOf(L"C:\\Menu\\My Editor.LNK"), L"My Editor");
}

TEST(LinkPlan, FoldersAndNamesOfPaths) {
    EXPECT_EQ(FolderOf(L"C:\\Apps\\edit.exe"), L"C:\\Apps");
    EXPECT_EQ(FolderOf(L"C:\\edit.exe"), L"C:\\");
    EXPECT_EQ(FolderOf(L"\\\\server\\share\\edit.exe"), L"\\\\server\\share");
    EXPECT_EQ(FolderOf(L"edit.exe"), L"");
    EXPECT_EQ(FileNameOf(L"C:\\Apps\\edit.exe"), L"edit.exe");
}

TEST(LinkPlan, AFileIsStartedWithAmountModeAndPathQuoted) {
    const LinkSource source = FileSource(L"C:\\Apps\\edit.exe");
    EXPECT_EQ(ServiceArguments({16, AfterLaunch::KeepPreviousState}, source), L"\"16\" \"s\" \"C:\\Apps\\edit.exe\"");
    EXPECT_EQ(ServiceArguments({0, AfterLaunch::KeepRunning}, source), L"\"0\" \"r\" \"C:\\Apps\\edit.exe\"");
    EXPECT_EQ(ServiceArguments({std::nullopt, AfterLaunch::Unload}, source), L"\"-1\" \"e\" \"C:\\Apps\\edit.exe\"");
}

TEST(LinkPlan, AmountsTheServiceWouldRefuseAreBroughtIntoItsRange) {
    const LinkSource source = FileSource(L"C:\\a.exe");
    EXPECT_EQ(ServiceArguments({-5, AfterLaunch::KeepPreviousState}, source), L"\"0\" \"s\" \"C:\\a.exe\"");
    EXPECT_EQ(
        ServiceArguments({booster::kMaxMegabytes + 1, AfterLaunch::KeepPreviousState}, source),
        L"\"" + std::to_wstring(booster::kMaxMegabytes) + L"\" \"s\" \"C:\\a.exe\""
    );
}

TEST(LinkPlan, AShortcutSourceStartsItsTargetInItsFolderAndWindowWithItsOwnArguments) {
    const LinkSource source = ShortcutSource();
    EXPECT_EQ(
        ServiceArguments({32, AfterLaunch::KeepRunning}, source),
        L"\"32\" \"r\" \"D:\\Tools\\edit.exe\" \"/startin:D:\\Notes\" \"/show:2\" -n \"my notes.txt\""
    );
    LinkSource minimized = source;
    minimized.shortcutInfo.showState = kShowMinimized;
    minimized.shortcutInfo.workingDir = L"D:\\";
    EXPECT_EQ(
        ServiceArguments({32, AfterLaunch::KeepRunning}, minimized),
        L"\"32\" \"r\" \"D:\\Tools\\edit.exe\" \"/startin:D:\\\\\" \"/show:1\" -n \"my notes.txt\""
    );
    // Defaults are left out, and so is a folder the service could not take.
    LinkSource plainWindow = source;
    plainWindow.shortcutInfo.showState = kShowNormal;
    plainWindow.shortcutInfo.arguments = L"TARGETDIR=\"C:\\a b\"";
    for (const wchar_t* folder : {L"", L"%USERPROFILE%\\Notes", L"Notes"}) {
        plainWindow.shortcutInfo.workingDir = folder;
        EXPECT_EQ(
            ServiceArguments({32, AfterLaunch::KeepRunning}, plainWindow),
            L"\"32\" \"r\" \"D:\\Tools\\edit.exe\" TARGETDIR=\"C:\\a b\""
        );
    }
    LinkSource noTarget = source;
    noTarget.shortcutInfo.targetPath.clear();
    noTarget.shortcutInfo.arguments.clear();
    EXPECT_EQ(LaunchedFile(noTarget), source.sourcePath);
    EXPECT_EQ(
        ServiceArguments({32, AfterLaunch::KeepRunning}, noTarget),
        L"\"32\" \"r\" \"C:\\Users\\me\\Start Menu\\Editor.LNK\""
    );
}

TEST(LinkPlan, PlacementPicksTheFolderAndTheNameFollowsTheSource) {
    const LinkSource file = FileSource(L"C:\\Apps\\edit.exe");
    EXPECT_EQ(DestinationFolder(kPlaceOnDesktop, file, L"C:\\Desk", L"E:\\x"), L"C:\\Desk");
    EXPECT_EQ(DestinationFolder(kPlaceInTargetFolder, file, L"C:\\Desk", L"E:\\x"), L"C:\\Apps");
    EXPECT_EQ(DestinationFolder(kPlaceBesideShortcut, file, L"C:\\Desk", L"E:\\x"), L"C:\\Apps");
    EXPECT_EQ(DestinationFolder(kPlaceSpecified, file, L"C:\\Desk", L"E:\\x"), L"E:\\x");
    EXPECT_EQ(ShortcutFileName(L"C:\\Desk", file), L"C:\\Desk\\Velocitor edit.exe.lnk");
    EXPECT_EQ(ShortcutFileName(L"C:\\", file), L"C:\\Velocitor edit.exe.lnk");

    const LinkSource shortcut = ShortcutSource();
    EXPECT_EQ(DestinationFolder(kPlaceInTargetFolder, shortcut, L"C:\\Desk", L""), L"D:\\Tools");
    EXPECT_EQ(DestinationFolder(kPlaceBesideShortcut, shortcut, L"C:\\Desk", L""), L"C:\\Users\\me\\Start Menu");
    EXPECT_EQ(ShortcutFileName(L"C:\\Desk", shortcut), L"C:\\Desk\\Velocitor Editor.lnk");
}

TEST(LinkPlan, ANewShortcutForAFileStartsTheServiceInTheFilesFolder) {
    ShortcutInfo link = PlanShortcut(
        FileSource(L"C:\\Apps\\edit.exe"), {16, AfterLaunch::KeepPreviousState}, L"C:\\MB\\TesslyMBsrv.exe",
        L"C:\\Apps\\edit.exe"
    );
    EXPECT_EQ(link.targetPath, L"C:\\MB\\TesslyMBsrv.exe");
    EXPECT_EQ(link.arguments, L"\"16\" \"s\" \"C:\\Apps\\edit.exe\"");
    EXPECT_EQ(link.workingDir, L"C:\\Apps");
    EXPECT_EQ(link.iconPath, L"C:\\Apps\\edit.exe");
    EXPECT_EQ(link.iconIndex, 0);
    EXPECT_EQ(link.hotKey, 0);
    EXPECT_EQ(link.showState, kShowNormal);
    EXPECT_TRUE(link.description.empty());
    EXPECT_TRUE(link.idList.empty());
}

TEST(LinkPlan, ANewShortcutFromAShortcutKeepsItsFieldsButNotItsItemList) {
    const LinkSource source = ShortcutSource();
    ShortcutInfo link =
        PlanShortcut(source, {8, AfterLaunch::Unload}, L"C:\\MB\\TesslyMBsrv.exe", L"D:\\Tools\\edit.exe");
    EXPECT_EQ(link.targetPath, L"C:\\MB\\TesslyMBsrv.exe");
    EXPECT_EQ(
        link.arguments, L"\"8\" \"e\" \"D:\\Tools\\edit.exe\" \"/startin:D:\\Notes\" \"/show:2\" -n \"my notes.txt\""
    );
    // The folder and window of the source belong to its target, not to the service.
    EXPECT_EQ(link.workingDir, L"D:\\Tools");
    EXPECT_EQ(link.showState, kShowNormal);
    EXPECT_EQ(link.description, L"Edits notes");
    EXPECT_EQ(link.iconPath, L"D:\\Tools\\icons.dll");
    EXPECT_EQ(link.iconIndex, 3);
    EXPECT_EQ(link.hotKey, 0x0645);
    EXPECT_TRUE(link.idList.empty());

    // A shortcut showing its target's own icon gives the new one that program's icon,
    // not the service's.
    LinkSource plain = source;
    plain.shortcutInfo.iconPath.clear();
    link = PlanShortcut(plain, {8, AfterLaunch::Unload}, L"C:\\MB\\TesslyMBsrv.exe", L"D:\\Tools\\edit.exe");
    EXPECT_EQ(link.iconPath, L"D:\\Tools\\edit.exe");
    EXPECT_EQ(link.iconIndex, 0);
}
