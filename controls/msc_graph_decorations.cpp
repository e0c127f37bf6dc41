#include <string>

#include "controls/chart_fonts.h"
#include "controls/msc_graph.h"
#include "controls/plot_drawing.h"
#include "core/chart/decoration_layout.h"
#include "platform/handles.h"

// Axes, labels and caption, drawn on the output surface after every restretch. Texts are
// written black or red on a white scratch surface and AND-combined into the output, so
// their white background vanishes and drawing them twice changes nothing.
namespace controls {
namespace {

constexpr wchar_t kLabelFace[] = L"Tahoma";

void Whiten(DibSurface& scratch) { scratch.Fill(RGB(255, 255, 255)); }

// Writes `text` at the scratch's origin; returns its width in pixels.
int WriteOnScratch(DibSurface& scratch, const std::wstring& text, HFONT font, COLORREF color) {
    const HDC dc = scratch.dc();
    platform::Selection selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    const int length = static_cast<int>(text.size());
    TextOutW(dc, 0, 0, text.c_str(), length);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    return size.cx;
}

}  // namespace

void Tmsc_graph::draw_decorations() {
    if (!title_scratch_) {
        title_scratch_ = std::make_unique<DibSurface>(chart::kScratchWidth, chart::kScratchHeight);
        Whiten(*title_scratch_);
    }
    DibSurface& scratch = *title_scratch_;
    const HDC out = output_->dc();
    const int width = output_->width();
    const int height = output_->height();

    WriteOnScratch(scratch, title,
                   ChartFont(title_font_name, title_font_size, FontStyleFromOrdinal(title_font_style)),
                   chart::kLabelColor);
    const chart::ChartPoint caption = chart::CaptionOrigin(width, height, title_x, title_y);
    BitBlt(out, caption.x, caption.y, chart::kScratchWidth, chart::kCaptionBlockHeight, scratch.dc(), 0, 0, SRCAND);

    for (const chart::Segment& s : chart::AxisSegments(width, height))
        DrawSegment(out, s.from, s.to, 0, 1, chart::kAxisColor);

    for (const chart::AxisLabel& label : chart::AxisLabels(width, height)) {
        Whiten(scratch);
        const HFONT font = ChartFont(kLabelFace, label.point_size, FontStyle::Bold);
        const int text_width = WriteOnScratch(scratch, label.text, font, label.color);
        const int x = label.ends_at_x ? label.x - text_width : label.x;
        BitBlt(out, x, label.y, chart::kLabelBlockSize, chart::kLabelBlockSize, scratch.dc(), 0, 0, SRCAND);
    }
    Whiten(scratch);
}

}  // namespace controls
