// Shortcut files made and read through the shell's real link object.
#include "wizards/shell_link.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "core/booster/file_launch_request.h"
#include "core/wizards/link_plan.h"
#include "tests/win/wizards/link_files.h"
#include "wizards/link_examiner.h"
#include "wizards/shell_places.h"

using namespace wizards;
using link_files::ScratchFolder;

namespace {

std::vector<std::wstring> SplitLikeAProgram(const std::wstring& arguments) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW((L"TesslyMBsrv.exe " + arguments).c_str(), &count);
    std::vector<std::wstring> split;
    for (int i = 1; argv && i < count; ++i) split.emplace_back(argv[i]);
    LocalFree(argv);
    return split;
}

}  // namespace

TEST(ShellLink, AShortcutMadeOnTheDesktopReadsBackFieldByField) {
    const std::wstring desktop = DesktopFolder();
    ASSERT_FALSE(desktop.empty());
    const std::wstring program = link_files::ServiceProgram();
    const LinkSource source{false, program, {}, {}};
    const std::wstring file = ShortcutFileName(desktop, source);
    link_files::Removed removed(file);
    ShortcutInfo planned =
        PlanShortcut(source, {24, booster::AfterLaunch::KeepRunning}, program, AssociatedProgram(program));
    EXPECT_EQ(planned.iconPath, program);  // a program is its own associated executable

    for (std::uint8_t state : {kShowNormal, kShowMinimized, kShowMaximized}) {
        planned.showState = state;
        ASSERT_TRUE(SaveShellLink(file, planned));
        std::optional<ShortcutInfo> read = ReadShellLink(file);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->targetPath, program);
        EXPECT_EQ(read->arguments, L"\"24\" \"r\" \"" + program + L"\"");
        EXPECT_EQ(read->workingDir, FolderOf(program));
        EXPECT_EQ(read->iconPath, program);
        EXPECT_EQ(read->iconIndex, 0);
        EXPECT_EQ(read->hotKey, 0);
        EXPECT_TRUE(read->description.empty());
        EXPECT_EQ(read->showState, state);
    }
}

TEST(ShellLink, HotKeyDescriptionAndIconIndexSurvive) {
    ScratchFolder folder(L"fields");
    ShortcutInfo link;
    link.targetPath = link_files::ServiceProgram();
    link.description = L"Reclaims first";
    link.iconPath = link.targetPath;
    link.iconIndex = 2;
    link.hotKey = 0x0645;  // Ctrl+Alt+E
    const std::wstring file = folder.Path() + L"\\fields.lnk";
    ASSERT_TRUE(SaveShellLink(file, link));
    std::optional<ShortcutInfo> read = ReadShellLink(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->description, L"Reclaims first");
    EXPECT_EQ(read->iconIndex, 2);
    EXPECT_EQ(read->hotKey, 0x0645);
    EXPECT_FALSE(read->idList.empty());  // the link object keeps its target as an item list too
}

TEST(ShellLink, AShortcutInCapitalsIsExaminedAndDescribed) {
    ScratchFolder folder(L"capitals");
    ShortcutInfo link;
    link.targetPath = link_files::ServiceProgram();
    link.workingDir = folder.Path();
    link.arguments = L"-x";
    link.description = L"Example";
    link.iconPath = link.targetPath;
    link.hotKey = 0x0641;
    link.showState = kShowMaximized;
    const std::wstring file = folder.Path() + L"\\Example.LNK";
    ASSERT_TRUE(SaveShellLink(file, link));
    ASSERT_TRUE(IsShortcutFile(file));

    std::optional<ExaminedShortcut> examined = ExamineShortcut(file);
    ASSERT_TRUE(examined);
    EXPECT_EQ(examined->shortcutName, L"Example");
    EXPECT_EQ(examined->hotKeyText, L"Ctrl+Alt+A");
    const std::vector<std::wstring> lines = DescribeShortcut(*examined);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], L"Shortcut  : Example");
    EXPECT_EQ(lines[1], L"Path  : " + folder.Path());
    EXPECT_EQ(lines[2], L"--------------------");
    EXPECT_EQ(lines[3], L"Target path: \t" + link.targetPath);
    EXPECT_EQ(lines[4], L"Working dir.: \t" + folder.Path());
    EXPECT_EQ(lines[5], L"Parameters: \t-x");
    EXPECT_EQ(lines[7].rfind(L"ClsID (absolute): \t::{", 0), 0u) << std::string(lines[7].begin(), lines[7].end());
    EXPECT_EQ(lines[8], L"Description: \tExample");
    EXPECT_EQ(lines[9], L"Shortcut key: \tCtrl+Alt+A");
    EXPECT_EQ(lines[10], L"Icon path: \t" + link.targetPath);
    EXPECT_EQ(lines[11], L"Icon index: \t0");
    EXPECT_EQ(lines[12], L"Show state: \tMaximized");
}

TEST(ShellLink, FilesThatAreNoShortcutsAreNotExamined) {
    ScratchFolder folder(L"notalink");
    const std::wstring file = folder.Path() + L"\\broken.lnk";
    link_files::WriteText(file, "not a shortcut");
    EXPECT_FALSE(ReadShellLink(file));
    EXPECT_FALSE(ExamineShortcut(file));
    EXPECT_FALSE(ExamineShortcut(folder.Path() + L"\\missing.lnk"));
}

TEST(ShellLink, AnUnwritableDestinationFailsAndLeavesNothingHalfWritten) {
    ShortcutInfo link;
    link.targetPath = link_files::ServiceProgram();
    ScratchFolder folder(L"unwritable");

    const std::wstring missing = folder.Path() + L"\\no such folder\\Velocitor a.lnk";
    EXPECT_FALSE(SaveShellLink(missing, link));
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);

    // A read-only shortcut of the same name stays as it was.
    const std::wstring locked = folder.Path() + L"\\Velocitor b.lnk";
    link_files::WriteText(locked, "earlier");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SaveShellLink(locked, link));
    EXPECT_EQ(link_files::ReadText(locked), "earlier");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(link_files::FilesIn(folder.Path()), std::vector<std::wstring>{L"Velocitor b.lnk"});

    // So does a folder in the way.
    const std::wstring occupied = folder.Path() + L"\\Velocitor d.lnk";
    CreateDirectoryW(occupied.c_str(), nullptr);
    EXPECT_FALSE(SaveShellLink(occupied, link));
    EXPECT_EQ(link_files::FilesIn(folder.Path()), std::vector<std::wstring>{L"Velocitor b.lnk"});
}

TEST(ShellLink, PathsAndTextsOutsideTheCodePageAreSavedExactly) {
    ScratchFolder folder(L"Ярлык Ω");
    ShortcutInfo link;
    link.targetPath = folder.Path() + L"\\\u4e2d Тест.exe";
    link.workingDir = folder.Path();
    link.arguments = L"\"C:\\Программы Ω\\x.exe\"";
    link.description = L"Ускоренный запуск";
    const std::wstring file = folder.Path() + L"\\Velocitor Тест.lnk";
    ASSERT_TRUE(SaveShellLink(file, link));
    const auto read = ReadShellLink(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->targetPath, link.targetPath);
    EXPECT_EQ(read->workingDir, link.workingDir);
    EXPECT_EQ(read->arguments, link.arguments);
    EXPECT_EQ(read->description, link.description);
}

TEST(ShellLink, SpacesAndQuotesReachTheServiceAsExactlyItsArguments) {
    ScratchFolder folder(L"quotes");
    LinkSource source;
    source.sourceIsShortcut = true;
    source.sourcePath = folder.Path() + L"\\My link.lnk";
    source.shortcutName = L"My link";
    source.shortcutInfo.targetPath = folder.Path() + L"\\Some Program\\run me.exe";
    source.shortcutInfo.arguments = L"\"two words\" \"say \\\"hi\\\"\" -x";
    const ShortcutInfo planned = PlanShortcut(source, {12, booster::AfterLaunch::Unload}, L"C:\\s.exe", L"");
    const std::wstring file = folder.Path() + L"\\Velocitor quoted.lnk";
    ASSERT_TRUE(SaveShellLink(file, planned));
    std::optional<ShortcutInfo> read = ReadShellLink(file);
    ASSERT_TRUE(read);

    booster::ServiceArguments parsed = booster::ParseServiceCommandLine(L"\"C:\\s.exe\" " + read->arguments);
    ASSERT_EQ(parsed.kind, booster::ServiceArguments::kFile);
    EXPECT_EQ(parsed.request.megabytes, 12);
    EXPECT_EQ(parsed.request.after, booster::AfterLaunch::Unload);
    EXPECT_EQ(parsed.request.path, source.shortcutInfo.targetPath);
    EXPECT_EQ(parsed.request.parameters, source.shortcutInfo.arguments);

    // A plain file with spaces: exactly three arguments.
    const LinkSource plain{false, folder.Path() + L"\\A Folder\\the file.txt", {}, {}};
    EXPECT_EQ(
        SplitLikeAProgram(ServiceArguments({std::nullopt, booster::AfterLaunch::KeepPreviousState}, plain)),
        (std::vector<std::wstring>{L"-1", L"s", plain.sourcePath})
    );
}
