#pragma once
#include <string>
#include <string_view>

namespace settings {

// The command the Run key holds while the service starts at logon: the service program in
// the folder of the configurator's own executable (everything up to its last backslash; the
// whole path when it has none), quoted as a whole, since the system reads an unquoted path
// with spaces as a search for each of its prefixes, and followed by the argument that makes it
// a start at logon, which the Autostart policy may forbid. An earlier value without the
// argument still starts the service, as a plain start.
std::wstring AutostartCommand(std::wstring_view programPath);

}  // namespace settings
