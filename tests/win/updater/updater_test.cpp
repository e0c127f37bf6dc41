// update.exe of the product folder against a local version feed (tests/win/updater/
// feed_server.py, its port in FEED_PORT): each answer gives its message, and the updater
// ends once the message is answered, also when the feed never answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/win/support/remote_window.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

namespace {

const wchar_t* kSettingsKey = L"Software\\TesslySoftware\\DozidiDavazez";

void ChooseLanguage(const wchar_t* abbreviation) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"LocalizerExt", 0, REG_SZ, reinterpret_cast<const BYTE*>(abbreviation),
                   static_cast<DWORD>((wcslen(abbreviation) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// The text of the message the updater shows for the feed, after which it must end.
std::wstring MessageFor(const std::wstring& feedAddress) {
    DWORD processId = 0;
    HANDLE process = StartProcess(L"\"" + ProductFolder() + L"update.exe\" /feed=" + feedAddress, &processId);
    if (!process) return L"(not started)";
    std::wstring text = L"(no message)";
    if (HWND box = WaitForMessageBox(processId, 30000)) text = AnswerMessageBox(box);
    const bool ended = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    EndProcess(process);
    return ended ? text : L"(still running)";
}

std::wstring LocalFeed(const wchar_t* path) {
    const std::string port = std::getenv("FEED_PORT") ? std::getenv("FEED_PORT") : "0";
    return L"http://127.0.0.1:" + std::wstring(port.begin(), port.end()) + path;
}

}  // namespace

TEST(Updater, SaysWhetherANewerVersionIsOut) {
    ASSERT_NE(std::getenv("FEED_PORT"), nullptr);
    ChooseLanguage(L"EXE");
    EXPECT_NE(MessageFor(LocalFeed(L"/same")).find(L"You have the latest version (5.5.1.603)"), std::wstring::npos);
    const std::wstring newer = MessageFor(LocalFeed(L"/newer"));
    EXPECT_NE(newer.find(L"Version 99.0.0.0 is available"), std::wstring::npos) << newer;
    EXPECT_NE(newer.find(L"Open the download page?"), std::wstring::npos) << newer;
}

TEST(Updater, AnswersInTheProgramsLanguage) {
    ChooseLanguage(L"DEU");
    EXPECT_NE(MessageFor(LocalFeed(L"/same")).find(L"Sie haben die neueste Version"), std::wstring::npos);
    ChooseLanguage(L"RUS");
    EXPECT_NE(MessageFor(LocalFeed(L"/same")).find(L"У вас последняя версия"), std::wstring::npos);
    ChooseLanguage(L"EXE");
}

TEST(Updater, AFeedThatCannotBeReadGivesAClearMessage) {
    ChooseLanguage(L"EXE");
    EXPECT_NE(MessageFor(LocalFeed(L"/malformed")).find(L"could not be read"), std::wstring::npos);
    EXPECT_NE(MessageFor(LocalFeed(L"/missing")).find(L"could not be read"), std::wstring::npos);
    EXPECT_NE(MessageFor(LocalFeed(L"/silent")).find(L"could not be reached"), std::wstring::npos);
}
