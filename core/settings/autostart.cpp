#include "core/settings/autostart.h"

#include "core/booster/file_launch_request.h"
#include "core/service/service_protocol.h"

namespace settings {

std::wstring AutostartCommand(std::wstring_view programPath) {
    std::size_t slash = programPath.rfind(L'\\');
    std::wstring_view folder = slash == std::wstring_view::npos ? programPath : programPath.substr(0, slash + 1);
    return L"\"" + std::wstring(folder) + protocol::kServiceProgram + L"\" " + booster::kLogonArgument;
}

}  // namespace settings
