#pragma once
#include <string>
#include <string_view>

namespace settings {

// The command the Run key holds while the service starts at logon: the folder of the
// configurator's own executable (everything up to its last backslash; the whole path when it
// has none) followed by the service program's name, without quotes.
std::wstring AutostartCommand(std::wstring_view programPath);

}  // namespace settings
