#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/property_path.h"
#include "ui/status_bar.h"

using ui::GetPropertyText;
using ui::SetPropertyText;

namespace {

TEST(PropertyTables, ScalarPropertiesBySetAndGetText) {
    ui::Button button(nullptr);
    SetPropertyText(button, "Caption", L"&Apply");
    EXPECT_EQ(button.Caption(), L"&Apply");
    SetPropertyText(button, "Width", L"99");
    EXPECT_EQ(button.Width(), 99);
    EXPECT_EQ(GetPropertyText(button, "Width"), L"99");
    SetPropertyText(button, "Default", L"True");
    EXPECT_TRUE(button.Default());
    EXPECT_EQ(GetPropertyText(button, "Default"), L"True");

    // Integers with named values: read by name, written back by name; plain numbers too.
    SetPropertyText(button, "ModalResult", L"mrOk");
    EXPECT_EQ(button.GetModalResult(), ui::mrOk);
    SetPropertyText(button, "ModalResult", L"2");
    EXPECT_EQ(GetPropertyText(button, "ModalResult"), L"mrCancel");
    SetPropertyText(button, "Color", L"clInfoBk");
    EXPECT_EQ(button.BackColor(), ui::kInfoBk);
    SetPropertyText(button, "Color", L"255");
    EXPECT_EQ(GetPropertyText(button, "Color"), L"clRed");

    // Enumerations by identifier or ordinal (the localizer writes ordinals).
    SetPropertyText(button, "Align", L"alClient");
    EXPECT_EQ(button.GetAlign(), ui::Align::Client);
    SetPropertyText(button, "align", L"1");
    EXPECT_EQ(GetPropertyText(button, "Align"), L"alTop");
}

TEST(PropertyTables, NestedObjectsByDottedPath) {
    ui::Button button(nullptr);
    SetPropertyText(button, "Font.Name", L"Arial");
    SetPropertyText(button, "Font.Style", L"[fsBold, fsUnderline]");
    SetPropertyText(button, "font.charset", L"RUSSIAN_CHARSET");
    EXPECT_EQ(button.TextFont().Name(), L"Arial");
    EXPECT_EQ(button.TextFont().Style(), ui::kBold | ui::kUnderline);
    EXPECT_EQ(button.TextFont().Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(GetPropertyText(button, "Font.Style"), L"[fsBold, fsUnderline]");
    EXPECT_EQ(GetPropertyText(button, "Font.Charset"), L"RUSSIAN_CHARSET");
    // A font of its own no longer follows the parent's.
    EXPECT_FALSE(button.ParentFont());
    SetPropertyText(button, "Font.Style", L"[]");
    EXPECT_EQ(button.TextFont().Style(), 0u);
}

TEST(PropertyTables, StringListAsWholeTextOrThroughStrings) {
    ui::Memo memo(nullptr);
    SetPropertyText(memo, "Lines.Strings", L"one\r\ntwo");
    ASSERT_EQ(memo.Lines().Count(), 2);
    EXPECT_EQ(memo.Lines()[1], L"two");
    EXPECT_EQ(GetPropertyText(memo, "Lines"), L"one\r\ntwo\r\n");
    EXPECT_EQ(memo.Caption(), L"one\r\ntwo");
    SetPropertyText(memo, "Lines", L"a\nb\nc");
    EXPECT_EQ(memo.Lines().Count(), 3);
}

TEST(PropertyTables, CollectionItemsByIndex) {
    ui::StatusBar bar(nullptr);
    bar.Panels().Add();
    bar.Panels().Add();
    SetPropertyText(bar, "Panels[1].Width", L"120");
    SetPropertyText(bar, "Panels[1].Text", L"Running");
    SetPropertyText(bar, "Panels[0].Style", L"psOwnerDraw");
    EXPECT_EQ(bar.Panels()[1].Width(), 120);
    EXPECT_EQ(bar.Panels()[1].Text(), L"Running");
    EXPECT_EQ(bar.Panels()[0].Style(), ui::PanelStyle::OwnerDraw);
    EXPECT_EQ(GetPropertyText(bar, "Panels[1].Width"), L"120");
    EXPECT_THROW(SetPropertyText(bar, "Panels[2].Width", L"1"), platform::Error);
    EXPECT_THROW(SetPropertyText(bar, "Panels[-1].Width", L"1"), platform::Error);
    EXPECT_THROW(SetPropertyText(bar, "Panels.Width", L"1"), platform::Error);
}

TEST(PropertyTables, BadPathsAndValuesAreReportedNotGuessed) {
    ui::Button button(nullptr);
    auto messageOf = [&](const char* path, const wchar_t* text) {
        try {
            SetPropertyText(button, path, text);
        } catch (const platform::Error& e) {
            return e.Message();
        }
        return std::wstring(L"no error");
    };
    EXPECT_NE(messageOf("Nope", L"1").find(L"Nope"), std::wstring::npos);
    EXPECT_NE(messageOf("Font.Nope", L"1"), L"no error");
    EXPECT_NE(messageOf("Caption.Text", L"1"), L"no error");
    EXPECT_NE(messageOf("Width", L"12a").find(L"Width"), std::wstring::npos);
    EXPECT_NE(messageOf("Align", L"alNowhere"), L"no error");
    EXPECT_NE(messageOf("Align", L"6"), L"no error");
    EXPECT_NE(messageOf("Font.Style", L"[fsBold, fsHuge]"), L"no error");
    EXPECT_NE(messageOf("Default", L"maybe"), L"no error");
    EXPECT_NE(messageOf("Font", L"Arial"), L"no error");
    EXPECT_EQ(button.Width(), 75);  // nothing half-applied
}

}  // namespace
