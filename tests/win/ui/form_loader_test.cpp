#include <gtest/gtest.h>

#include "core/forms/form_text.h"
#include "platform/error.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form_loader.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/status_bar.h"

namespace {

// A form class as windows of the program declare them.
class TKitForm : public ui::Form {
    UI_FORM(TKitForm)

public:
    using ui::Form::Form;

    ui::Panel* Panel1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Memo* Memo1 = nullptr;
    ui::StatusBar* StatusBar1 = nullptr;
    ui::PopupMenu* Popup1 = nullptr;
    ui::MenuItem* Item1 = nullptr;

    int created = 0;
    std::vector<std::string> clicks;
    int* destroyed = nullptr;

    void FormCreate(ui::NotifyArgs&) { ++created; }
    void FormDestroy(ui::NotifyArgs&) { ++*destroyed; }
    void AnyClick(ui::NotifyArgs& args) { clicks.push_back(args.sender->Name()); }
    void FormClose(ui::CloseArgs& args) { args.action = ui::CloseAction::None; }
};

void TKitForm::Publish(ui::Publisher<TKitForm>& p) {
    p.Field("Panel1", &TKitForm::Panel1);
    p.Field("Label1", &TKitForm::Label1);
    p.Field("Button1", &TKitForm::Button1);
    p.Field("Memo1", &TKitForm::Memo1);
    p.Field("StatusBar1", &TKitForm::StatusBar1);
    p.Field("Popup1", &TKitForm::Popup1);
    p.Field("Item1", &TKitForm::Item1);
    p.Handler("FormCreate", &TKitForm::FormCreate);
    p.Handler("FormDestroy", &TKitForm::FormDestroy);
    p.Handler("AnyClick", &TKitForm::AnyClick);
    p.Handler("FormClose", &TKitForm::FormClose);
}

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

std::unique_ptr<TKitForm> LoadKitForm(const std::string& text) {
    testing_support::InitializeKit();
    auto form = std::make_unique<TKitForm>(nullptr);
    ui::Publisher<TKitForm> publisher;
    TKitForm::Publish(publisher);
    ui::LoadForm(*form, forms::ParseFormText(text), publisher.Publication());
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
    EXPECT_TRUE(fails(KitFormWith("    OnClick = AnyClick\r\n  end\r\n  object Memo1",
                                  "    OnClick = Missing\r\n  end\r\n  object Memo1")));
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
    EXPECT_TRUE(fails(KitFormWith("    object Item1: TMenuItem\r\n      Caption = '&First'\r\n      OnClick = AnyClick\r\n",
                                  "    object Item1: TMenuItem\r\n      object X: TButton\r\n      end\r\n")));
    EXPECT_FALSE(fails(kKitForm));
}

TEST(FormLoading, OnlyAFullyLoadedFormRunsOnDestroy) {
    int destroyed = 0;
    std::string text = KitFormWith("  OnCreate = FormCreate\r\n", "  OnCreate = FormCreate\r\n  OnDestroy = FormDestroy\r\n");
    {
        auto form = LoadKitForm(text);
        form->destroyed = &destroyed;
    }
    EXPECT_EQ(destroyed, 1);

    // The description binds OnDestroy, then fails: the handler must not run on a half-built form.
    testing_support::InitializeKit();
    auto form = std::make_unique<TKitForm>(nullptr);
    ui::Publisher<TKitForm> publisher;
    TKitForm::Publish(publisher);
    std::string broken = text;
    broken.replace(broken.find("object Memo1: TMemo"), 19, "object Memo1: TNoSuch");
    EXPECT_THROW(ui::LoadForm(*form, forms::ParseFormText(broken), publisher.Publication()), platform::Error);
    form.reset();  // destroyed stays null: running FormDestroy would crash
    EXPECT_EQ(destroyed, 1);
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

}  // namespace
