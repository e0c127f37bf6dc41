#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/wizards/page_painting.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/persistent.h"
#include "ui/picture.h"

// The painted parts of a wizard page: header with title and subtitle, the welcome page's
// watermark column, the body's picture and its etched panel. Each paints into the rectangle
// still free on the page and takes its strip from it.
namespace wizards {

class TKWizardCustomPage;

// Converts between the platform's rectangles and the layout's.
Rect FromRECT(const RECT& r);
RECT ToRECT(const Rect& r);
void DrawEtchedFrame(HDC dc, const EtchedFrame& frame);

// A picture and how it sits in its rectangle; a change repaints the owner.
class TKWizardImage : public ui::Persistent {
    UI_PUBLISHED(TKWizardImage, "TKWizardImage")

public:
    TKWizardImage();

    ui::Picture& GetPicture() { return picture_; }
    TKImageAlignment Alignment() const { return alignment_; }
    void SetAlignment(TKImageAlignment alignment);
    TKImageLayout Layout() const { return layout_; }
    void SetLayout(TKImageLayout layout);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void PaintTo(HDC dc, const RECT& area) const;

    std::function<void()> onChange;

private:
    void Changed();

    ui::Picture picture_;
    TKImageAlignment alignment_ = iaStretch;
    TKImageLayout layout_ = ilStretch;
    bool transparent_ = false;
};

// What every painted part has: a colour, visibility and the page it belongs to.
class TKWizardGraphicObject : public ui::Persistent {
    UI_PUBLISHED(TKWizardGraphicObject, "TKWizardGraphicObject")

public:
    explicit TKWizardGraphicObject(ui::Color color = ui::kBtnFace, bool visible = true);

    ui::Color GetColor() const { return color_; }
    void SetColor(ui::Color color);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    TKWizardCustomPage* Page() const { return page_; }
    // Binds the part to its page once the page exists.
    virtual void Initialize(TKWizardCustomPage& page) { page_ = &page; }

protected:
    virtual void VisibleChanged() { Changed(); }
    virtual void ColorChanged() { Changed(); }
    // Repaints the page.
    void Changed();
    void FillWithColor(HDC dc, const RECT& r) const;

private:
    ui::Color color_;
    bool visible_;
    TKWizardCustomPage* page_ = nullptr;  // not owned
};

enum class TitleAlignment { LeftJustify, RightJustify, Center };

class TKWizardPageTitle : public TKWizardGraphicObject {
    UI_PUBLISHED(TKWizardPageTitle, "TKWizardPageTitle")

public:
    TKWizardPageTitle(const std::wstring& text, unsigned anchors, int points, std::uint32_t style);

    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& text);
    TitleAlignment Alignment() const { return alignment_; }
    void SetAlignment(TitleAlignment alignment);
    std::uint32_t Anchors() const { return anchors_; }
    void SetAnchors(std::uint32_t anchors);
    int AnchorPlacement() const { return anchorPlacement_; }
    void SetAnchorPlacement(int placement);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    ui::Font& TitleFont() { return font_; }

    // Where the text goes in `area`, measured with the title's font.
    RECT GetTextRect(HDC dc, const RECT& area);
    // Draws the text; `area` then starts under it.
    void PaintTo(HDC dc, RECT& area);
    // Takes the face and character set of the page's font.
    void AdjustFont(const ui::Font& pageFont);

private:
    std::wstring text_;
    TitleAlignment alignment_ = TitleAlignment::LeftJustify;
    std::uint32_t anchors_;
    int anchorPlacement_ = 4;
    int indent_ = 0;
    ui::Font font_;
};

class TKWizardPageHeader : public TKWizardGraphicObject {
    UI_PUBLISHED(TKWizardPageHeader, "TKWizardPageHeader")

public:
    TKWizardPageHeader();

    int Height() const { return height_; }
    void SetHeight(int height);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TKWizardPageTitle& Title() { return title_; }
    TKWizardPageTitle& Subtitle() { return subtitle_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int ImageOffset() const { return imageOffset_; }
    void SetImageOffset(int offset);
    TKImageLeftRight ImageAlignment() const { return imageAlignment_; }
    void SetImageAlignment(TKImageLeftRight alignment);
    bool ShowDivider() const { return showDivider_; }
    void SetShowDivider(bool show);

    void Initialize(TKWizardCustomPage& page) override;
    // Header, image and text areas within the free rectangle `r`.
    HeaderLayout GetLayout(const RECT& r) const;
    void PaintTo(HDC dc, RECT& r);
    void AdjustFont(const ui::Font& pageFont);

protected:
    void VisibleChanged() override;

private:
    int height_ = 70;
    bool parentFont_ = true;
    TKWizardPageTitle title_;
    TKWizardPageTitle subtitle_;
    int imageIndex_ = -1;
    int imageOffset_ = 0;
    TKImageLeftRight imageAlignment_ = iaRight;
    bool showDivider_ = true;
};

class TKWizardWaterMark : public TKWizardGraphicObject {
    UI_PUBLISHED(TKWizardWaterMark, "TKWizardWaterMark")

public:
    enum class Side { Left, Right };

    TKWizardWaterMark();

    Side Align() const { return align_; }
    void SetAlign(Side align);
    int Width() const { return width_; }
    void SetWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TKWizardImage& Image() { return image_; }

    void PaintTo(HDC dc, RECT& r);

protected:
    void VisibleChanged() override;

private:
    Side align_ = Side::Left;
    int width_ = 164;
    int borderWidth_ = 1;
    TKWizardImage image_;
};

class TKWizardPagePanel : public TKWizardGraphicObject {
    UI_PUBLISHED(TKWizardPagePanel, "TKWizardPagePanel")

public:
    TKWizardPagePanel();

    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);

    void PaintTo(HDC dc, RECT& r);

private:
    std::uint16_t borderWidth_ = 7;
};

}  // namespace wizards
