#include "wizards/kwizard_parts.h"

#include "platform/handles.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "ui/image_list.h"
#include "ui/property.h"
#include "wizards/kwizard.h"
#include "wizards/kwizard_page.h"

namespace wizards {
namespace {

const char* const kImageAlignmentNames[] = {"iaLeft", "iaRight", "iaCenter", "iaStretch"};
const char* const kImageLeftRightNames[] = {"iaLeft", "iaRight"};
const char* const kImageLayoutNames[] = {"ilTop", "ilBottom", "ilCenter", "ilStretch"};
const char* const kTitleAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kAnchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};
const char* const kSideNames[] = {"alLeft", "alRight"};

constexpr int kTitlePoints = 12;

void FillStrips(HDC dc, const std::vector<Rect>& strips, int sysColor) {
    for (const Rect& strip : strips) {
        RECT r = ToRECT(strip);
        FillRect(dc, &r, GetSysColorBrush(sysColor));
    }
}

UINT AlignmentFlag(TitleAlignment alignment) {
    switch (alignment) {
        case TitleAlignment::RightJustify:
            return DT_RIGHT;
        case TitleAlignment::Center:
            return DT_CENTER;
        case TitleAlignment::LeftJustify:
            break;
    }
    return DT_LEFT;
}

}  // namespace

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

void DrawEtchedFrame(HDC dc, const EtchedFrame& frame) {
    FillStrips(dc, frame.shadow, COLOR_BTNSHADOW);
    FillStrips(dc, frame.highlight, COLOR_BTNHIGHLIGHT);
}

// Image ---------------------------------------------------------------------------------

const ui::PropertyTable& TKWizardImage::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        nullptr,
        {
            Object("Picture", &TKWizardImage::GetPicture),
            Enumeration("Alignment", &TKWizardImage::Alignment, &TKWizardImage::SetAlignment, kImageAlignmentNames),
            Enumeration("Layout", &TKWizardImage::Layout, &TKWizardImage::SetLayout, kImageLayoutNames),
            Boolean("Transparent", &TKWizardImage::Transparent, &TKWizardImage::SetTransparent),
        }
    );
    return table;
}

TKWizardImage::TKWizardImage() {
    picture_.onChange = [this] { Changed(); };
}

void TKWizardImage::SetAlignment(TKImageAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

void TKWizardImage::SetLayout(TKImageLayout layout) {
    layout_ = layout;
    Changed();
}

void TKWizardImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Changed();
}

void TKWizardImage::Changed() {
    if (onChange) onChange();
}

void TKWizardImage::PaintTo(HDC dc, const RECT& area) const {
    if (picture_.Empty()) return;
    PicturePlacement placement =
        PlacePicture(FromRECT(area), {picture_.Width(), picture_.Height()}, alignment_, layout_);
    // Icons draw their own mask; only bitmaps take the transparent colour.
    picture_.Draw(dc, ToRECT(placement.target), transparent_ && !picture_.Icon());
}

// Graphic object ------------------------------------------------------------------------

const ui::PropertyTable& TKWizardGraphicObject::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        nullptr,
        {
            Integer("Color", &TKWizardGraphicObject::GetColor, &TKWizardGraphicObject::SetColor, ui::ColorIdents()),
            Boolean("Visible", &TKWizardGraphicObject::Visible, &TKWizardGraphicObject::SetVisible),
        }
    );
    return table;
}

TKWizardGraphicObject::TKWizardGraphicObject(ui::Color color, bool visible) : color_(color), visible_(visible) {}

void TKWizardGraphicObject::SetColor(ui::Color color) {
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TKWizardGraphicObject::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
}

void TKWizardGraphicObject::Changed() {
    if (page_) page_->Invalidate();
}

void TKWizardGraphicObject::FillWithColor(HDC dc, const RECT& r) const {
    if (color_ == ui::kColorNone) return;
    platform::BrushHandle brush(CreateSolidBrush(ui::ToColorRef(color_)));
    FillRect(dc, &r, brush.Get());
}

// Title ---------------------------------------------------------------------------------

const ui::PropertyTable& TKWizardPageTitle::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        &TKWizardGraphicObject::ClassProperties(),
        {
            ui::published::Text("Text", &TKWizardPageTitle::Text, &TKWizardPageTitle::SetText),
            Enumeration(
                "Alignment", &TKWizardPageTitle::Alignment, &TKWizardPageTitle::SetAlignment, kTitleAlignmentNames
            ),
            Set("Anchors", &TKWizardPageTitle::Anchors, &TKWizardPageTitle::SetAnchors, kAnchorNames),
            Integer("AnchorPlacement", &TKWizardPageTitle::AnchorPlacement, &TKWizardPageTitle::SetAnchorPlacement),
            Integer("Indent", &TKWizardPageTitle::Indent, &TKWizardPageTitle::SetIndent),
            Object("Font", &TKWizardPageTitle::TitleFont),
        }
    );
    return table;
}

TKWizardPageTitle::TKWizardPageTitle(const std::wstring& text, unsigned anchors, int points, std::uint32_t style)
    : TKWizardGraphicObject(ui::kColorNone), text_(text), anchors_(anchors) {
    if (points > 0) font_.SetSize(points);
    font_.SetStyle(style);
    font_.onChange = [this] { Changed(); };
}

void TKWizardPageTitle::SetText(const std::wstring& text) {
    text_ = text;
    Changed();
}

void TKWizardPageTitle::SetAlignment(TitleAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

void TKWizardPageTitle::SetAnchors(std::uint32_t anchors) {
    anchors_ = anchors;
    Changed();
}

void TKWizardPageTitle::SetAnchorPlacement(int placement) {
    anchorPlacement_ = placement;
    Changed();
}

void TKWizardPageTitle::SetIndent(int indent) {
    indent_ = indent;
    Changed();
}

void TKWizardPageTitle::AdjustFont(const ui::Font& pageFont) {
    font_.SetName(pageFont.Name());
    font_.SetCharset(pageFont.Charset());
}

RECT TKWizardPageTitle::GetTextRect(HDC dc, const RECT& area) {
    platform::Selection font(dc, font_.Handle());
    RECT extent{0, 0, 0, 0};
    DrawTextW(dc, text_.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return ToRECT(TitleTextRect(
        FromRECT(area), {extent.right - extent.left, extent.bottom - extent.top}, {anchors_, anchorPlacement_, indent_}
    ));
}

void TKWizardPageTitle::PaintTo(HDC dc, RECT& area) {
    if (!Visible()) return;
    RECT text = GetTextRect(dc, area);
    FillWithColor(dc, text);
    platform::Selection font(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::ToColorRef(font_.FontColor()));
    DrawTextW(dc, text_.c_str(), -1, &text, DT_WORDBREAK | DT_NOPREFIX | AlignmentFlag(alignment_));
    area.top = text.bottom;
}

// Header --------------------------------------------------------------------------------

const ui::PropertyTable& TKWizardPageHeader::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        &TKWizardGraphicObject::ClassProperties(),
        {
            Integer("Height", &TKWizardPageHeader::Height, &TKWizardPageHeader::SetHeight),
            Boolean("ParentFont", &TKWizardPageHeader::ParentFont, &TKWizardPageHeader::SetParentFont),
            Object("Title", &TKWizardPageHeader::Title),
            Object("Subtitle", &TKWizardPageHeader::Subtitle),
            Integer("ImageIndex", &TKWizardPageHeader::ImageIndex, &TKWizardPageHeader::SetImageIndex),
            Integer("ImageOffset", &TKWizardPageHeader::ImageOffset, &TKWizardPageHeader::SetImageOffset),
            Enumeration(
                "ImageAlignment", &TKWizardPageHeader::ImageAlignment, &TKWizardPageHeader::SetImageAlignment,
                kImageLeftRightNames
            ),
            Boolean("ShowDivider", &TKWizardPageHeader::ShowDivider, &TKWizardPageHeader::SetShowDivider),
        }
    );
    return table;
}

TKWizardPageHeader::TKWizardPageHeader()
    : TKWizardGraphicObject(ui::kWindowColor),
      title_(platform::LoadResString(str::SWizardTitle), kTitleAnchors, kTitlePoints, ui::kBold),
      subtitle_(platform::LoadResString(str::SWizardSubtitle), kSubtitleAnchors, 0, 0) {}

void TKWizardPageHeader::Initialize(TKWizardCustomPage& page) {
    TKWizardGraphicObject::Initialize(page);
    title_.Initialize(page);
    subtitle_.Initialize(page);
    if (parentFont_) AdjustFont(page.TextFont());
}

void TKWizardPageHeader::AdjustFont(const ui::Font& pageFont) {
    if (!parentFont_) return;
    title_.AdjustFont(pageFont);
    subtitle_.AdjustFont(pageFont);
}

void TKWizardPageHeader::SetHeight(int height) {
    height_ = height;
    VisibleChanged();
}

void TKWizardPageHeader::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (Page()) AdjustFont(Page()->TextFont());
}

void TKWizardPageHeader::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

void TKWizardPageHeader::SetImageOffset(int offset) {
    imageOffset_ = offset;
    Changed();
}

void TKWizardPageHeader::SetImageAlignment(TKImageLeftRight alignment) {
    imageAlignment_ = alignment;
    Changed();
}

void TKWizardPageHeader::SetShowDivider(bool show) {
    showDivider_ = show;
    Changed();
}

// The header's strip decides where the page's children may go.
void TKWizardPageHeader::VisibleChanged() {
    if (Page()) Page()->Realign();
    Changed();
}

HeaderLayout TKWizardPageHeader::GetLayout(const RECT& r) const {
    std::optional<ImageListSize> images;
    TKWizard* wizard = Page() ? Page()->Wizard() : nullptr;
    if (ui::ImageList* list = wizard ? wizard->HeaderImages() : nullptr)
        images = ImageListSize{list->Width(), list->Height(), list->Count()};
    return LayoutHeader(FromRECT(r), {height_, imageIndex_, imageOffset_, imageAlignment_}, images);
}

void TKWizardPageHeader::PaintTo(HDC dc, RECT& r) {
    if (!Visible()) return;
    HeaderLayout layout = GetLayout(r);
    RECT header = ToRECT(layout.header);
    FillWithColor(dc, header);
    if (showDivider_) DrawEtchedFrame(dc, Frame3D(layout.header, kSideBottom));
    if (layout.image) Page()->Wizard()->HeaderImages()->Draw(dc, imageIndex_, layout.image->left, layout.image->top);
    RECT text = ToRECT(layout.textArea);
    title_.PaintTo(dc, text);
    subtitle_.PaintTo(dc, text);
    r.top = layout.pageTop;
}

// Watermark -----------------------------------------------------------------------------

const ui::PropertyTable& TKWizardWaterMark::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        &TKWizardGraphicObject::ClassProperties(),
        {
            Enumeration("Align", &TKWizardWaterMark::Align, &TKWizardWaterMark::SetAlign, kSideNames),
            Integer("Width", &TKWizardWaterMark::Width, &TKWizardWaterMark::SetWidth),
            Integer("BorderWidth", &TKWizardWaterMark::BorderWidth, &TKWizardWaterMark::SetBorderWidth),
            Object("Image", &TKWizardWaterMark::Image),
        }
    );
    return table;
}

TKWizardWaterMark::TKWizardWaterMark() : TKWizardGraphicObject(ui::SystemColor(COLOR_ACTIVECAPTION)) {
    image_.onChange = [this] { Changed(); };
}

void TKWizardWaterMark::SetAlign(Side align) {
    align_ = align;
    VisibleChanged();
}

void TKWizardWaterMark::SetWidth(int width) {
    width_ = width;
    VisibleChanged();
}

void TKWizardWaterMark::SetBorderWidth(int width) {
    borderWidth_ = width;
    Changed();
}

// The column decides where the page's children may go.
void TKWizardWaterMark::VisibleChanged() {
    if (Page()) Page()->Realign();
    Changed();
}

void TKWizardWaterMark::PaintTo(HDC dc, RECT& r) {
    if (!Visible()) return;
    WatermarkLayout layout = LayoutWatermark(FromRECT(r), align_ == Side::Right, width_, borderWidth_);
    RECT fill = ToRECT(layout.fill);
    FillWithColor(dc, fill);
    image_.PaintTo(dc, fill);
    r = ToRECT(layout.rest);
}

// Panel ---------------------------------------------------------------------------------

const ui::PropertyTable& TKWizardPagePanel::ClassProperties() {
    using namespace ui::published;
    static const ui::PropertyTable table(
        &TKWizardGraphicObject::ClassProperties(),
        {
            Integer("BorderWidth", &TKWizardPagePanel::BorderWidth, &TKWizardPagePanel::SetBorderWidth),
        }
    );
    return table;
}

TKWizardPagePanel::TKWizardPagePanel() : TKWizardGraphicObject(ui::kBtnFace, false) {}

void TKWizardPagePanel::SetBorderWidth(int width) {
    borderWidth_ = static_cast<std::uint16_t>(width);
    Changed();
}

void TKWizardPagePanel::PaintTo(HDC dc, RECT& r) {
    if (!Visible()) return;
    std::optional<PanelLayout> panel = LayoutPanel(FromRECT(r), borderWidth_, GetColor() != ui::kColorNone);
    if (!panel) return;
    DrawEtchedFrame(dc, panel->frame);
    r = ToRECT(panel->frame.inside);
    if (panel->fill) FillWithColor(dc, r);
}

}  // namespace wizards
