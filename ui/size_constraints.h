#pragma once

#include "ui/persistent.h"

namespace ui {

// Limits of a window's size in pixels; 0 is no limit.
class SizeConstraints : public Persistent {
    UI_PUBLISHED(SizeConstraints, "TSizeConstraints")

public:
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v) { minWidth_ = v; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int v) { minHeight_ = v; }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v) { maxWidth_ = v; }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int v) { maxHeight_ = v; }

private:
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

}  // namespace ui
