#pragma once
#include <string>

namespace platform {

// The keyboard's name of a virtual key ("F1", "Page Up"), or "#" and its number.
std::wstring KeyName(unsigned virtualKey);

}  // namespace platform
