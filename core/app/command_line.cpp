#include "core/app/command_line.h"

namespace app {

Switch FindSwitch(std::wstring_view commandLine) {
    struct Entry {
        std::wstring_view text;
        Switch which;
    };
    static constexpr Entry kOrder[] = {
        {L"-about", Switch::About},
        {L"-bugreport", Switch::BugReport},
        {L"-uninstall", Switch::Uninstall},
        {L"-tellfriend", Switch::TellFriend},
    };
    for (const Entry& e : kOrder)
        if (commandLine.find(e.text) != std::wstring_view::npos) return e.which;
    return Switch::None;
}

}  // namespace app
