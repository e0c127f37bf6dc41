#pragma once

namespace controls {

// Makes the display components known to the form loader by their class names.
void RegisterDisplayComponents();

}  // namespace controls
