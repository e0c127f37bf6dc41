#include "tools/preview/preview_language.h"

#include <windows.h>

#include <exception>

#include "localizer/localizer_on_fly.h"
#include "platform/text.h"
#include "tests/win/support/test_support.h"

PreviewLanguage::PreviewLanguage(const std::wstring& previewName) : key_(L"Software\\TesslyTests\\" + previewName) {
    localizer::KLocalizerOnFly& localizer = localizer::Localizer();
    localizer.ProgramFile = testing_support::ProductFolder() + L"TesslyMBCfg.exe";
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    localizer.ModuleFolder = temp;
    localizer.Init(key_, L"lang\\");
}

PreviewLanguage::~PreviewLanguage() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

void PreviewLanguage::Switch(const std::string& abbreviation) {
    try {
        localizer::Localizer().SwitchLanguage(abbreviation);
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, platform::FromUtf8(error.what()).c_str(), L"Preview", MB_OK);
    }
}
