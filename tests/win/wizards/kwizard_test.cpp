// The wizard component as a form description builds it: moves, page events, the button bar
// and the painted header.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/forms/form_text.h"
#include "platform/error.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "ui/image_list.h"
#include "wizards/kwizard.h"
#include "wizards/wizard_components.h"

using namespace wizards;

namespace {

class TTestWiz : public ui::Form {
    UI_FORM(TTestWiz)

    UI_FIELD(TKWizard, Wizard1);
    UI_FIELD(TKWizardInteriorPage, Page1);
    UI_FIELD(TKWizardInteriorPage, Page2);
    UI_FIELD(TKWizardInteriorPage, Page3);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(WizardChangePageArgs, AnyEnter);
    UI_HANDLER(WizardChangePageArgs, AnyExit);
    UI_HANDLER(ui::NotifyArgs, AnyPage);
    UI_HANDLER(WizardPageClickArgs, PageNext);
    UI_HANDLER(ui::NotifyArgs, WizardNext);
    UI_HANDLER(WizardSelectPageArgs, SelectNext);

    std::vector<std::string> log;
    // A page whose enter event hides all of its buttons.
    TKWizardCustomPage* buttonlessOnEnter = nullptr;
    bool stopNext = false;
    TKWizardCustomPage* substitute = nullptr;
};

UI_DEFINE_FORM(TTestWiz, ui::Form);

std::string NameOf(const ui::Component* c) { return c ? c->Name() : "none"; }

void TTestWiz::FormCreate(ui::NotifyArgs&) { log.push_back("create"); }
void TTestWiz::AnyEnter(WizardChangePageArgs& a) {
    log.push_back("enter " + NameOf(a.sender) + " from " + NameOf(a.page));
    if (buttonlessOnEnter && a.sender == buttonlessOnEnter) buttonlessOnEnter->SetVisibleButtons({});
}
void TTestWiz::AnyExit(WizardChangePageArgs& a) { log.push_back("exit " + NameOf(a.sender) + " to " + NameOf(a.page)); }
void TTestWiz::AnyPage(ui::NotifyArgs& a) { log.push_back("page " + NameOf(a.sender)); }
void TTestWiz::PageNext(WizardPageClickArgs& a) {
    log.push_back("page next");
    a.stop = stopNext;
}
void TTestWiz::WizardNext(ui::NotifyArgs&) { log.push_back("wizard next"); }
void TTestWiz::SelectNext(WizardSelectPageArgs& a) {
    log.push_back("select " + NameOf(a.fromPage) + " -> " + NameOf(a.toPage));
    if (substitute) a.toPage = substitute;
}

std::string Page(const std::string& name, const std::string& extra = "") {
    return "    object " + name + ": TKWizardInteriorPage\r\n" + extra +
           "      OnEnterPage = AnyEnter\r\n"
           "      OnExitPage = AnyExit\r\n"
           "      OnPage = AnyPage\r\n"
           "      OnNextButtonClick = PageNext\r\n"
           "    end\r\n";
}

std::string WizardForm(const std::string& page1Extra = "", const std::string& page3Extra = "") {
    return "object TestWiz: TTestWiz\r\n"
           "  ClientHeight = 290\r\n"
           "  ClientWidth = 500\r\n"
           "  OnCreate = FormCreate\r\n"
           "  object Images: TImageList\r\n"
           "    Height = 70\r\n"
           "    Width = 70\r\n"
           "    ResourceName = 'WIZARDHEADER'\r\n"
           "  end\r\n"
           "  object Wizard1: TKWizard\r\n"
           "    ButtonNext.ModalResult = 1\r\n"
           "    HeaderImages = Images\r\n"
           "    OnNextButtonClick = WizardNext\r\n"
           "    OnSelectNextPage = SelectNext\r\n" +
           Page("Page1", page1Extra) + Page("Page2") + Page("Page3", page3Extra) +
           "  end\r\n"
           "end\r\n";
}

ui::FormPtr<TTestWiz> LoadWizard(const std::string& text) {
    testing_support::InitializeKit();
    RegisterWizardComponents();
    ui::FormPtr<TTestWiz> form(new TTestWiz(nullptr));
    ui::LoadForm(*form, forms::ParseFormText(text));
    return form;
}

ui::Button& ButtonOf(TKWizard& wizard, TKWizardButtonKind kind) { return wizard.Button(kind).Control(); }

RECT BoundsOf(const ui::Control& c) { return c.BoundsRect(); }

}  // namespace

TEST(Wizard, LoadingActivatesTheFirstPageBeforeTheFormIsCreated) {
    auto form = LoadWizard(WizardForm());
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page1);
    EXPECT_EQ(form->log, (std::vector<std::string>{"enter Page1 from none", "page Page1", "create"}));
    EXPECT_EQ(form->Wizard1->Pages().size(), 3u);
    EXPECT_EQ(form->Page2->PageIndex(), 1);
    EXPECT_TRUE(form->Page1->Visible());
    EXPECT_FALSE(form->Page2->Visible());
    // The first page never offers Back, and keeps that for good.
    EXPECT_FALSE(ButtonOf(*form->Wizard1, bkBack).Enabled());
    EXPECT_FALSE(form->Page1->EnabledButtons().Has(bkBack));
    EXPECT_TRUE(ButtonOf(*form->Wizard1, bkNext).Default());
}

TEST(Wizard, AFirstPageThatIsDisabledIsSkippedAndTheSecondOffersNoBack) {
    auto form = LoadWizard(WizardForm("      Enabled = False\r\n"));
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
    EXPECT_FALSE(ButtonOf(*form->Wizard1, bkBack).Enabled());
    EXPECT_FALSE(form->Page2->EnabledButtons().Has(bkBack));
    // A disabled page cannot be made active.
    form->Wizard1->SetActivePage(form->Page1);
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
    // Back from the second page finds nothing before it.
    form->Wizard1->SelectPriorPage();
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
}

TEST(Wizard, MovingFiresExitEnterAndPageInOrder) {
    auto form = LoadWizard(WizardForm());
    form->log.clear();
    int result = testing_support::ShowModalAndDo(*form, [&] {
        form->log.clear();
        ButtonOf(*form->Wizard1, bkNext).Click();
        form->SetModalResult(ui::mrCancel);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(
        form->log, (std::vector<std::string>{
                       "page next", "wizard next", "select Page1 -> Page2", "exit Page1 to Page2",
                       "enter Page2 from Page1", "page Page2"})
    );
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
    EXPECT_TRUE(ButtonOf(*form->Wizard1, bkBack).Enabled());
}

TEST(Wizard, TheSelectEventMaySubstituteAnotherPage) {
    auto form = LoadWizard(WizardForm());
    form->substitute = form->Page3;
    form->Wizard1->SelectNextPage();
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page3);
}

TEST(Wizard, NextOnTheLastPageChangesNothingAndFiresNoMove) {
    auto form = LoadWizard(WizardForm());
    form->Wizard1->SetActivePage(form->Page3);
    ASSERT_TRUE(form->Page3->VisibleButtons().Has(bkNext));
    form->log.clear();
    form->Wizard1->SelectNextPage();
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page3);
    EXPECT_TRUE(form->log.empty());
}

TEST(Wizard, APageThatStopsNextKeepsThePageTheHandlerAndTheModalResult) {
    auto form = LoadWizard(WizardForm());
    form->stopNext = true;
    form->log.clear();
    ButtonOf(*form->Wizard1, bkNext).Click();
    EXPECT_EQ(form->log, (std::vector<std::string>{"page next"}));
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page1);
    EXPECT_EQ(form->GetModalResult(), ui::mrNone);
    // Without the stop the button's modal result and handler act, then the move.
    form->stopNext = false;
    ButtonOf(*form->Wizard1, bkNext).Click();
    EXPECT_EQ(form->GetModalResult(), ui::mrOk);
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
}

TEST(Wizard, TheButtonBarFollowsTheActivePage) {
    auto form = LoadWizard(WizardForm("", "      VisibleButtons = [bkBack, bkNext, bkFinish, bkCancel]\r\n"));
    testing_support::ShowModalAndDo(*form, [&] {
        TKWizard& w = *form->Wizard1;
        RECT client = w.ClientRect();
        ASSERT_EQ(client.right, 500);
        ASSERT_EQ(client.bottom, 290);
        // Back and Next side by side, Cancel 10 pixels right of them, 8 from the edge.
        RECT back = BoundsOf(ButtonOf(w, bkBack)), next = BoundsOf(ButtonOf(w, bkNext));
        RECT cancel = BoundsOf(ButtonOf(w, bkCancel));
        EXPECT_EQ(cancel.right, 492);
        EXPECT_EQ(cancel.top, 258);
        EXPECT_EQ(cancel.bottom - cancel.top, 25);
        EXPECT_EQ(next.right + 10, cancel.left);
        EXPECT_EQ(back.right + 1, next.left);
        // Next and Finish both: Back, Next, a gap of 10, Finish, Cancel.
        w.SetActivePage(form->Page3);
        back = BoundsOf(ButtonOf(w, bkBack));
        next = BoundsOf(ButtonOf(w, bkNext));
        RECT finish = BoundsOf(ButtonOf(w, bkFinish));
        cancel = BoundsOf(ButtonOf(w, bkCancel));
        EXPECT_TRUE(ButtonOf(w, bkFinish).Visible());
        EXPECT_EQ(finish.right + 1, cancel.left);
        EXPECT_EQ(next.right + 10, finish.left);
        EXPECT_EQ(back.right + 1, next.left);
        EXPECT_EQ(cancel.right, 492);
        // Only Finish: Back, Finish, a gap of 10, Cancel; Finish becomes the default.
        form->Page3->SetVisibleButtons(kLastPageButtons);
        back = BoundsOf(ButtonOf(w, bkBack));
        finish = BoundsOf(ButtonOf(w, bkFinish));
        cancel = BoundsOf(ButtonOf(w, bkCancel));
        EXPECT_FALSE(ButtonOf(w, bkNext).Visible());
        EXPECT_EQ(finish.right + 10, cancel.left);
        EXPECT_EQ(back.right + 1, finish.left);
        EXPECT_EQ(form->DefaultButton(), &ButtonOf(w, bkFinish));
        // The pages end where the bar starts.
        EXPECT_EQ(form->Page3->Height(), 290 - 42);
        form->SetModalResult(ui::mrCancel);
    });
}

TEST(Wizard, APageWithoutButtonsGetsTheWholeWizard) {
    auto form = LoadWizard(WizardForm("", "      VisibleButtons = []\r\n"));
    testing_support::ShowModalAndDo(*form, [&] {
        TKWizard& w = *form->Wizard1;
        w.SetActivePage(form->Page3);
        EXPECT_EQ(w.ButtonBarHeight(), 0);
        EXPECT_EQ(form->Page3->Height(), 290);
        for (int kind = 0; kind < kButtonKindCount; ++kind) {
            RECT b = BoundsOf(ButtonOf(w, static_cast<TKWizardButtonKind>(kind)));
            EXPECT_EQ(b.bottom - b.top, 0) << kind;
            EXPECT_EQ(b.left, 0) << kind;
            EXPECT_EQ(b.top, 0) << kind;
        }
        // Back to a page with buttons: the bar returns.
        w.SetActivePage(form->Page2);
        EXPECT_EQ(w.ButtonBarHeight(), 42);
        EXPECT_EQ(form->Page2->Height(), 248);
        form->SetModalResult(ui::mrCancel);
    });
}

TEST(Wizard, TheBarFitsTheButtonsThePageShowsAfterItsEnterEvent) {
    auto form = LoadWizard(WizardForm());
    form->buttonlessOnEnter = form->Page2;
    testing_support::ShowModalAndDo(*form, [&] {
        TKWizard& w = *form->Wizard1;
        w.SetActivePage(form->Page2);
        EXPECT_EQ(w.ButtonBarHeight(), 0);
        EXPECT_EQ(form->Page2->Height(), 290);
        EXPECT_FALSE(IsWindowVisible(ButtonOf(w, bkNext).Handle()));
        form->SetModalResult(ui::mrCancel);
    });
}

TEST(Wizard, EnterPressesTheDefaultButtonAndEscapeCancels) {
    auto form = LoadWizard(WizardForm());
    int result = testing_support::ShowModalAndDo(*form, [&] {
        MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        EXPECT_TRUE(form->HandleDialogKey(enter));
        EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
        form->SetModalResult(ui::mrNone);
        MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
        EXPECT_TRUE(form->HandleDialogKey(escape));
    });
    EXPECT_EQ(result, ui::mrCancel);
}

TEST(Wizard, AltAndTheUnderlinedLetterPressesAButton) {
    auto form = LoadWizard(WizardForm());
    testing_support::ShowModalAndDo(*form, [&] {
        // Through the application's message handling, as the modal loop does it.
        auto press = [](wchar_t letter) {
            PostMessageW(GetFocus(), WM_SYSCHAR, letter, 0x20000000);
            for (int i = 0; i < 10; ++i) {
                ui::Application::Instance().ProcessMessages();
                Sleep(10);
            }
        };
        press(L'n');
        EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
        form->SetModalResult(ui::mrNone);
        press(L'b');
        EXPECT_EQ(form->Wizard1->ActivePage(), form->Page1);
        form->SetModalResult(ui::mrCancel);
    });
}

TEST(Wizard, RemovingAPageActivatesTheNextEnabledOne) {
    auto form = LoadWizard(WizardForm());
    form->Wizard1->RemovePage(*form->Page1);
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
    EXPECT_EQ(form->Page1->Wizard(), nullptr);
    EXPECT_EQ(form->Page2->PageIndex(), 0);
    // Disabling the active page moves on, or back when it is the last.
    form->Wizard1->SetActivePage(form->Page3);
    form->Page3->SetEnabled(false);
    EXPECT_EQ(form->Wizard1->ActivePage(), form->Page2);
}

TEST(Wizard, ARemovedActivePageIsHiddenAndOutOfTheTabOrder) {
    auto form = LoadWizard(WizardForm());
    testing_support::ShowModalAndDo(*form, [&] {
        TKWizard& w = *form->Wizard1;
        w.SetActivePage(form->Page3);
        SetFocus(form->Page3->Handle());
        w.RemovePage(*form->Page3);
        // Nothing follows the last page: the nearest one before it takes over.
        EXPECT_EQ(w.ActivePage(), form->Page2);
        EXPECT_TRUE(IsWindowVisible(form->Page2->Handle()));
        EXPECT_FALSE(IsWindowVisible(form->Page3->Handle()));
        HWND focus = GetFocus();
        EXPECT_FALSE(focus == form->Page3->Handle() || IsChild(form->Page3->Handle(), focus));
        HWND item = nullptr;
        for (int i = 0; i < 12; ++i) {
            item = GetNextDlgTabItem(form->Handle(), item, FALSE);
            EXPECT_FALSE(item && (item == form->Page3->Handle() || IsChild(form->Page3->Handle(), item)));
        }
        form->SetModalResult(ui::mrCancel);
    });
}

TEST(Wizard, PagesOfAnotherWizardAreRefused) {
    auto a = LoadWizard(WizardForm());
    auto b = LoadWizard(WizardForm());
    a->Wizard1->SetActivePage(b->Page2);
    EXPECT_EQ(a->Wizard1->ActivePage(), a->Page1);
    EXPECT_THROW(a->Wizard1->IsForward(a->Page1, b->Page2), platform::Error);
    EXPECT_TRUE(a->Wizard1->IsForward(a->Page1, a->Page3));
    EXPECT_FALSE(a->Wizard1->IsForward(a->Page3, a->Page1));
    EXPECT_TRUE(a->Wizard1->IsForward(nullptr, a->Page1));
    EXPECT_FALSE(a->Wizard1->IsForward(a->Page1, nullptr));
}

TEST(WizardHeader, AnImageIndexBeyondTheListPaintsNoImageAndKeepsTheTextWidth) {
    auto form = LoadWizard(WizardForm());
    TKWizardPageHeader& header = form->Page1->Header();
    RECT free{0, 0, 500, 248};
    header.SetImageIndex(1);
    HeaderLayout with = header.GetLayout(free);
    ASSERT_TRUE(with.image.has_value());
    EXPECT_EQ(with.image->left, 500 - 70 - 4);
    EXPECT_EQ(with.image->top, 0);
    EXPECT_EQ(with.textArea.right, 500 - 70 - 4);
    header.SetImageIndex(3);  // the list holds three
    HeaderLayout beyond = header.GetLayout(free);
    EXPECT_FALSE(beyond.image.has_value());
    EXPECT_EQ(beyond.textArea.right, 500);
    EXPECT_EQ(beyond.pageTop, 70);
}

TEST(WizardHeader, TheTitleSitsFourPixelsInAndTheSubtitleEndsFourAboveTheBottom) {
    auto form = LoadWizard(WizardForm());
    TKWizardPageHeader& header = form->Page1->Header();
    EXPECT_EQ(header.Title().Text(), L"Title");
    EXPECT_EQ(header.Subtitle().Text(), L"Subtitle");
    EXPECT_EQ(header.Title().TitleFont().Style(), ui::kBold);
    HDC dc = GetDC(nullptr);
    RECT area{0, 0, 426, 70};
    RECT title = header.Title().GetTextRect(dc, area);
    EXPECT_EQ(title.left, 4);
    EXPECT_EQ(title.top, 4);
    EXPECT_EQ(title.right, 426 - 4);
    RECT rest = area;
    rest.top = title.bottom;
    RECT subtitle = header.Subtitle().GetTextRect(dc, rest);
    EXPECT_EQ(subtitle.top, title.bottom + 4);
    EXPECT_EQ(subtitle.bottom, 70 - 4);
    EXPECT_EQ(subtitle.right, 426 - 4);
    ReleaseDC(nullptr, dc);
}
