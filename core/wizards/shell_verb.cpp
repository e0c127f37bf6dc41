#include "core/wizards/shell_verb.h"

#include "core/service/service_protocol.h"

namespace wizards {

std::wstring VerbCommand(std::wstring_view programFolder) {
    std::wstring command = L"\"";
    for (wchar_t c : programFolder) {
        if (c != L'"') command += c;
    }
    command += protocol::kServiceProgram;
    command += L"\" \"-1\" \"s\" \"%1\"";
    return command;
}

bool ShellDefaultNeedsFiller(const std::optional<std::wstring>& current) { return !current || current->empty(); }

FirstWizardOutcome OutcomeOf(FirstWizardEnd end) {
    switch (end) {
        case FirstWizardEnd::Finish:
            return {true, 0, true};
        case FirstWizardEnd::CancelOnLastPage:
            return {true, -1, false};
        case FirstWizardEnd::CancelEarlier:
            break;
    }
    return {false, 0, false};
}

bool ConfigWizardDueAtStart(std::int32_t configWizardDeferred, std::int32_t configWizardComplete) {
    return configWizardDeferred == 0 && configWizardComplete == 0;
}

}  // namespace wizards
