#include "ui/color.h"

namespace ui {

COLORREF ToColorRef(Color color) {
    auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(bits & 0xFF));
    return bits & 0x00FFFFFFu;
}

std::span<const IntIdent> ColorIdents() {
    static const IntIdent idents[] = {
        {"clBlack", 0x000000},
        {"clMaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clWhite", 0xFFFFFF},
        {"clNone", kColorNone},
        {"clDefault", kColorDefault},
        {"clScrollBar", SystemColor(COLOR_SCROLLBAR)},
        {"clBackground", SystemColor(COLOR_BACKGROUND)},
        {"clActiveCaption", SystemColor(COLOR_ACTIVECAPTION)},
        {"clInactiveCaption", SystemColor(COLOR_INACTIVECAPTION)},
        {"clMenu", SystemColor(COLOR_MENU)},
        {"clWindow", SystemColor(COLOR_WINDOW)},
        {"clWindowFrame", SystemColor(COLOR_WINDOWFRAME)},
        {"clMenuText", SystemColor(COLOR_MENUTEXT)},
        {"clWindowText", SystemColor(COLOR_WINDOWTEXT)},
        {"clCaptionText", SystemColor(COLOR_CAPTIONTEXT)},
        {"clActiveBorder", SystemColor(COLOR_ACTIVEBORDER)},
        {"clInactiveBorder", SystemColor(COLOR_INACTIVEBORDER)},
        {"clAppWorkSpace", SystemColor(COLOR_APPWORKSPACE)},
        {"clHighlight", SystemColor(COLOR_HIGHLIGHT)},
        {"clHighlightText", SystemColor(COLOR_HIGHLIGHTTEXT)},
        {"clBtnFace", SystemColor(COLOR_BTNFACE)},
        {"clBtnShadow", SystemColor(COLOR_BTNSHADOW)},
        {"clGrayText", SystemColor(COLOR_GRAYTEXT)},
        {"clBtnText", SystemColor(COLOR_BTNTEXT)},
        {"clInactiveCaptionText", SystemColor(COLOR_INACTIVECAPTIONTEXT)},
        {"clBtnHighlight", SystemColor(COLOR_BTNHIGHLIGHT)},
        {"cl3DDkShadow", SystemColor(COLOR_3DDKSHADOW)},
        {"cl3DLight", SystemColor(COLOR_3DLIGHT)},
        {"clInfoText", SystemColor(COLOR_INFOTEXT)},
        {"clInfoBk", SystemColor(COLOR_INFOBK)},
        {"clHotLight", SystemColor(COLOR_HOTLIGHT)},
        {"clGradientActiveCaption", SystemColor(COLOR_GRADIENTACTIVECAPTION)},
        {"clGradientInactiveCaption", SystemColor(COLOR_GRADIENTINACTIVECAPTION)},
        {"clMenuHighlight", SystemColor(COLOR_MENUHILIGHT)},
        {"clMenuBar", SystemColor(COLOR_MENUBAR)},
    };
    return idents;
}

HBRUSH CachedBrush::Get(Color color) {
    COLORREF rgb = ToColorRef(color);
    if (!brush_ || rgb != rgb_) {
        brush_.Reset(CreateSolidBrush(rgb));
        rgb_ = rgb;
    }
    return brush_.Get();
}

}  // namespace ui
