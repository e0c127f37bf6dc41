#pragma once
#include <optional>
#include <vector>

#include "core/wizards/wizard_geometry.h"

// Where the painted parts of a wizard page go. Each layout takes the rectangle still free
// on the page and says what it draws and what it leaves for the next part.
namespace wizards {

// Etched lines: a highlight line one pixel right of and below a shadow line.
enum FrameSide : unsigned { kSideLeft = 1, kSideTop = 2, kSideRight = 4, kSideBottom = 8 };
inline constexpr unsigned kAllSides = kSideLeft | kSideTop | kSideRight | kSideBottom;

struct EtchedFrame {
    std::vector<Rect> shadow;     // one-pixel strips in the button-shadow colour, drawn first
    std::vector<Rect> highlight;  // then these in the button-highlight colour
    Rect inside;                  // the rectangle shrunk by 2 on every drawn side
};

EtchedFrame Frame3D(const Rect& rect, unsigned sides);

// The etched line along the top of the button bar, when the bar shows and the wizard
// asks for a divider.
std::optional<EtchedFrame> ButtonBarDivider(const Rect& wizardClient, int buttonBarHeight, bool showDivider);

enum TKImageAlignment { iaLeft, iaRight, iaCenter, iaStretch };
enum TKImageLayout { ilTop, ilBottom, ilCenter, ilStretch };
// A header image sits at the left or the right only.
using TKImageLeftRight = TKImageAlignment;

struct HeaderSettings {
    int height = 70;
    int imageIndex = -1;
    int imageOffset = 0;
    TKImageLeftRight imageAlignment = iaRight;
};

struct ImageListSize {
    int width = 0;
    int height = 0;
    int count = 0;
};

struct HeaderLayout {
    Rect header;                // filled with the header colour; its divider runs along the bottom
    std::optional<Rect> image;  // none without an image list or for an index outside it
    Rect textArea;              // for the title, then the subtitle
    int pageTop = 0;            // the free rectangle's new top
};

HeaderLayout LayoutHeader(const Rect& free, const HeaderSettings& header, std::optional<ImageListSize> images);

enum TitleAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
inline constexpr unsigned kTitleAnchors = akLeft | akTop | akRight;
inline constexpr unsigned kSubtitleAnchors = akLeft | akTop | akRight | akBottom;

struct TitleSettings {
    unsigned anchors = kTitleAnchors;
    int anchorPlacement = 4;
    int indent = 0;
};

// The title's text rectangle in the text area, from the single-line extent of its text;
// the next title starts at its bottom.
Rect TitleTextRect(const Rect& textArea, Size textExtent, const TitleSettings& title);

struct WatermarkLayout {
    Rect column;  // the whole column
    Rect fill;    // inside the border: filled with the watermark colour, holds its picture
    Rect rest;    // what is left of the page
};

WatermarkLayout LayoutWatermark(const Rect& free, bool alignRight, int width, int borderWidth);

struct PicturePlacement {
    Rect target;
    bool stretched;  // stretched to the whole target, else drawn at its natural size at its top-left
};

PicturePlacement PlacePicture(const Rect& area, Size graphic, TKImageAlignment alignment, TKImageLayout layout);

struct PanelLayout {
    EtchedFrame frame;
    std::optional<Rect> fill;  // none when the panel has no colour
};

// None when the panel has no border to draw.
std::optional<PanelLayout> LayoutPanel(const Rect& free, int borderWidth, bool filled);

struct PageDecorations {
    bool headerVisible = true;
    int headerHeight = 70;
    bool watermarkVisible = false;  // only welcome pages have one
    bool watermarkRight = false;
    int watermarkWidth = 164;
};

// The part of the page's client area left to its child controls.
Rect PageChildArea(const Rect& pageClient, const PageDecorations& decorations);

}  // namespace wizards
