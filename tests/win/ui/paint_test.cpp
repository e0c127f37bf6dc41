#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/handles.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/application.h"
#include "ui/graphic_control.h"

namespace {

class FailingPaint : public ui::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(HDC) override { throw std::runtime_error("paint failed"); }
};

COLORREF PixelAt(HWND window, int x, int y) {
    platform::WindowDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

// BeginPaint hides the caret and only EndPaint shows it again, so a caret still drawn
// after the failed paint tells that painting was ended.
TEST(PaintTest, APaintHandlerThatThrowsStillEndsPainting) {
    testing_support::InitializeKit();
    auto form = std::make_unique<ui::Form>(nullptr);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    auto* failing = new FailingPaint(form.get());
    failing->SetParent(form.get());
    failing->SetBounds(100, 0, 50, 50);
    int failures = 0;
    ui::Application::Instance().SetExceptionHandler([&](std::exception_ptr) { ++failures; });
    form->Show();
    ui::Application::Instance().ProcessMessages();
    failures = 0;

    HWND window = form->Handle();
    SetFocus(window);
    ASSERT_TRUE(CreateCaret(window, nullptr, 4, 10));
    SetCaretPos(10, 10);
    ShowCaret(window);
    COLORREF withCaret = PixelAt(window, 11, 11);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    ui::Application::Instance().SetExceptionHandler(nullptr);

    EXPECT_EQ(failures, 1);
    EXPECT_EQ(PixelAt(window, 11, 11), withCaret);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));  // not asked to paint again and again
    DestroyCaret();
}

}  // namespace
