#include <string>

#include "controls/chart_fonts.h"
#include "controls/msc_graph.h"
#include "controls/plot_drawing.h"
#include "core/chart/decoration_layout.h"
#include "platform/handles.h"

// Axes, labels and caption, laid over the output surface after every restretch. Texts are
// written black or red on a white scratch surface and AND-combined, so their white
// background vanishes and drawing them twice changes nothing. The text drawing runs only
// when the size or the caption changes; each step merely reapplies the pixels it left.
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

void Tmsc_graph::draw_decorations_on(DibSurface& surface) {
    if (!title_scratch_) title_scratch_ = std::make_unique<DibSurface>(chart::kScratchWidth, chart::kScratchHeight);
    DibSurface& scratch = *title_scratch_;
    Whiten(scratch);
    const HDC out = surface.dc();
    const int width = surface.width();
    const int height = surface.height();

    WriteOnScratch(
        scratch, title, ChartFont(title_font_name, title_font_size, FontStyleFromOrdinal(title_font_style)),
        chart::kLabelColor
    );
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
}

// Every decoration either AND-combines with what lies below or paints over it, so its whole
// effect on a pixel p is (p & keep) | set. Drawn once over white (giving keep | set) and once
// over black (giving set), the two pictures yield both masks; only the pixels a decoration
// touches are kept.
void Tmsc_graph::render_decorations() {
    DibSurface overWhite(output_->width(), output_->height());
    DibSurface overBlack(output_->width(), output_->height());
    overWhite.Fill(RGB(255, 255, 255));
    overBlack.Fill(RGB(0, 0, 0));
    draw_decorations_on(overWhite);
    draw_decorations_on(overBlack);
    const std::uint16_t white = DibSurface::Pack(RGB(255, 255, 255));
    const DibSurface::PackedPixels keep = overWhite.Packed();
    const DibSurface::PackedPixels set = overBlack.Packed();
    decoration_pixels_.clear();
    for (int y = 0; y < overWhite.height(); ++y)
        for (int x = 0; x < overWhite.width(); ++x)
            if (keep.Row(y)[x] != white || set.Row(y)[x] != 0)
                decoration_pixels_.push_back({x, y, keep.Row(y)[x], set.Row(y)[x]});
    decorated_ = {output_->width(), output_->height(), title,   title_font_name,
                  title_font_size,  title_font_style,  title_x, title_y};
}

void Tmsc_graph::draw_decorations() {
    const DecorationKey now{output_->width(), output_->height(), title,   title_font_name,
                            title_font_size,  title_font_style,  title_x, title_y};
    if (!(now == decorated_)) render_decorations();
    const DibSurface::PackedPixels out = output_->Packed();
    for (const DecorationPixel& p : decoration_pixels_) {
        std::uint16_t& pixel = out.Row(p.y)[p.x];
        pixel = static_cast<std::uint16_t>((pixel & p.keep) | p.set);
    }
}

}  // namespace controls
