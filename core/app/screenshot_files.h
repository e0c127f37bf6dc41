#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The screenshot folder keeps the three newest captures: "1.jpg" (newest), "2.jpg" and
// "3.jpg" (oldest).
namespace app {

// Writes the image beside the others under a temporary name first, then moves the older
// captures one place on (the oldest drops out) and gives the new one the name "1.jpg",
// so a failure while writing never costs a kept capture or leaves a cut-off image.
// Creates the folder when missing; throws std::runtime_error when the image cannot be
// written.
void SaveNewestScreenshot(const std::wstring& folder, const std::vector<std::uint8_t>& jpeg);

}  // namespace app
