#pragma once

namespace booster {

// Empties the clipboard, waiting a moment when another program holds it open.
// Returns whether it was emptied.
bool EmptyTheClipboard();

}  // namespace booster
