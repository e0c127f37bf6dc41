#pragma once
#include <cstdint>
#include <vector>

namespace app {

// The whole screen as a JPEG image at the given quality (0-100); throws platform::Error
// when the screen cannot be copied or compressed.
std::vector<std::uint8_t> CaptureScreenAsJpeg(int quality);

}  // namespace app
