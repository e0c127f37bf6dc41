#include "core/wizards/page_painting.h"

#include <gtest/gtest.h>

using namespace wizards;

namespace {
// A 499-pixel-wide page under its 42-pixel button bar.
const Rect kPage{0, 0, 499, 248};
const ImageListSize kHeaderImages{70, 70, 3};
}  // namespace

TEST(PagePainting, EtchedFrameIsAShadowOutlineWithAHighlightOnePixelRightAndBelow) {
    EtchedFrame all = Frame3D({10, 20, 110, 70}, kAllSides);
    EXPECT_EQ(
        all.shadow, (std::vector<Rect>{{10, 20, 11, 69}, {10, 20, 109, 21}, {108, 20, 109, 69}, {10, 68, 109, 69}})
    );
    EXPECT_EQ(
        all.highlight, (std::vector<Rect>{{11, 21, 12, 70}, {11, 21, 110, 22}, {109, 21, 110, 70}, {11, 69, 110, 70}})
    );
    EXPECT_EQ(all.inside, (Rect{12, 22, 108, 68}));
    // Along a bottom edge: shadow 2 pixels above it, highlight 1 pixel above it.
    EtchedFrame bottom = Frame3D({0, 0, 499, 70}, kSideBottom);
    EXPECT_EQ(bottom.shadow, (std::vector<Rect>{{0, 68, 498, 69}}));
    EXPECT_EQ(bottom.highlight, (std::vector<Rect>{{1, 69, 499, 70}}));
    EXPECT_EQ(bottom.inside, (Rect{0, 0, 499, 68}));
}

TEST(PagePainting, ButtonBarDividerRunsAlongTheBarsTopWhenItShows) {
    auto divider = ButtonBarDivider({0, 0, 499, 290}, 42, true);
    ASSERT_TRUE(divider);
    EXPECT_EQ(divider->shadow, (std::vector<Rect>{{0, 248, 498, 249}}));
    EXPECT_EQ(divider->highlight, (std::vector<Rect>{{1, 249, 499, 250}}));
    EXPECT_FALSE(ButtonBarDivider({0, 0, 499, 290}, 42, false));
    EXPECT_FALSE(ButtonBarDivider({0, 0, 499, 290}, 0, true));
}

TEST(PagePainting, HeaderImageSitsCentredOnTheRightAndEndsTheTextArea) {
    HeaderLayout h = LayoutHeader(kPage, {70, 0, 0, iaRight}, kHeaderImages);
    EXPECT_EQ(h.header, (Rect{0, 0, 499, 70}));
    ASSERT_TRUE(h.image);
    EXPECT_EQ(*h.image, (Rect{425, 0, 495, 70}));  // 4 pixels from the right edge
    EXPECT_EQ(h.textArea, (Rect{0, 0, 425, 70}));
    EXPECT_EQ(h.pageTop, 70);
    // A taller header centres the image; an offset moves it.
    HeaderLayout tall = LayoutHeader({0, 10, 499, 248}, {81, 2, -5, iaRight}, kHeaderImages);
    EXPECT_EQ(*tall.image, (Rect{420, 15, 490, 85}));
    EXPECT_EQ(tall.pageTop, 91);
    HeaderLayout left = LayoutHeader(kPage, {70, 0, 6, iaLeft}, kHeaderImages);
    EXPECT_EQ(*left.image, (Rect{6, 0, 76, 70}));
    EXPECT_EQ(left.textArea, (Rect{76, 0, 499, 70}));
}

TEST(PagePainting, HeaderImageIndexOutsideTheListPaintsNoImageAndKeepsTheFullText) {
    for (int index : {3, 4, -1}) {
        HeaderLayout h = LayoutHeader(kPage, {70, index, 0, iaRight}, kHeaderImages);
        EXPECT_FALSE(h.image) << index;
        EXPECT_EQ(h.textArea, h.header) << index;
    }
    EXPECT_FALSE(LayoutHeader(kPage, {70, 0, 0, iaRight}, std::nullopt).image);
}

TEST(PagePainting, TitleAndSubtitleKeepTheirAnchorDistances) {
    const Rect area{0, 0, 425, 70};
    Rect title = TitleTextRect(area, {180, 20}, {kTitleAnchors, 4, 0});
    EXPECT_EQ(title, (Rect{4, 4, 421, 24}));
    Rect subtitle =
        TitleTextRect({area.left, title.bottom, area.right, area.bottom}, {300, 13}, {kSubtitleAnchors, 4, 0});
    EXPECT_EQ(subtitle, (Rect{4, 28, 421, 66}));  // ends 4 above the header's bottom
    // Left and top only: the text's own extent; an indent narrows it on both sides.
    EXPECT_EQ(TitleTextRect(area, {100, 20}, {akLeft | akTop, 4, 10}), (Rect{14, 4, 94, 24}));
    // A text wider than the area is clipped to it.
    EXPECT_EQ(TitleTextRect(area, {600, 90}, {akLeft | akTop, 4, 0}), (Rect{4, 4, 425, 70}));
}

TEST(PagePainting, WatermarkTakesItsColumnAndLeavesTheRest) {
    WatermarkLayout w = LayoutWatermark(kPage, false, 164, 1);
    EXPECT_EQ(w.column, (Rect{0, 0, 164, 248}));
    EXPECT_EQ(w.fill, (Rect{1, 1, 163, 247}));
    EXPECT_EQ(w.rest, (Rect{164, 0, 499, 248}));
    WatermarkLayout right = LayoutWatermark(kPage, true, 164, 0);
    EXPECT_EQ(right.column, (Rect{335, 0, 499, 248}));
    EXPECT_EQ(right.fill, right.column);
    EXPECT_EQ(right.rest, (Rect{0, 0, 335, 248}));
}

TEST(PagePainting, PictureAlignsOrStretches) {
    const Rect q{0, 0, 162, 246};
    EXPECT_EQ(PlacePicture(q, {100, 100}, iaStretch, ilStretch).target, q);
    EXPECT_TRUE(PlacePicture(q, {100, 100}, iaStretch, ilTop).stretched);
    PicturePlacement centred = PlacePicture(q, {101, 100}, iaCenter, ilCenter);
    EXPECT_FALSE(centred.stretched);
    EXPECT_EQ(centred.target, (Rect{30, 73, 131, 173}));
    EXPECT_EQ(PlacePicture(q, {100, 100}, iaRight, ilBottom).target, (Rect{62, 146, 162, 246}));
    EXPECT_EQ(PlacePicture(q, {100, 100}, iaLeft, ilTop).target, (Rect{0, 0, 100, 100}));
    // A graphic larger than the area keeps its top-left corner.
    EXPECT_EQ(PlacePicture(q, {200, 300}, iaCenter, ilCenter).target, (Rect{0, 0, 200, 300}));
}

TEST(PagePainting, PanelFramesInsideItsBorder) {
    EXPECT_FALSE(LayoutPanel(kPage, 0, true));
    auto panel = LayoutPanel({0, 70, 499, 248}, 7, true);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->frame.shadow.front(), (Rect{7, 77, 8, 240}));
    EXPECT_EQ(panel->fill, (Rect{9, 79, 490, 239}));
    EXPECT_FALSE(LayoutPanel({0, 70, 499, 248}, 7, false)->fill);
}

TEST(PagePainting, ChildControlsGetThePageBelowTheHeaderAndBesideTheWatermark) {
    EXPECT_EQ(PageChildArea(kPage, {}), (Rect{0, 70, 499, 248}));
    EXPECT_EQ(PageChildArea(kPage, {true, 70, true, false, 164}), (Rect{164, 70, 499, 248}));
    EXPECT_EQ(PageChildArea(kPage, {false, 70, true, true, 164}), (Rect{0, 0, 335, 248}));
}
