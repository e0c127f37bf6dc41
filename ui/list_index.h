#pragma once

namespace ui {

// Throws platform::Error when `index` is outside [0, count).
void CheckListIndex(int index, int count);

}  // namespace ui
