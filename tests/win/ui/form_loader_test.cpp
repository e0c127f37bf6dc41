#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/forms/form_text.h"
#include "platform/error.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form_apply.h"
#include "ui/form_loader.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/property_path.h"
#include "ui/status_bar.h"

namespace {

// A form class as windows of the program declare them.
class TKitForm : public ui::Form {
    UI_FORM(TKitForm)

    UI_FIELD(ui::Panel, Panel1);
    UI_FIELD(ui::Label, Label1);
    UI_FIELD(ui::Button, Button1);
    UI_FIELD(ui::Memo, Memo1);
    UI_FIELD(ui::StatusBar, StatusBar1);
    UI_FIELD(ui::PopupMenu, Popup1);
    UI_FIELD(ui::MenuItem, Item1);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(ui::NotifyArgs, FormDestroy);
    UI_HANDLER(ui::NotifyArgs, AnyClick);
    UI_HANDLER(ui::CloseArgs, FormClose);

    // What a handler run after this destructor would see instead of the form's own state.
    ~TKitForm() override { created = -1; }

    int created = 0;
    std::vector<std::string> clicks;
    int* destroyed = nullptr;
    int* createdSeenOnDestroy = nullptr;
};

UI_DEFINE_FORM(TKitForm, ui::Form);

void TKitForm::FormCreate(ui::NotifyArgs&) { ++created; }
void TKitForm::FormDestroy(ui::NotifyArgs&) {
    ++*destroyed;
    if (createdSeenOnDestroy) *createdSeenOnDestroy = created;
}
void TKitForm::AnyClick(ui::NotifyArgs& args) { clicks.push_back(args.sender->Name()); }
void TKitForm::FormClose(ui::CloseArgs& args) { args.action = ui::CloseAction::None; }

const char kKitForm[] =
    "object KitForm: TKitForm\r\n"
    "  Caption = 'Kit '#39'form'#39\r\n"
    "  ClientHeight = 200\r\n"
    "  ClientWidth = 300\r\n"
    "  Font.Height = -11\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  PopupMenu = Popup1\r\n"
    "  OnCreate = FormCreate\r\n"
    "  object Panel1: TPanel\r\n"
    "    Height = 40\r\n"
    "    Align = alTop\r\n"
    "    BevelOuter = bvLowered\r\n"
    "    object Label1: TLabel\r\n"
    "      Left = 8\r\n"
    "      Top = 8\r\n"
    "      Caption = 'Hello'\r\n"
    "      Font.Style = [fsBold]\r\n"
    "      OnClick = AnyClick\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object Button1: TButton\r\n"
    "    Left = 8\r\n"
    "    Top = 60\r\n"
    "    Caption = 'Go'\r\n"
    "    OnClick = AnyClick\r\n"
    "  end\r\n"
    "  object Memo1: TMemo\r\n"
    "    Left = 100\r\n"
    "    Top = 60\r\n"
    "    Lines.Strings = (\r\n"
    "      'first'\r\n"
    "      'second')\r\n"
    "  end\r\n"
    "  object StatusBar1: TStatusBar\r\n"
    "    Panels = <\r\n"
    "      item\r\n"
    "        Style = psOwnerDraw\r\n"
    "        Width = 120\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Text = 'Idle'\r\n"
    "        Width = 50\r\n"
    "      end>\r\n"
    "  end\r\n"
    "  object Popup1: TPopupMenu\r\n"
    "    object Item1: TMenuItem\r\n"
    "      Caption = '&First'\r\n"
    "      OnClick = AnyClick\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

ui::FormPtr<TKitForm> LoadKitForm(const std::string& text) {
    testing_support::InitializeKit();
    ui::FormPtr<TKitForm> form(new TKitForm(nullptr));
    ui::LoadForm(*form, forms::ParseFormText(text));
    return form;
}

// The kit form with one line replaced, for the error cases.
std::string KitFormWith(const std::string& line, const std::string& replacement) {
    std::string text = kKitForm;
    size_t at = text.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    return text.replace(at, line.size(), replacement);
}

TEST(FormLoading, BuildsTheComponentTreeWithPropertiesFieldsAndHandlers) {
    auto form = LoadKitForm(kKitForm);
    EXPECT_EQ(form->Name(), "KitForm");
    EXPECT_EQ(form->Caption(), L"Kit 'form'");
    EXPECT_EQ(form->created, 1);

    EXPECT_EQ(form->Panel1->Parent(), form.get());
    EXPECT_EQ(form->Label1->Parent(), form->Panel1);
    EXPECT_EQ(form->Button1->Parent(), form.get());
    EXPECT_EQ(form->Panel1->BevelOuter(), ui::Bevel::Lowered);
    EXPECT_EQ(form->Popup1->Owner(), form.get());
    EXPECT_EQ(form->GetPopupMenu(), form->Popup1);
    ASSERT_EQ(form->Popup1->Items().Items().size(), 1u);
    EXPECT_EQ(form->Popup1->Items().Items()[0], form->Item1);

    // Fonts follow the parent until a control sets its own.
    EXPECT_EQ(form->Button1->TextFont().Name(), L"MS Sans Serif");
    EXPECT_TRUE(form->Button1->ParentFont());
    EXPECT_EQ(form->Label1->TextFont().Name(), L"MS Sans Serif");
    EXPECT_EQ(form->Label1->TextFont().Style(), ui::kBold);
    EXPECT_FALSE(form->Label1->ParentFont());

    EXPECT_EQ(form->Memo1->Lines().Lines(), (std::vector<std::wstring>{L"first", L"second"}));
    ASSERT_EQ(form->StatusBar1->Panels().Count(), 2);
    EXPECT_EQ(form->StatusBar1->Panels()[0].Style(), ui::PanelStyle::OwnerDraw);
    EXPECT_EQ(form->StatusBar1->Panels()[0].Width(), 120);
    EXPECT_EQ(form->StatusBar1->Panels()[1].Text(), L"Idle");

    form->Button1->Click();
    form->Label1->Click();
    form->Item1->Click();
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Button1", "Label1", "Item1"}));
}

TEST(FormLoading, KeepsThePixelLayoutAndAlignsChildren) {
    auto form = LoadKitForm(kKitForm);
    form->HandleNeeded();
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_EQ(form->Panel1->Width(), 300);  // aligned to the top
    EXPECT_EQ(form->Panel1->Top(), 0);
    EXPECT_EQ(form->StatusBar1->Top() + form->StatusBar1->Height(), 200);  // at the bottom
    EXPECT_EQ(form->Button1->Left(), 8);
    EXPECT_EQ(form->Button1->Top(), 60);
    RECT button;
    GetWindowRect(form->Button1->Handle(), &button);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, 8);
    EXPECT_EQ(button.top, 60);
}

TEST(FormLoading, MismatchesBetweenDescriptionAndClassAreErrors) {
    auto fails = [](const std::string& text) {
        try {
            LoadKitForm(text);
        } catch (const platform::Error&) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(fails(KitFormWith("object Button1: TButton", "object Button1: TNoSuchButton")));
    EXPECT_TRUE(fails(KitFormWith(
        "    OnClick = AnyClick\r\n  end\r\n  object Memo1", "    OnClick = Missing\r\n  end\r\n  object Memo1"
    )));
    // A handler of another kind of event: FormClose takes close arguments, not a click.
    EXPECT_TRUE(fails(KitFormWith("OnCreate = FormCreate", "OnCreate = FormClose")));
    EXPECT_TRUE(fails(KitFormWith("  Caption = 'Kit", "  Captoin = 'Kit")));
    EXPECT_TRUE(fails(KitFormWith("PopupMenu = Popup1", "PopupMenu = Nobody")));
    EXPECT_TRUE(fails(KitFormWith("PopupMenu = Popup1", "PopupMenu = Button1")));
    EXPECT_TRUE(fails(KitFormWith("object Memo1: TMemo", "object Button1: TMemo")));
    EXPECT_TRUE(fails(KitFormWith("object Memo1: TMemo", "object Memo2: TMemo")));  // field left unbound
    EXPECT_TRUE(fails(KitFormWith("Align = alTop", "Align = 'top'")));
    EXPECT_TRUE(fails(KitFormWith("object KitForm: TKitForm", "object KitForm: TOtherForm")));
    // A menu item cannot hold a control.
    EXPECT_TRUE(fails(KitFormWith(
        "    object Item1: TMenuItem\r\n      Caption = '&First'\r\n      OnClick = AnyClick\r\n",
        "    object Item1: TMenuItem\r\n      object X: TButton\r\n      end\r\n"
    )));
    EXPECT_FALSE(fails(kKitForm));
}

TEST(FormLoading, OnlyAFullyLoadedFormRunsOnDestroy) {
    int destroyed = 0;
    std::string text =
        KitFormWith("  OnCreate = FormCreate\r\n", "  OnCreate = FormCreate\r\n  OnDestroy = FormDestroy\r\n");
    {
        auto form = LoadKitForm(text);
        form->destroyed = &destroyed;
    }
    EXPECT_EQ(destroyed, 1);

    // The description binds OnDestroy, then fails: the handler must not run on a half-built form.
    testing_support::InitializeKit();
    ui::FormPtr<TKitForm> form(new TKitForm(nullptr));
    std::string broken = text;
    broken.replace(broken.find("object Memo1: TMemo"), 19, "object Memo1: TNoSuch");
    EXPECT_THROW(ui::LoadForm(*form, forms::ParseFormText(broken)), platform::Error);
    form.reset();  // destroyed stays null: running FormDestroy would crash
    EXPECT_EQ(destroyed, 1);
}

TEST(FormLoading, OnDestroyRunsOnceWhileTheDerivedFormIsWhole) {
    const std::string text =
        KitFormWith("  OnCreate = FormCreate\r\n", "  OnCreate = FormCreate\r\n  OnDestroy = FormDestroy\r\n");
    int destroyed = 0;
    int createdSeen = 0;
    {
        auto form = LoadKitForm(text);
        form->destroyed = &destroyed;
        form->createdSeenOnDestroy = &createdSeen;
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(createdSeen, 1);  // the count OnCreate left, not what the destructor wrote

    // Destroyed ahead of its deletion: the handler runs then, the window goes, and the
    // deletion runs nothing again.
    auto form = LoadKitForm(text);
    form->destroyed = &destroyed;
    const HWND window = form->Handle();
    form->Destroy();
    EXPECT_EQ(destroyed, 2);
    EXPECT_FALSE(IsWindow(window));
    form.reset();
    EXPECT_EQ(destroyed, 2);
}

TEST(FormLoading, BitmapFaceBecomesArialForEveryControl) {
    auto form = LoadKitForm(KitFormWith("'MS Sans Serif'", "'ms sans serif'"));
    ui::ReplaceBitmapFonts(*form);
    EXPECT_EQ(form->TextFont().Name(), L"Arial");
    EXPECT_EQ(form->Button1->TextFont().Name(), L"Arial");
    EXPECT_TRUE(form->Button1->ParentFont());
    EXPECT_EQ(form->Label1->TextFont().Name(), L"Arial");
    EXPECT_EQ(form->Label1->TextFont().Style(), ui::kBold);
}

// A description and the text setter convert values alike: ordinals only within range,
// booleans from integers too.
TEST(FormLoading, ValuesConvertAsByTheTextSetter) {
    EXPECT_THROW(LoadKitForm(KitFormWith("Align = alTop", "Align = 6")), platform::Error);
    auto form = LoadKitForm(KitFormWith("Align = alTop", "Align = 1\r\n    ParentFont = 0"));
    EXPECT_EQ(form->Panel1->GetAlign(), ui::Align::Top);
    EXPECT_FALSE(form->Panel1->ParentFont());
    EXPECT_THROW(ui::SetPropertyText(*form->Panel1, "Align", L"6"), platform::Error);
    ui::SetPropertyText(*form->Panel1, "ParentFont", L"1");
    EXPECT_TRUE(form->Panel1->ParentFont());
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// What a language switch does to an open form: the texts of the new description, and
// nothing else of it.
TEST(FormApplying, ChangesTheTextsOfAnOpenFormAndNothingElse) {
    auto form = LoadKitForm(kKitForm);
    form->Show();
    std::string changed = kKitForm;
    auto change = [&changed](const std::string& from, const std::string& to) {
        size_t at = changed.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        changed.replace(at, from.size(), to);
    };
    change("Caption = 'Kit '#39'form'#39", "Caption = 'Fenster'");
    change("Caption = 'Hello'", "Caption = 'Hallo'");
    change(
        "Caption = 'Go'\r\n    OnClick = AnyClick", "Caption = 'Los'\r\n    Visible = False\r\n    OnClick = FormCreate"
    );
    change("'first'\r\n      'second'", "'erste'\r\n      'zweite'");
    change("Text = 'Idle'", "Text = 'Bereit'");
    change("Caption = '&First'", "Caption = '&Erste'");
    // Not texts: handlers, references, sets and flags stay as the form has them.
    change("PopupMenu = Popup1", "PopupMenu = nil");
    change("Font.Style = [fsBold]", "Font.Style = []");
    change("object Memo1: TMemo", "object Extra: TButton\r\n    Caption = 'Extra'\r\n  end\r\n  object Memo1: TMemo");

    ui::ApplyFormDescription(*form, forms::ParseFormText(changed));

    EXPECT_EQ(WindowText(form->Handle()), L"Fenster");
    EXPECT_EQ(form->Label1->Caption(), L"Hallo");
    EXPECT_EQ(WindowText(form->Button1->Handle()), L"Los");
    EXPECT_EQ(WindowText(form->Memo1->Handle()), L"erste\r\nzweite");
    wchar_t panel[64] = {};
    SendMessageW(form->StatusBar1->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(panel));
    EXPECT_STREQ(panel, L"Bereit");
    EXPECT_EQ(form->Item1->Caption(), L"&Erste");

    EXPECT_EQ(form->GetPopupMenu(), form->Popup1);
    EXPECT_EQ(form->Label1->TextFont().Style(), ui::kBold);
    EXPECT_TRUE(IsWindowVisible(form->Button1->Handle()));
    EXPECT_EQ(form->StatusBar1->Panels().Count(), 2);
    EXPECT_EQ(form->FindComponent("Extra"), nullptr);
    EXPECT_EQ(form->Button1->Left(), 8);
    form->Button1->Click();
    EXPECT_EQ(form->clicks, std::vector<std::string>{"Button1"});
    EXPECT_EQ(form->created, 1);

    // A description of another window is not applied at all.
    std::string other = changed;
    other.replace(other.find("TKitForm"), 8, "TOtherForm");
    EXPECT_THROW(ui::ApplyFormDescription(*form, forms::ParseFormText(other)), platform::Error);
}

}  // namespace
