#include "core/wizards/link_memo.h"

#include <gtest/gtest.h>

using namespace wizards;

namespace {

// Labels standing in for the string table's, so that each line shows which it used.
std::wstring Label(LinkLabel label) {
    switch (label) {
        case LinkLabel::Name:
            return L"Name: ";
        case LinkLabel::Folder:
            return L"Path  : ";
        case LinkLabel::Rule:
            return L"----";
        case LinkLabel::Target:
            return L"Target path: \t";
        case LinkLabel::WorkingDir:
            return L"Working dir.: \t";
        case LinkLabel::Parameters:
            return L"Parameters: \t";
        case LinkLabel::DisplayName:
            return L"Target display nm.: \t";
        case LinkLabel::ClassIds:
            return L"ClsID (absolute): \t";
        case LinkLabel::Description:
            return L"Description: \t";
        case LinkLabel::HotKey:
            return L"Shortcut key: \t";
        case LinkLabel::IconPath:
            return L"Icon path: \t";
        case LinkLabel::IconIndex:
            return L"Icon index: \t";
        case LinkLabel::ShowNormal:
            return L"Show state: \tNormal";
        case LinkLabel::ShowMinimized:
            return L"Show state: \tMinimized";
        case LinkLabel::ShowMaximized:
            return L"Show state: \tMaximized";
        case LinkLabel::Shift:
            return L"Shift+";
        case LinkLabel::Ctrl:
            return L"Ctrl+";
        case LinkLabel::Alt:
            return L"Alt+";
    }
    return L"?";
}

std::wstring KeyName(unsigned key) { return key == 0x70 ? L"F1" : L"Key" + std::to_wstring(key); }

ExaminedShortcut Examined() {
    ExaminedShortcut shortcut;
    shortcut.shortcutName = L"Editor";
    shortcut.folder = L"C:\\Menu";
    shortcut.info.targetPath = L"D:\\Tools\\edit.exe";
    shortcut.info.workingDir = L"D:\\Notes";
    shortcut.info.arguments = L"-n";
    shortcut.info.description = L"Edits notes";
    shortcut.info.iconPath = L"D:\\Tools\\edit.exe";
    shortcut.info.iconIndex = -2;
    shortcut.info.showState = kShowMinimized;
    shortcut.displayName = L"unused";
    shortcut.classIds = L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    shortcut.hotKeyText = L"Ctrl+Alt+E";
    return shortcut;
}

}  // namespace

TEST(LinkMemo, AShortcutToAFileIsDescribedLineByLine) {
    const std::vector<std::wstring> expected{
        L"Name: Editor",
        L"Path  : C:\\Menu",
        L"----",
        L"Target path: \tD:\\Tools\\edit.exe",
        L"Working dir.: \tD:\\Notes",
        L"Parameters: \t-n",
        L"----",
        L"ClsID (absolute): \t::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
        L"Description: \tEdits notes",
        L"Shortcut key: \tCtrl+Alt+E",
        L"Icon path: \tD:\\Tools\\edit.exe",
        L"Icon index: \t-2",
        L"Show state: \tMinimized",
    };
    EXPECT_EQ(LinkMemoLines(Examined(), Label), expected);
}

TEST(LinkMemo, AShortcutWithoutAFileTargetShowsItsDisplayNameAndAFailedClassPath) {
    ExaminedShortcut shortcut = Examined();
    shortcut.info.targetPath.clear();
    shortcut.displayName = L"::{645FF040-5081-101B-9F08-00AA002F954E}";
    shortcut.classIds.reset();
    shortcut.info.showState = kShowMaximized;
    auto lines = LinkMemoLines(shortcut, Label);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[3], L"Target display nm.: \t::{645FF040-5081-101B-9F08-00AA002F954E}");
    EXPECT_EQ(lines[4], L"----");
    EXPECT_EQ(lines[5], L"ClsID (absolute): \tERROR");
    EXPECT_EQ(lines[10], L"Show state: \tMaximized");
}

TEST(LinkMemo, ClassIdentifiersAreJoinedIntoAPath) {
    EXPECT_EQ(ClassIdPath({L"{A}", L"{B}", L"{C}"}), L"::{A}\\::{B}\\::{C}");
    EXPECT_EQ(ClassIdPath({L"{A}"}), L"::{A}");
    EXPECT_EQ(ClassIdPath({}), L"");
}

TEST(LinkMemo, HotKeysReadAsShortcutText) {
    EXPECT_EQ(ShortcutCodeFromHotKey(0x0641), 0xC041);  // Ctrl+Alt+A, as the settings keep it
    EXPECT_EQ(ShortcutCodeFromHotKey(0x0170), 0x2070);
    EXPECT_EQ(ShortcutText(0xC041, Label, KeyName), L"Ctrl+Alt+A");
    EXPECT_EQ(ShortcutText(0xE031, Label, KeyName), L"Shift+Ctrl+Alt+1");
    EXPECT_EQ(ShortcutText(0x2070, Label, KeyName), L"Shift+F1");
    EXPECT_EQ(ShortcutText(0x4021, Label, KeyName), L"Ctrl+Key33");
    EXPECT_EQ(ShortcutText(0, Label, KeyName), L"");
    EXPECT_EQ(ShortcutText(0x4000, Label, KeyName), L"");  // a modifier alone is no key
}
