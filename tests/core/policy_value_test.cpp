#include "core/settings/policy_value.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace settings;

namespace {

RawPolicyValue Dword(std::uint32_t v) { return {v, std::nullopt}; }
RawPolicyValue Text(const wchar_t* t) { return {std::nullopt, std::wstring(t)}; }

}  // namespace

TEST(PolicyValue, FlagsAndNumbersComeInsideTheSettingsRange) {
    EXPECT_EQ(PolicyNumber(OnTimeFree, Dword(1)), kTrue);
    EXPECT_EQ(PolicyNumber(OnTimeFree, Dword(7)), kTrue);
    EXPECT_EQ(PolicyNumber(OnTimeFree, Dword(0)), kFalse);
    EXPECT_EQ(PolicyNumber(OnTimeFreeSec, Dword(120)), 120);
    EXPECT_EQ(PolicyNumber(OnTimeFreeSec, Dword(5)), 30);
    EXPECT_EQ(PolicyNumber(OnTimeFreeSec, Dword(0xFFFFFFFF)), 600);  // not read as -1
    EXPECT_EQ(PolicyNumber(OnTimeFreeSec, Text(L" 90 ")), 90);      // a number stored as text
    EXPECT_EQ(PolicyNumber(OnTimeFreeSec, Text(L"ninety")), std::nullopt);
    EXPECT_EQ(PolicyNumber(OnTimeFreeSec, {}), std::nullopt);
}

TEST(PolicyValue, ChoicesOutsideTheRangeSetNothing) {
    EXPECT_EQ(PolicyNumber(QBoostMethod, Dword(2)), 2);
    EXPECT_EQ(PolicyNumber(QBoostMethod, Dword(3)), std::nullopt);
}

TEST(PolicyValue, SizesAreGivenInMegabytes) {
    EXPECT_EQ(PolicyNumber(QBoostSize, Dword(64)), 64 * 1048576);
    EXPECT_EQ(PolicyNumber(QBoostSize, Dword(0)), kPolicyMinMegabytes * 1048576);
    EXPECT_EQ(PolicyNumber(QBoostSize, Dword(100000)), kPolicyMaxMegabytes * 1048576);
}

TEST(PolicyValue, HotKeysAreWrittenAsTheKeyboardNamesThem) {
    EXPECT_EQ(PolicyNumber(HotFreeKey, Text(L"Ctrl+Alt+F")), HotFreeKey.defaultValue);
    EXPECT_EQ(ParseHotKeyText(L"alt + ctrl + a"), kHotKeyCtrl | kHotKeyAlt | 'A');
    EXPECT_EQ(ParseHotKeyText(L"Control+Shift+F12"), kHotKeyCtrl | kHotKeyShift | 0x7B);
    EXPECT_EQ(ParseHotKeyText(L"Ctrl+9"), kHotKeyCtrl | '9');
    EXPECT_EQ(ParseHotKeyText(L""), 0);  // no hot key
    EXPECT_EQ(PolicyNumber(HotFreeKey, Dword(49224)), 49224);
    for (const wchar_t* bad : {L"Ctrl+Ctrl+F", L"Ctrl+", L"Win+F", L"Ctrl+F25", L"Ctrl+F0", L"Ctrl+FF", L"+"})
        EXPECT_EQ(PolicyNumber(HotFreeKey, Text(bad)), std::nullopt) << bad;
}

TEST(PolicyValue, ListsAreCleanedAndCutAtWholeNames) {
    EXPECT_EQ(PolicyText(QuietPrograms, Text(L" game.exe;;C:\\Slides\\show.exe ;GAME.exe")), L"game.exe;show.exe");
    EXPECT_EQ(PolicyText(QuietPrograms, Dword(1)), std::nullopt);
    std::wstring many;
    for (int i = 0; i < 1000; ++i) many += L"program" + std::to_wstring(i) + L".exe;";
    const auto cut = PolicyText(ExcludedPrograms, Text(many.c_str()));
    ASSERT_TRUE(cut);
    EXPECT_LT(cut->size(), ExcludedPrograms.capacity);
    EXPECT_EQ(cut->substr(cut->size() - 4), L".exe");
}

TEST(PolicyValue, ALanguageIsAPlainAbbreviation) {
    EXPECT_EQ(PolicyText(Language, Text(L" DEU ")), L"DEU");
    EXPECT_EQ(PolicyText(Language, Text(L"EXE")), L"EXE");
    for (const wchar_t* bad : {L"", L"..\\x", L"DE U", L"TOOLONGNAME", L"ДЕУ"})
        EXPECT_EQ(PolicyText(Language, Text(bad)), std::nullopt) << bad;
}

TEST(PolicyValue, TheTableNamesEachPolicyOnceWithAForm) {
    std::set<std::string> names;
    for (const PolicySetting& p : AllPolicySettings()) {
        EXPECT_TRUE(names.insert(p.Name()).second) << p.Name();
        EXPECT_NE(p.Form(), PolicyForm::None) << p.Name();
        EXPECT_EQ(FindPolicySetting(p.Name()), &p);
        // The store's settings are found in the store's table too.
        if (p.number && p.number != &Autostart && p.number != &ErrorLog) {
            EXPECT_NE(FindIntSetting(p.Name()), nullptr);
        }
    }
    for (const IntSetting& s : AllIntSettings())
        EXPECT_EQ(s.policy != PolicyForm::None, FindPolicySetting(s.name) != nullptr) << s.name;
    EXPECT_EQ(names.size(), 23u);
}
