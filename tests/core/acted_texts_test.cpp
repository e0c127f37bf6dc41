#include "core/app/acted_texts.h"

#include <gtest/gtest.h>

using app::PlainFileNameOr;
using app::WebAddressOr;

TEST(ActedTexts, OnlyAPlainFileNameNamesTheHelpFile) {
    EXPECT_EQ(PlainFileNameOr(L"German", L"english"), L"German");
    EXPECT_EQ(PlainFileNameOr(L"Русский язык", L"english"), L"Русский язык");
    for (const wchar_t* hostile : {L"", L".", L"..", L"..\\..\\Windows\\Help\\x", L"C:evil", L"a/b",
                                   L"\\\\server\\share\\x", L"name:stream", L"tab\there"}) {
        EXPECT_EQ(PlainFileNameOr(hostile, L"english"), L"english") << hostile;
    }
}

TEST(ActedTexts, OnlyWebAndMailAddressesAreHandedToTheShell) {
    for (const wchar_t* address : {L"http://www.tesslysoftware.example/", L"HTTPS://example.org/forum",
                                   L"mailto:support@tesslysoftware.example"}) {
        EXPECT_EQ(WebAddressOr(address, L"http://own/"), address);
    }
    for (const wchar_t* hostile : {L"", L"C:\\Windows\\System32\\calc.exe", L"file:///C:/x.exe",
                                   L"javascript:alert(1)", L"http://x/ -evil", L"http://x/\r\ncmd", L"www.example.org"}) {
        EXPECT_EQ(WebAddressOr(hostile, L"http://own/"), L"http://own/") << hostile;
    }
}
