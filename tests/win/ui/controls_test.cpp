#include <gtest/gtest.h>

#include <shlobj.h>

#include "platform/error.h"
#include "platform/handles.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/status_bar.h"

namespace {

// A bare form with controls made in code, shown (not modally) for message-level checks.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::InitializeKit();
        form = std::make_unique<ui::Form>(nullptr);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
    }

    template <class T>
    T& Add(ui::WinControl& parent, int left, int top) {
        auto* c = new T(form.get());
        c->SetParent(&parent);
        c->SetLeft(left);
        c->SetTop(top);
        return *c;
    }

    void Show() {
        form->Show();
        ui::Application::Instance().ProcessMessages();
    }

    std::unique_ptr<ui::Form> form;
};

TEST_F(ControlsTest, RadioButtonsAreGroupedByTheirParent) {
    auto& left = Add<ui::Panel>(*form, 0, 0);
    auto& right = Add<ui::Panel>(*form, 150, 0);
    auto& a1 = Add<ui::RadioButton>(left, 4, 4);
    auto& a2 = Add<ui::RadioButton>(left, 4, 20);
    auto& b1 = Add<ui::RadioButton>(right, 4, 4);
    Show();
    SendMessageW(b1.Handle(), BM_CLICK, 0, 0);
    SendMessageW(a1.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(a1.Checked());
    EXPECT_TRUE(b1.Checked());
    SendMessageW(a2.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(a1.Checked());
    EXPECT_TRUE(a2.Checked());
    EXPECT_TRUE(b1.Checked());
    a1.SetChecked(true);
    EXPECT_FALSE(a2.Checked());
}

TEST_F(ControlsTest, CheckBoxTogglesAndReportsTheClick) {
    auto& box = Add<ui::CheckBox>(*form, 8, 8);
    int clicks = 0;
    box.OnClick = [&](ui::NotifyArgs& a) {
        EXPECT_EQ(a.sender, &box);
        ++clicks;
    };
    box.SetChecked(true);  // set by code before the window exists
    Show();
    EXPECT_EQ(SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(box.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, EditAndMemoFollowTheirWindowText) {
    auto& edit = Add<ui::Edit>(*form, 8, 8);
    auto& memo = Add<ui::Memo>(*form, 8, 40);
    int changes = 0;
    edit.OnChange = [&](ui::NotifyArgs&) { ++changes; };
    Show();
    SetWindowTextW(edit.Handle(), L"typed");
    EXPECT_EQ(edit.Caption(), L"typed");
    EXPECT_EQ(changes, 1);
    edit.SetCaption(L"set");
    EXPECT_EQ(changes, 2);
    wchar_t text[16];
    GetWindowTextW(edit.Handle(), text, 16);
    EXPECT_STREQ(text, L"set");

    SetWindowTextW(memo.Handle(), L"one\r\ntwo");
    EXPECT_EQ(memo.Lines().Lines(), (std::vector<std::wstring>{L"one", L"two"}));
    memo.Lines().Assign({L"x", L"y", L"z"});
    GetWindowTextW(memo.Handle(), text, 16);
    EXPECT_STREQ(text, L"x\r\ny\r\nz");
    memo.SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtrW(memo.Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(ControlsTest, LabelsTakeMouseAndClicksThroughTheirParent) {
    auto& panel = Add<ui::Panel>(*form, 0, 0);
    panel.SetBounds(0, 0, 300, 100);
    auto& label = Add<ui::Label>(panel, 20, 30);
    label.SetCaption(L"Click here");
    std::vector<std::string> events;
    label.OnMouseDown = [&](ui::MouseArgs& a) {
        events.push_back("down " + std::to_string(a.x) + "," + std::to_string(a.y));
    };
    label.OnMouseUp = [&](ui::MouseArgs&) { events.push_back("up"); };
    label.OnClick = [&](ui::NotifyArgs& a) { events.push_back(a.sender == &label ? "label click" : "?"); };
    panel.OnClick = [&](ui::NotifyArgs&) { events.push_back("panel click"); };
    Show();
    EXPECT_GT(label.Width(), 20);  // sized to its caption
    SendMessageW(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(23, 34));
    SendMessageW(panel.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(23, 34));
    SendMessageW(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 90));
    SendMessageW(panel.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(250, 90));
    EXPECT_EQ(events, (std::vector<std::string>{"down 3,4", "up", "label click", "panel click"}));
}

// Italic and several Cyrillic letters reach past their advance width: the caption's ink must
// stay within the label, which clips its painting to its bounds.
TEST_F(ControlsTest, AnAutoSizedLabelHoldsAllOfItsCaptionsInk) {
    auto& label = Add<ui::Label>(*form, 10, 10);
    label.TextFont().SetName(L"Times New Roman");
    label.TextFont().SetSize(24);
    label.TextFont().SetStyle(ui::kItalic);
    label.SetCaption(L"Staff");
    Show();

    platform::WindowDc screen;
    platform::MemoryDc dc(CreateCompatibleDC(screen.Get()));
    platform::BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 400, 100));
    platform::Selection selectedBitmap(dc.Get(), bitmap.Get());
    RECT all{0, 0, 400, 100};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    platform::Selection selectedFont(dc.Get(), label.TextFont().Handle());
    SetBkMode(dc.Get(), TRANSPARENT);
    DrawTextW(dc.Get(), L"Staff", -1, &all, DT_SINGLELINE | DT_NOCLIP);
    int rightmostInk = -1;
    for (int x = 0; x < 400; ++x)
        for (int y = 0; y < 100; ++y)
            if (GetPixel(dc.Get(), x, y) != RGB(255, 255, 255)) rightmostInk = x;
    ASSERT_GT(rightmostInk, 0);
    EXPECT_GT(label.Width(), rightmostInk);
}

TEST_F(ControlsTest, EnterAndEscPressTheFormsButtons) {
    auto& ok = Add<ui::Button>(*form, 8, 8);
    auto& cancel = Add<ui::Button>(*form, 100, 8);
    auto& edit = Add<ui::Edit>(*form, 8, 50);
    ok.SetDefault(true);
    ok.SetModalResult(ui::mrOk);
    cancel.SetCancel(true);
    cancel.SetModalResult(ui::mrCancel);
    EXPECT_EQ(
        testing_support::ShowModalAndDo(
            *form,
            [&] {
                edit.SetFocus();
                PostMessageW(edit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
            }
        ),
        ui::mrOk
    );
    EXPECT_EQ(
        testing_support::ShowModalAndDo(*form, [&] { PostMessageW(edit.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }),
        ui::mrCancel
    );
    // Enter on a focused button presses that button, not the default one.
    EXPECT_EQ(
        testing_support::ShowModalAndDo(
            *form,
            [&] {
                cancel.SetFocus();
                PostMessageW(cancel.Handle(), WM_KEYDOWN, VK_RETURN, 0);
            }
        ),
        ui::mrCancel
    );
}

TEST_F(ControlsTest, ClosingHandlersCanKeepAModalFormOpen) {
    auto& button = Add<ui::Button>(*form, 8, 8);
    button.SetModalResult(ui::mrOk);
    int asked = 0;
    form->OnClose = [&](ui::CloseArgs& a) {
        if (++asked == 1) a.action = ui::CloseAction::None;
    };
    int result = testing_support::ShowModalAndDo(*form, [&] {
        SendMessageW(button.Handle(), BM_CLICK, 0, 0);  // refused by the first OnClose
        PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(ControlsTest, StatusBarPanelsAndOwnerDrawing) {
    auto& bar = Add<ui::StatusBar>(*form, 0, 0);
    bar.Panels().Add().SetWidth(120);
    bar.Panels()[0].SetStyle(ui::PanelStyle::OwnerDraw);
    bar.Panels().Add().SetText(L"Idle");
    std::vector<int> drawn;
    bar.OnDrawPanel = [&](ui::DrawPanelArgs& a) { drawn.push_back(a.panelIndex); };
    Show();
    UpdateWindow(bar.Handle());
    EXPECT_EQ(bar.Top() + bar.Height(), 200);
    EXPECT_EQ(SendMessageW(bar.Handle(), SB_GETPARTS, 0, 0), 2);
    wchar_t text[16] = {};
    SendMessageW(bar.Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Idle");
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 0), drawn.end());
}

TEST_F(ControlsTest, MenusFollowTheirItems) {
    auto& menu = *new ui::PopupMenu(form.get());
    auto& a = *new ui::MenuItem(form.get());
    auto& b = *new ui::MenuItem(form.get());
    auto& hidden = *new ui::MenuItem(form.get());
    for (ui::MenuItem* item : {&a, &b, &hidden}) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        menu.Items().Add(*item);
    }
    a.SetCaption(L"&One");
    b.SetCaption(L"&Two");
    hidden.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 2);

    b.SetChecked(true);
    a.SetChecked(true);
    EXPECT_FALSE(b.Checked());
    EXPECT_EQ(GetMenuState(menu.Handle(), a.CommandId(), MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));

    b.SetEnabled(false);
    EXPECT_TRUE(GetMenuState(menu.Handle(), b.CommandId(), MF_BYCOMMAND) & MF_GRAYED);

    int clicked = 0;
    a.OnClick = [&](ui::NotifyArgs&) { ++clicked; };
    form->HandleNeeded();
    SendMessageW(form->Handle(), WM_COMMAND, a.CommandId(), 0);
    EXPECT_EQ(clicked, 1);

    // With images the items are drawn by the kit.
    auto& images = *new ui::ImageList(form.get());
    menu.SetImages(&images);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu.Handle(), a.CommandId(), FALSE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    delete &images;  // the menu lets go of a freed image list
    EXPECT_EQ(menu.Images(), nullptr);
}

TEST_F(ControlsTest, ExceptionsInHandlersReachTheApplicationHookNotTheSystem) {
    auto& button = Add<ui::Button>(*form, 8, 8);
    button.OnClick = [](ui::NotifyArgs&) { throw platform::Error(L"Broken handler"); };
    std::wstring reported;
    ui::Application::Instance().SetExceptionHandler([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const platform::Error& e) {
            reported = e.Message();
        }
    });
    Show();
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    ui::Application::Instance().SetExceptionHandler(nullptr);
    EXPECT_EQ(reported, L"Broken handler");
    EXPECT_TRUE(IsWindow(button.Handle()));
}

TEST_F(ControlsTest, FilesDroppedFromTheShellReachTheForm) {
    std::vector<std::wstring> dropped;
    form->OnDropFiles = [&](ui::DropFilesArgs& a) { dropped = a.files; };
    form->SetAcceptFiles(true);
    Show();
    EXPECT_TRUE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const wchar_t names[] = L"C:\\Apps\\edit.exe\0C:\\b.lnk\0";
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, names, sizeof names);
    GlobalUnlock(memory);
    SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(dropped, (std::vector<std::wstring>{L"C:\\Apps\\edit.exe", L"C:\\b.lnk"}));
}

TEST_F(ControlsTest, FreeingAContainerBeforeItsChildrenIsSafe) {
    auto* panel = &Add<ui::Panel>(*form, 0, 0);
    auto& label = Add<ui::Label>(*panel, 4, 4);
    auto& edit = Add<ui::Edit>(*panel, 4, 20);
    auto& box = Add<ui::CheckBox>(*panel, 4, 50);
    Show();
    delete panel;
    EXPECT_EQ(label.Parent(), nullptr);
    EXPECT_EQ(edit.Parent(), nullptr);
    EXPECT_EQ(box.Parent(), nullptr);
    EXPECT_FALSE(edit.HandleAllocated());
    edit.SetParent(form.get());  // still usable elsewhere
    EXPECT_TRUE(edit.HandleAllocated());
}

TEST(Pictures, CorruptDataLeavesThePictureEmpty) {
    ui::Picture picture;
    auto stored = [](const std::string& kind, const std::vector<std::uint8_t>& body) {
        std::vector<std::uint8_t> data;
        data.push_back(static_cast<std::uint8_t>(kind.size()));
        for (char c : kind) data.push_back(static_cast<std::uint8_t>(c));
        for (std::uint8_t b : body) data.push_back(b);
        return data;
    };
    picture.SetData({});
    EXPECT_TRUE(picture.Empty());
    picture.SetData({200, 'T'});  // name longer than the data
    EXPECT_TRUE(picture.Empty());
    picture.SetData(stored("TBitmap", {0xFF, 0xFF, 0xFF, 0x7F, 'B', 'M'}));  // size beyond the data
    EXPECT_TRUE(picture.Empty());
    picture.SetData(stored("TIcon", {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 0xFF, 0xFF, 0, 0, 22, 0, 0, 0}));
    EXPECT_TRUE(picture.Empty());  // entry reaching past the end
    picture.SetData(stored("TMetafile", {1, 2, 3}));
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.Data().empty());

    // A valid 2 x 2 bitmap loads.
    std::vector<std::uint8_t> bmp(14 + 40 + 16, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[10] = 54;
    bmp[14] = 40;
    bmp[18] = 2;
    bmp[22] = 2;
    bmp[26] = 1;
    bmp[28] = 24;
    std::vector<std::uint8_t> body{static_cast<std::uint8_t>(bmp.size()), 0, 0, 0};
    for (std::uint8_t b : bmp) body.push_back(b);
    picture.SetData(stored("TBitmap", body));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 2);
}

// A window or window class that the system refuses is an error naming the class, not a
// control left without a window.
class RefusedClass : public ui::Panel {
public:
    using ui::Panel::Panel;

protected:
    void FillCreateParams(CreateParams& params) override {
        ui::Panel::FillCreateParams(params);
        params.className = L"TesslyNoSuchClass";
    }
};

class UnregistrableForm : public ui::Form {
public:
    using ui::Form::Form;
    // Window class names end before 256 characters.
    const char* ClassName() const override { return name_.c_str(); }

private:
    std::string name_ = std::string(257, 'T');
};

TEST_F(ControlsTest, RefusedWindowsAndWindowClassesAreErrors) {
    auto& refused = Add<RefusedClass>(*form, 0, 0);
    try {
        form->HandleNeeded();
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_NE(e.Message().find(L"\"TesslyNoSuchClass\""), std::wstring::npos) << e.Message();
    }
    EXPECT_EQ(refused.Handle(), nullptr);

    UnregistrableForm unregistrable(nullptr);
    EXPECT_THROW(unregistrable.HandleNeeded(), platform::Error);
    EXPECT_EQ(unregistrable.Handle(), nullptr);
}

}  // namespace
