#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "platform/handles.h"

namespace {

struct DrawingFailed : std::runtime_error {
    DrawingFailed() : std::runtime_error("drawing failed") {}
};

// A memory device context with a small bitmap, as the drawing code gets it.
class HandlesTest : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap.Reset(CreateBitmap(16, 16, 1, 32, nullptr));
        ASSERT_TRUE(dc && bitmap);
        SelectObject(dc.Get(), bitmap.Get());
    }

    HGDIOBJ Current(UINT kind) const { return GetCurrentObject(dc.Get(), kind); }

    platform::MemoryDc dc{CreateCompatibleDC(nullptr)};
    platform::BitmapHandle bitmap;
};

TEST_F(HandlesTest, ASelectionIsUndoneWhenDrawingThrows) {
    HGDIOBJ original = Current(OBJ_PEN);
    platform::PenHandle pen(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    EXPECT_THROW(
        {
            platform::Selection selected(dc.Get(), pen.Get());
            EXPECT_EQ(Current(OBJ_PEN), pen.Get());
            throw DrawingFailed();
        },
        DrawingFailed
    );
    EXPECT_EQ(Current(OBJ_PEN), original);
    EXPECT_NE(GetObjectType(pen.Get()), 0u);  // borrowed: still alive
}

TEST_F(HandlesTest, AnObjectMadeForOneStepIsDeselectedThenDeleted) {
    HGDIOBJ original = Current(OBJ_BRUSH);
    HBRUSH made = CreateSolidBrush(RGB(0, 0, 255));
    EXPECT_THROW(
        {
            platform::OwnedSelection selected(dc.Get(), made);
            EXPECT_EQ(Current(OBJ_BRUSH), made);
            throw DrawingFailed();
        },
        DrawingFailed
    );
    EXPECT_EQ(Current(OBJ_BRUSH), original);
    EXPECT_EQ(GetObjectType(made), 0u);
}

TEST_F(HandlesTest, ASavedStateComesBackWhenDrawingThrows) {
    RECT before{};
    GetClipBox(dc.Get(), &before);
    EXPECT_THROW(
        {
            platform::SavedDc saved(dc.Get());
            IntersectClipRect(dc.Get(), 2, 2, 4, 4);
            SetBkMode(dc.Get(), TRANSPARENT);
            throw DrawingFailed();
        },
        DrawingFailed
    );
    RECT after{};
    GetClipBox(dc.Get(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetBkMode(dc.Get()), OPAQUE);
}

TEST_F(HandlesTest, OwnershipMovesAndEndsOnce) {
    HBRUSH made = CreateSolidBrush(RGB(1, 2, 3));
    platform::BrushHandle first(made);
    platform::BrushHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.Get(), made);
    second.Reset();
    EXPECT_EQ(GetObjectType(made), 0u);

    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    {
        platform::KernelHandle owned(event);
        DWORD flags = 0;
        EXPECT_TRUE(GetHandleInformation(owned.Get(), &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(event, &flags));
    EXPECT_FALSE(platform::KernelHandle(INVALID_HANDLE_VALUE));
}

}  // namespace
