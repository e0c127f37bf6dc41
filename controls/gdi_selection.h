#pragma once
#include <windows.h>

namespace controls {

// A pen, brush or font made for one drawing step: selected into the device context for
// the lifetime of this object, then deselected and deleted.
class GdiSelection {
public:
    GdiSelection(HDC dc, HGDIOBJ object, bool owned = true)
        : dc_(dc), object_(object), owned_(owned), previous_(SelectObject(dc, object)) {}
    ~GdiSelection() {
        SelectObject(dc_, previous_);
        if (owned_) DeleteObject(object_);
    }
    GdiSelection(const GdiSelection&) = delete;
    GdiSelection& operator=(const GdiSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    bool owned_;
    HGDIOBJ previous_;
};

inline GdiSelection SolidPen(HDC dc, int width, COLORREF color) {
    return GdiSelection(dc, CreatePen(PS_SOLID, width, color));
}
inline GdiSelection SolidBrush(HDC dc, COLORREF color) { return GdiSelection(dc, CreateSolidBrush(color)); }
inline GdiSelection HollowBrush(HDC dc) { return GdiSelection(dc, GetStockObject(NULL_BRUSH), false); }

}  // namespace controls
