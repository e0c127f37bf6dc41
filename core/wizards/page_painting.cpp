#include "core/wizards/page_painting.h"

#include <algorithm>

namespace wizards {
namespace {

constexpr int kEtchedWidth = 2;
// The header image keeps this distance from the right edge when it sits on the right.
constexpr int kHeaderImageRightGap = 4;
constexpr int kBarWithoutRoom = 25;

Rect Shrunk(const Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

EtchedFrame Frame3D(const Rect& r, unsigned sides) {
    EtchedFrame frame{{}, {}, r};
    // The shadow outline is the rectangle less its last column and row; the highlight
    // outline the same moved one pixel right and down.
    const Rect shade{r.left, r.top, r.right - 1, r.bottom - 1};
    const Rect light{r.left + 1, r.top + 1, r.right, r.bottom};
    auto strips = [](const Rect& o, unsigned side) -> Rect {
        switch (side) {
            case kSideLeft:
                return {o.left, o.top, o.left + 1, o.bottom};
            case kSideTop:
                return {o.left, o.top, o.right, o.top + 1};
            case kSideRight:
                return {o.right - 1, o.top, o.right, o.bottom};
            default:
                return {o.left, o.bottom - 1, o.right, o.bottom};
        }
    };
    for (unsigned side : {kSideLeft, kSideTop, kSideRight, kSideBottom}) {
        if (!(sides & side)) continue;
        frame.shadow.push_back(strips(shade, side));
        frame.highlight.push_back(strips(light, side));
    }
    if (sides & kSideLeft) frame.inside.left += kEtchedWidth;
    if (sides & kSideTop) frame.inside.top += kEtchedWidth;
    if (sides & kSideRight) frame.inside.right -= kEtchedWidth;
    if (sides & kSideBottom) frame.inside.bottom -= kEtchedWidth;
    return frame;
}

std::optional<EtchedFrame> ButtonBarDivider(const Rect& client, int buttonBarHeight, bool showDivider) {
    if (buttonBarHeight <= kBarWithoutRoom || !showDivider) return std::nullopt;
    return Frame3D({client.left, client.bottom - buttonBarHeight, client.right, client.bottom}, kSideTop);
}

HeaderLayout LayoutHeader(const Rect& free, const HeaderSettings& header, std::optional<ImageListSize> images) {
    HeaderLayout layout;
    layout.header = {free.left, free.top, free.right, free.top + header.height};
    layout.textArea = layout.header;
    layout.pageTop = free.top + header.height;
    if (!images || header.imageIndex < 0 || header.imageIndex >= images->count) return layout;
    const Rect& h = layout.header;
    Rect image{h.left, h.top, h.left + images->width, h.top + images->height};
    int dx = header.imageOffset;
    const int dy = (h.Height() - images->height) / 2;
    if (header.imageAlignment == iaRight) dx += h.Width() - images->width - kHeaderImageRightGap;
    image = {image.left + dx, image.top + dy, image.right + dx, image.bottom + dy};
    layout.image = image;
    if (header.imageAlignment == iaRight) {
        layout.textArea.right = image.left;
    } else {
        layout.textArea.left = image.right;
    }
    return layout;
}

Rect TitleTextRect(const Rect& area, Size extent, const TitleSettings& title) {
    Rect r{area.left, area.top, area.left + extent.width, area.top + extent.height};
    const int p = title.anchorPlacement;
    if (title.anchors & akLeft) {
        r.left += p;
        r.right += p;
    }
    if (title.anchors & akTop) {
        r.top += p;
        r.bottom += p;
    }
    if (title.anchors & akRight) r.right = area.right - p;
    if (title.anchors & akBottom) r.bottom = area.bottom - p;
    r.left += title.indent;
    r.right -= title.indent;
    r.right = std::min(r.right, area.right);
    r.bottom = std::min(r.bottom, area.bottom);
    return r;
}

WatermarkLayout LayoutWatermark(const Rect& free, bool alignRight, int width, int borderWidth) {
    WatermarkLayout layout;
    layout.column = alignRight ? Rect{free.right - width, free.top, free.right, free.bottom}
                               : Rect{free.left, free.top, free.left + width, free.bottom};
    layout.fill = Shrunk(layout.column, borderWidth);
    layout.rest = free;
    if (alignRight) {
        layout.rest.right -= width;
    } else {
        layout.rest.left += width;
    }
    return layout;
}

PicturePlacement PlacePicture(const Rect& area, Size graphic, TKImageAlignment alignment, TKImageLayout layout) {
    Rect q = area;
    const int w = area.Width();
    const int h = area.Height();
    if ((alignment == iaRight || alignment == iaCenter) && graphic.width < w) {
        q.left += alignment == iaCenter ? (w - graphic.width) / 2 : w - graphic.width;
    }
    if ((layout == ilBottom || layout == ilCenter) && graphic.height < h) {
        q.top += layout == ilCenter ? (h - graphic.height) / 2 : h - graphic.height;
    }
    if (alignment == iaStretch || layout == ilStretch) return {q, true};
    return {{q.left, q.top, q.left + graphic.width, q.top + graphic.height}, false};
}

std::optional<PanelLayout> LayoutPanel(const Rect& free, int borderWidth, bool filled) {
    if (borderWidth <= 0) return std::nullopt;
    PanelLayout panel{Frame3D(Shrunk(free, borderWidth), kAllSides), std::nullopt};
    if (filled) panel.fill = panel.frame.inside;
    return panel;
}

Rect PageChildArea(const Rect& pageClient, const PageDecorations& d) {
    Rect area = pageClient;
    if (d.headerVisible) area.top += d.headerHeight;
    if (d.watermarkVisible) {
        if (d.watermarkRight) {
            area.right -= d.watermarkWidth;
        } else {
            area.left += d.watermarkWidth;
        }
    }
    return area;
}

}  // namespace wizards
