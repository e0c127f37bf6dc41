#include "core/wizards/shell_verb.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/booster/file_launch_request.h"

using namespace wizards;

namespace {

// How a started program reads its command line: the program path runs to the closing
// quotation mark with no escapes; the arguments follow the usual quoting rules, with the
// shell's %1 standing for the clicked file.
struct CommandLine {
    std::wstring program;
    std::vector<std::wstring> arguments;
};

CommandLine Split(const std::wstring& command) {
    CommandLine parsed;
    std::size_t i = 0;
    if (command[0] == L'"') {
        const std::size_t close = command.find(L'"', 1);
        parsed.program = command.substr(1, close - 1);
        i = close + 1;
    }
    while (i < command.size()) {
        while (i < command.size() && command[i] == L' ') ++i;
        if (i == command.size()) break;
        std::wstring argument;
        bool quoted = false;
        for (; i < command.size() && (quoted || command[i] != L' '); ++i) {
            if (command[i] == L'"') {
                quoted = !quoted;
            } else {
                argument += command[i];
            }
        }
        parsed.arguments.push_back(argument);
    }
    return parsed;
}

}  // namespace

TEST(ShellVerb, CommandQuotesTheServicePathAsAWhole) {
    EXPECT_EQ(
        VerbCommand(L"C:\\Program Files\\MB\\"), L"\"C:\\Program Files\\MB\\TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\""
    );
    EXPECT_EQ(VerbCommand(L"C:\\MB\\"), L"\"C:\\MB\\TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
}

TEST(ShellVerb, FolderWithSpacesOrQuotationMarksStillNamesTheServiceAndItsArguments) {
    for (const wchar_t* folder :
         {L"C:\\Program Files\\Tessly  Dozidi\\", L"\"C:\\Program Files\\MB\\\"", L"C:\\odd\"name\\"}) {
        const CommandLine parsed = Split(VerbCommand(folder));
        std::wstring expected = folder;
        std::erase(expected, L'"');
        EXPECT_EQ(parsed.program, expected + L"TesslyMBsrv.exe") << folder;
        ASSERT_EQ(parsed.arguments.size(), 3u) << folder;
        // The service takes them as a launch with a file at its automatic amount.
        std::wstring command = VerbCommand(folder);
        const std::wstring file = L"C:\\Users\\me\\My Documents\\notes.txt";
        command.replace(command.find(L"%1"), 2, file);
        const booster::ServiceArguments service = booster::ParseServiceCommandLine(command);
        ASSERT_EQ(service.kind, booster::ServiceArguments::kFile) << folder;
        EXPECT_EQ(service.request.megabytes, booster::kAutomaticAmount);
        EXPECT_EQ(service.request.after, booster::AfterLaunch::KeepPreviousState);
        EXPECT_EQ(service.request.path, file);
        EXPECT_EQ(service.request.parameters, L"");
    }
}

TEST(ShellVerb, ShellKeyGetsASpaceOnlyWhenItsDefaultIsEmpty) {
    EXPECT_TRUE(ShellDefaultNeedsFiller(std::nullopt));
    EXPECT_TRUE(ShellDefaultNeedsFiller(L""));
    EXPECT_FALSE(ShellDefaultNeedsFiller(L" "));
    EXPECT_FALSE(ShellDefaultNeedsFiller(L"open"));
}

TEST(ShellVerb, FirstWizardOutcomes) {
    const FirstWizardOutcome finish = OutcomeOf(FirstWizardEnd::Finish);
    EXPECT_TRUE(finish.marksComplete);
    EXPECT_EQ(finish.configWizardDeferred, 0);
    EXPECT_TRUE(finish.appliesShellChoice);
    const FirstWizardOutcome later = OutcomeOf(FirstWizardEnd::CancelOnLastPage);
    EXPECT_TRUE(later.marksComplete);
    EXPECT_EQ(later.configWizardDeferred, -1);
    EXPECT_FALSE(later.appliesShellChoice);
    const FirstWizardOutcome early = OutcomeOf(FirstWizardEnd::CancelEarlier);
    EXPECT_FALSE(early.marksComplete);
    EXPECT_EQ(early.configWizardDeferred, 0);
    EXPECT_FALSE(early.appliesShellChoice);

    EXPECT_TRUE(ConfigWizardDueAtStart(finish.configWizardDeferred, 0));
    EXPECT_FALSE(ConfigWizardDueAtStart(later.configWizardDeferred, 0));
    EXPECT_FALSE(ConfigWizardDueAtStart(0, -1));
}
