// The service started at logon by the Run key's values, under the Autostart policy: the
// user's own value ("-logon") and the one the installer writes for every user
// ("-logon=policy"), with the policy set by the machine, by the user, by both or not at all.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/settings/autostart.h"
#include "core/settings/settings_table.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/policy_values.h"
#include "tests/win/support/test_support.h"

using testing_support::ScopedPolicy;

namespace {

class LogonStart : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        testing_support::RemoveAllPolicies();
        testing_support::ResetSettingsKey();
    }

    void TearDown() override {
        StopAnyService();
        testing_support::RemoveAllPolicies();
    }

    // The command the user's own Run value holds, as the options window writes it.
    static std::wstring UsersRunCommand() {
        return settings::AutostartCommand(testing_support::ProductFolder() + L"TesslyMBCfg.exe");
    }

    // Starts the service with `arguments`; true when it came up and runs, false when it ended
    // at once with exit code 0 and no service on the desktop.
    static bool Runs(const std::wstring& arguments) {
        return RunsCommand(L"\"" + ServiceProcess::ProgramPath() + L"\" " + arguments);
    }

    // The same for a whole command line, as the system runs a Run value at logon.
    static bool RunsCommand(const std::wstring& commandLine) {
        StopAnyService();
        HANDLE process = testing_support::StartProcess(commandLine);
        if (!process) {
            ADD_FAILURE() << "the service program did not start";
            return false;
        }
        const auto ended = [process] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; };
        testing_support::PumpUntil([&] { return FindService() != nullptr || ended(); }, 20000);
        DWORD exitCode = STILL_ACTIVE;
        const bool exited = ended() && GetExitCodeProcess(process, &exitCode);
        const bool running = FindService() != nullptr;
        StopAnyService();
        testing_support::EndProcess(process);
        if (running) return true;
        EXPECT_TRUE(exited) << "neither ended nor came up";
        EXPECT_EQ(exitCode, 0u);
        return false;
    }
};

}  // namespace

TEST_F(LogonStart, WithoutAPolicyOnlyTheUsersOwnValueStartsTheService) {
    EXPECT_TRUE(Runs(L"-logon"));
    EXPECT_FALSE(Runs(L"-logon=policy"));
    EXPECT_TRUE(RunsCommand(UsersRunCommand()));
    EXPECT_TRUE(Runs(L""));
}

TEST_F(LogonStart, APolicyOfOneStartsTheServiceForEveryUser) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        SCOPED_TRACE(root == HKEY_LOCAL_MACHINE ? "machine" : "user");
        ScopedPolicy on(root, settings::Autostart.name, 1);
        ASSERT_TRUE(on.Written());
        EXPECT_TRUE(Runs(L"-logon=policy"));
        EXPECT_TRUE(Runs(L"-logon"));
    }
}

TEST_F(LogonStart, APolicyOfZeroKeepsTheServiceFromStartingAtLogonButNotFromTheConfigurator) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        SCOPED_TRACE(root == HKEY_LOCAL_MACHINE ? "machine" : "user");
        ScopedPolicy off(root, settings::Autostart.name, 0);
        ASSERT_TRUE(off.Written());
        EXPECT_FALSE(Runs(L"-logon"));
        EXPECT_FALSE(Runs(L"-logon=policy"));
        EXPECT_FALSE(RunsCommand(UsersRunCommand()));
        EXPECT_TRUE(Runs(L""));  // as the configurator starts it
    }
}

TEST_F(LogonStart, TheMachinesPolicyWinsOverTheUsers) {
    {
        ScopedPolicy machine(HKEY_LOCAL_MACHINE, settings::Autostart.name, 0);
        ScopedPolicy user(HKEY_CURRENT_USER, settings::Autostart.name, 1);
        ASSERT_TRUE(machine.Written() && user.Written());
        EXPECT_FALSE(Runs(L"-logon=policy"));
        EXPECT_FALSE(Runs(L"-logon"));
    }
    ScopedPolicy machine(HKEY_LOCAL_MACHINE, settings::Autostart.name, 1);
    ScopedPolicy user(HKEY_CURRENT_USER, settings::Autostart.name, 0);
    EXPECT_TRUE(Runs(L"-logon=policy"));
    EXPECT_TRUE(Runs(L"-logon"));
}

TEST_F(LogonStart, RemovingThePolicyBringsBackTheUsersOwnChoice) {
    {
        ScopedPolicy off(HKEY_LOCAL_MACHINE, settings::Autostart.name, 0);
        ASSERT_TRUE(off.Written());
        EXPECT_FALSE(Runs(L"-logon"));
    }
    EXPECT_TRUE(Runs(L"-logon"));
    EXPECT_FALSE(Runs(L"-logon=policy"));
}
