#include <gtest/gtest.h>

#include "tests/win/ui/modal_driver.h"
#include "ui/action_list.h"
#include "ui/application.h"
#include "ui/application_events.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/signal.h"
#include "ui/tool_bar.h"

namespace {

TEST(Signals, ListenersHearUntilTheirConnectionGoes) {
    ui::Signal<int> signal;
    std::vector<int> heard;
    {
        ui::Connection first = signal.Connect([&](int v) { heard.push_back(v); });
        ui::Connection second = signal.Connect([&](int v) { heard.push_back(10 * v); });
        signal(1);
        second.Disconnect();
        EXPECT_FALSE(second.Connected());
        signal(2);
        ui::Connection moved = std::move(first);
        signal(3);
    }
    signal(4);
    EXPECT_EQ(heard, (std::vector<int>{1, 10, 2, 3}));

    // A connection may outlive its signal.
    auto gone = std::make_unique<ui::Signal<>>();
    ui::Connection late = gone->Connect([] {});
    gone.reset();
    EXPECT_FALSE(late.Connected());
    late.Disconnect();
}

TEST(Signals, ListenersMayChangeTheListWhileTheyAreCalled) {
    ui::Signal<> signal;
    int calls = 0;
    ui::Connection self, added;
    self = signal.Connect([&] {
        ++calls;
        self.Disconnect();
        added = signal.Connect([&] { calls += 100; });
    });
    signal();
    EXPECT_EQ(calls, 1);
    signal();
    EXPECT_EQ(calls, 101);
}

// Components that listen to others stop listening when they are freed first.
TEST(Signals, FreedListenersOfTheKitAreNotCalled) {
    testing_support::InitializeKit();
    ui::ImageList images(nullptr);
    ui::Action action(nullptr);
    {
        ui::PopupMenu menu(nullptr);
        menu.SetImages(&images);
        ui::ToolBar bar(nullptr);
        bar.SetImages(&images);
        bar.SetHotImages(&images);
        ui::MenuItem item(nullptr);
        item.SetAction(&action);
        action.SetCaption(L"Boost");
        EXPECT_EQ(item.Caption(), L"Boost");
    }
    images.SetWidth(24);
    action.SetCaption(L"Later");

    int minimized = 0;
    {
        ui::ApplicationEvents events(nullptr);
        events.OnMinimize = [&](ui::NotifyArgs&) { ++minimized; };
        ui::Application::Instance().Minimized();
    }
    ui::Application::Instance().Minimized();
    EXPECT_EQ(minimized, 1);

    // And a freed image list or action leaves its users without it.
    ui::PopupMenu menu(nullptr);
    ui::MenuItem item(nullptr);
    {
        ui::ImageList shortLived(nullptr);
        menu.SetImages(&shortLived);
        ui::Action shortAction(nullptr);
        item.SetAction(&shortAction);
    }
    EXPECT_EQ(menu.Images(), nullptr);
    EXPECT_EQ(item.GetAction(), nullptr);
}

// The window shows its menu bar as rebuilt after each change, until it has another.
TEST(Signals, TheWindowFollowsItsMenuBar) {
    testing_support::InitializeKit();
    ui::Form form(nullptr);
    auto* bar = new ui::MainMenu(&form);
    auto* item = new ui::MenuItem(&form);
    item->SetCaption(L"&File");
    bar->AdoptChild(*item);
    form.SetMenu(bar);
    form.HandleNeeded();
    EXPECT_EQ(GetMenu(form.Handle()), bar->Handle());
    item->SetCaption(L"&Datei");
    EXPECT_EQ(GetMenu(form.Handle()), bar->Handle());
    wchar_t text[32] = {};
    GetMenuStringW(GetMenu(form.Handle()), 0, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Datei");

    form.SetMenu(nullptr);
    item->SetCaption(L"&Fichier");
    EXPECT_EQ(GetMenu(form.Handle()), nullptr);
}

}  // namespace
