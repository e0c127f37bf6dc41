// The language switch of a running program: language files in a folder of the test's own,
// modules generated beside them and loaded as the program's resource source, open forms
// translated in place, the choice kept in a registry key of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/localizer/lang_settings.h"
#include "localizer/localizer_on_fly.h"
#include "platform/handles.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "settings/ask_for_qboost.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/form_loader.h"
#include "ui/menu.h"

using localizer::KLocalizerOnFly;
using localizer::LFInfo;

namespace {

constexpr std::uint16_t kGerman = 0x0407;
constexpr std::uint16_t kEnglish = localizer::kProgramLangId;
constexpr const wchar_t* kGermanCaption = L"[Tessly Dozidi Davazez] - Schnelle Freigabe";
constexpr const wchar_t* kEnglishCaption = L"[Tessly Dozidi Davazez] - Quick Boost";

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH];
    std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return file.substr(0, file.find_last_of(L'\\') + 1);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }  // ASCII paths

std::vector<char> ReadFile(const std::wstring& file) {
    std::ifstream in(Narrow(file), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::wstring& file, const std::vector<char>& bytes) {
    std::ofstream(Narrow(file), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder with the language files, a settings key, and a localizer using both.
class LocalizerOnFly : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::InitializeKit();
        static int counter = 0;
        const std::wstring unique =
            L"onfly_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + unique + L"\\";
        langFolder_ = folder_ + L"lang\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        CreateDirectoryW(langFolder_.c_str(), nullptr);
        for (const wchar_t* name : {L"localizer_on_fly_test.ntv.lng", L"localizer_on_fly_test.DEU.lng"})
            ASSERT_TRUE(CopyFileW((ExeFolder() + L"onfly_data\\" + name).c_str(), (langFolder_ + name).c_str(), FALSE));
        key_ = L"Software\\TesslyTests\\" + unique;
        localizer_ = std::make_unique<KLocalizerOnFly>();
        localizer_->ModuleFolder = folder_;
        localizer_->OnLanguageChanged = [this](KLocalizerOnFly&, const LFInfo& language) {
            changes_.push_back(language.LangID);
        };
    }

    void TearDown() override {
        localizer_.reset();  // frees the module, back to the program's own resources
        RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
        for (const std::wstring& file : Files(langFolder_)) DeleteFileW((langFolder_ + file).c_str());
        for (const std::wstring& file : Files(folder_)) DeleteFileW((folder_ + file).c_str());
        RemoveDirectoryW(langFolder_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    static std::vector<std::wstring> Files(const std::wstring& folder) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    void Init() { localizer_->Init(key_, langFolder_); }

    std::wstring Choice() const {
        wchar_t value[64];
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), L"LocalizerExt", RRF_RT_REG_SZ, nullptr, value, &size))
            return L"(none)";
        return value;
    }
    void ClearChoice() const {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, L"LocalizerExt");
            RegCloseKey(key);
        }
    }
    void StoreChoice(const wchar_t* choice) const {
        RegSetKeyValueW(
            HKEY_CURRENT_USER, key_.c_str(), L"LocalizerExt", REG_SZ, choice,
            static_cast<DWORD>((wcslen(choice) + 1) * sizeof(wchar_t))
        );
    }

    std::wstring GermanModule() const { return folder_ + L"localizer_on_fly_test.DEU"; }
    std::wstring GermanFile() const { return langFolder_ + L"localizer_on_fly_test.DEU.lng"; }

    // The same translation with another stamp, as a new compilation would give.
    void StampGermanFile(std::uint32_t stamp) const {
        std::vector<char> bytes = ReadFile(GermanFile());
        std::memcpy(bytes.data() + 8, &stamp, 4);  // magic, version, build stamp, then the stamp
        WriteFile(GermanFile(), bytes);
    }

    // The settings record of the module in use, read through the system.
    localizer::LangSettings SourceRecord() const {
        HMODULE source = platform::ResourceSource();
        const bool own = source == GetModuleHandleW(nullptr);
        HRSRC found = FindResourceW(source, own ? L"QVT_EXESETTINGS_" : L"QVT_LIBSETTINGS_", MAKEINTRESOURCEW(10));
        EXPECT_NE(found, nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(source, found)));
        return *localizer::ReadLangSettings(std::span(bytes, SizeofResource(source, found)));
    }

    std::wstring folder_, langFolder_, key_;
    std::unique_ptr<KLocalizerOnFly> localizer_;
    std::vector<std::uint16_t> changes_;
};

std::uint64_t WriteTime(const std::wstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data);
    return std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
}

// The product's own record, against which language files and modules are checked.
TEST(ProgramSettingsRecord, TheProgramCarriesItsBuildStampAndEnglish) {
    HMODULE program = LoadLibraryExW(
        (testing_support::ProductFolder() + L"TesslyMBCfg.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE
    );
    ASSERT_NE(program, nullptr);
    HRSRC found = FindResourceW(program, L"QVT_EXESETTINGS_", MAKEINTRESOURCEW(10));
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(program, found)));
    const std::vector<std::uint8_t> record(bytes, bytes + SizeofResource(program, found));
    FreeLibrary(program);
    EXPECT_EQ(record.size(), 44u);
    const auto settings = localizer::ReadLangSettings(record);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Magic, "KEXE");
    EXPECT_EQ(settings->BuildStamp, 174u);
    EXPECT_EQ(settings->LangID, 9);
    EXPECT_EQ(settings->Name, "English");
    EXPECT_EQ(settings->NativeName, u"English");
    EXPECT_EQ(settings->Format, 5);
    EXPECT_EQ(settings->LangStamp, 0u);
}

TEST_F(LocalizerOnFly, InitListsTheLanguagesAndStaysInTheProgramsOwnLanguage) {
    EXPECT_THROW(localizer_->SwitchLanguage(kGerman), localizer::LocOnFlyError);
    Init();
    ASSERT_EQ(localizer_->Languages().size(), 2u);
    EXPECT_EQ(localizer_->NativeIndex(), 0);
    EXPECT_EQ(localizer_->Languages()[0].Caption, "English");
    EXPECT_EQ(localizer_->Languages()[0].LangID, kEnglish);
    EXPECT_EQ(localizer_->Languages()[1].Caption, "German");
    EXPECT_EQ(localizer_->Languages()[1].LangID, kGerman);
    EXPECT_EQ(localizer_->CurrentLangID(), kEnglish);
    EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_EQ(Choice(), L"(none)");
    EXPECT_TRUE(changes_.empty());
}

TEST_F(LocalizerOnFly, InitReportsAMissingFolderOrNativeFile) {
    try {
        localizer_->Init(key_, folder_ + L"missing\\");
        FAIL() << "no error";
    } catch (const localizer::LocOnFlyError& error) {
        EXPECT_EQ(std::string(error.what()), "Specified path \"" + Narrow(folder_) + "missing\\\" does not exist");
    }
    DeleteFileW((langFolder_ + L"localizer_on_fly_test.ntv.lng").c_str());
    try {
        Init();
        FAIL() << "no error";
    } catch (const localizer::LocOnFlyError& error) {
        EXPECT_EQ(
            std::string(error.what()),
            "Language file \"" + Narrow(langFolder_) + "localizer_on_fly_test.ntv.lng\" not found"
        );
    }
    EXPECT_FALSE(localizer_->Initialized());
}

TEST_F(LocalizerOnFly, SwitchTranslatesStringsAndOpenFormsAndStoresTheChoice) {
    Init();
    auto dialog = ui::CreateForm<TAskForQBoost>();
    ASSERT_EQ(dialog->Caption(), kEnglishCaption);
    localizer_->SwitchLanguage("deu");

    EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Weiter >");
    EXPECT_EQ(dialog->Caption(), kGermanCaption);
    EXPECT_EQ(dialog->Button2->Caption(), L"Weiter");
    EXPECT_EQ(dialog->CheckBox1->Caption(), L"Diese Meldung nicht mehr anzeigen");
    EXPECT_EQ(dialog->ClientWidth(), 454);  // the open window keeps its layout
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
    EXPECT_EQ(Choice(), L"DEU");
    EXPECT_EQ(changes_, std::vector<std::uint16_t>{kGerman});
    // A window opened afterwards comes translated from the module.
    EXPECT_EQ(ui::CreateForm<TAskForQBoost>()->Caption(), kGermanCaption);
    // The module is a PE32 resource-only image the system loads as a data file.
    HMODULE module = LoadLibraryExW(GermanModule().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    wchar_t text[64];
    EXPECT_EQ(std::wstring(text, LoadStringW(module, str::SWizardNextButton, text, 64)), L"&Weiter >");
    FreeLibrary(module);
}

TEST_F(LocalizerOnFly, SwitchingToTheLanguageInUseAgainDoesNothing) {
    Init();
    auto dialog = ui::CreateForm<TAskForQBoost>();
    localizer_->SwitchLanguage(kGerman);
    dialog->SetCaption(L"changed since");
    ClearChoice();
    const std::uint64_t written = WriteTime(GermanModule());

    localizer_->SwitchLanguage(kGerman);
    localizer_->SwitchLanguage("DEU");

    EXPECT_EQ(dialog->Caption(), L"changed since");
    EXPECT_EQ(Choice(), L"(none)");
    EXPECT_EQ(changes_.size(), 1u);
    EXPECT_EQ(WriteTime(GermanModule()), written);
}

TEST_F(LocalizerOnFly, SwitchingToTheNativeLanguageReturnsToOwnResourcesAndStoresExe) {
    Init();
    auto dialog = ui::CreateForm<TAskForQBoost>();
    localizer_->SwitchLanguage(kGerman);
    localizer_->SwitchLanguage("ntv");

    EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Next >");
    EXPECT_EQ(dialog->Caption(), kEnglishCaption);
    EXPECT_EQ(dialog->Button2->Caption(), L"Continue");
    EXPECT_EQ(Choice(), L"EXE");
    EXPECT_EQ(localizer_->CurrentLangID(), kEnglish);
    EXPECT_EQ(changes_, (std::vector<std::uint16_t>{kGerman, kEnglish}));
    // "exe" names the native language too, and it is in use already.
    localizer_->SwitchLanguage("Exe");
    EXPECT_EQ(changes_.size(), 2u);
}

TEST_F(LocalizerOnFly, AStoredChoiceIsTakenUpAtInitWithoutACallback) {
    StoreChoice(L"DEU");
    Init();
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
    EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Weiter >");
    EXPECT_TRUE(changes_.empty());

    // A later start with the module in place reuses it.
    const std::uint64_t written = WriteTime(GermanModule());
    localizer_ = std::make_unique<KLocalizerOnFly>();
    localizer_->ModuleFolder = folder_;
    Init();
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
    EXPECT_EQ(WriteTime(GermanModule()), written);
}

TEST_F(LocalizerOnFly, AStoredChoiceThatFailsIsReportedOnceAndTheProgramGoesOnInEnglish) {
    StoreChoice(L"DEU");
    DeleteFileW(GermanFile().c_str());
    EXPECT_THROW(Init(), localizer::LocOnFlyError);
    EXPECT_TRUE(localizer_->Initialized());
    EXPECT_EQ(localizer_->CurrentLangID(), kEnglish);
    EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_EQ(Choice(), L"EXE");
    localizer_ = std::make_unique<KLocalizerOnFly>();
    EXPECT_NO_THROW(Init());
}

TEST_F(LocalizerOnFly, AFixedLanguageIsUsedWithoutTouchingTheUsersChoiceAndTheMenuOffersNoOther) {
    StoreChoice(L"EXE");
    localizer_->FixedChoice = L"DEU";
    Init();
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
    EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Weiter >");
    EXPECT_EQ(Choice(), L"EXE");
    ui::MenuItem parent(nullptr);
    localizer_->FillMenu(parent, 1);
    EXPECT_EQ(parent.Items().size(), 2u);
    EXPECT_FALSE(parent.Enabled());

    // A fixed language that cannot be had leaves the program in its own, the choice untouched.
    localizer_ = std::make_unique<KLocalizerOnFly>();
    localizer_->ModuleFolder = folder_;
    localizer_->FixedChoice = L"FRA";
    EXPECT_THROW(Init(), localizer::LocOnFlyError);
    EXPECT_EQ(localizer_->CurrentLangID(), kEnglish);
    EXPECT_EQ(Choice(), L"EXE");
}

TEST_F(LocalizerOnFly, AChangedLangStampRegeneratesTheModule) {
    Init();
    localizer_->SwitchLanguage(kGerman);
    const std::uint32_t firstStamp = SourceRecord().LangStamp;

    // A new stamp: the module in use is rebuilt.
    const std::uint32_t newStamp = firstStamp + 1;
    StampGermanFile(newStamp);

    localizer_->SwitchLanguage(kGerman);
    EXPECT_EQ(SourceRecord().LangStamp, newStamp);
    EXPECT_EQ(SourceRecord().LangID, kGerman);
    EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Weiter >");
    EXPECT_EQ(changes_.size(), 2u);

    // A module older than the program is made again, as after an update of the program.
    localizer_->SwitchLanguage("ntv");
    {
        HANDLE module =
            CreateFileW(GermanModule().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME longAgo{0, 0x01000000};  // in the 1820s
        SetFileTime(module, nullptr, nullptr, &longAgo);
        CloseHandle(module);
    }
    const std::uint64_t old = WriteTime(GermanModule());
    localizer_->SwitchLanguage(kGerman);
    EXPECT_GT(WriteTime(GermanModule()), old);
    EXPECT_EQ(SourceRecord().LangID, kGerman);

    // And a module left from the old stamp is rebuilt when it is not in use.
    localizer_->SwitchLanguage("ntv");
    StampGermanFile(firstStamp);
    localizer_->SwitchLanguage(kGerman);
    EXPECT_EQ(SourceRecord().LangStamp, firstStamp);
}

TEST_F(LocalizerOnFly, ADamagedFileOrModuleLeavesTheCurrentLanguageInUse) {
    Init();
    std::vector<char> file = ReadFile(GermanFile());
    WriteFile(GermanFile(), std::vector<char>(file.begin(), file.begin() + 120));
    EXPECT_THROW(localizer_->SwitchLanguage(kGerman), localizer::Error);
    EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_EQ(localizer_->CurrentLangID(), kEnglish);
    EXPECT_EQ(localizer_->Dictionary().LanguageCount(), 1);

    // A generation that fails (here: the native module copy is damaged) leaves no module,
    // whole or partial, and the language in use.
    WriteFile(GermanFile(), file);
    DeleteFileW(GermanModule().c_str());
    const std::wstring nativeCopy = langFolder_ + L"localizer_on_fly_test.ntv";
    WriteFile(nativeCopy, std::vector<char>(3000, 'Z'));
    EXPECT_THROW(localizer_->SwitchLanguage(kGerman), localizer::Error);
    EXPECT_EQ(Files(folder_), std::vector<std::wstring>{});
    EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_EQ(localizer_->Dictionary().LanguageCount(), 1);

    // Once the damage is gone the switch works.
    DeleteFileW(nativeCopy.c_str());
    localizer_->SwitchLanguage(kGerman);
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
}

TEST_F(LocalizerOnFly, ARebuildThatCannotReplaceTheModuleInUseLeavesThatLanguageWhole) {
    Init();
    localizer_->SwitchLanguage(kGerman);
    const std::uint32_t firstStamp = SourceRecord().LangStamp;
    StampGermanFile(firstStamp + 1);
    {
        // Held open by another program, the module cannot be replaced.
        platform::KernelHandle held(CreateFileW(
            GermanModule().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr
        ));
        ASSERT_TRUE(held);
        EXPECT_THROW(localizer_->SwitchLanguage(kGerman), localizer::Error);
    }
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
    EXPECT_EQ(SourceRecord().LangStamp, firstStamp);
    EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Weiter >");
    EXPECT_EQ(Choice(), L"DEU");
}

// The module is a cache of the language file: one damaged since an earlier run is never
// loaded by the system but made again.
TEST_F(LocalizerOnFly, ADamagedCachedModuleIsMadeAgain) {
    Init();
    WriteFile(GermanModule(), std::vector<char>(2000, 'M'));
    localizer_->SwitchLanguage(kGerman);
    EXPECT_EQ(localizer_->CurrentLangID(), kGerman);
    EXPECT_NE(platform::ResourceSource(), GetModuleHandleW(nullptr));
    EXPECT_GT(ReadFile(GermanModule()).size(), 2000u);
    EXPECT_EQ(Choice(), L"DEU");
}

// A module whose header is sound but whose forms are damaged never becomes the resource
// source: it is made again, and where that cannot be done the switch fails before anything
// visible changes.
TEST_F(LocalizerOnFly, AModuleWithADamagedFormIsNeverTakenUp) {
    Init();
    localizer_->SwitchLanguage(kGerman);
    localizer_->SwitchLanguage("ntv");
    std::vector<char> module = ReadFile(GermanModule());
    const std::string signature = "TPF0";
    const auto form = std::search(module.begin(), module.end(), signature.begin(), signature.end());
    ASSERT_NE(form, module.end());
    std::fill(form + 4, form + 68, '\xFF');
    WriteFile(GermanModule(), module);

    auto dialog = ui::CreateForm<TAskForQBoost>();
    {
        // Held open by another program, the module cannot be made again.
        platform::KernelHandle held(CreateFileW(
            GermanModule().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr
        ));
        ASSERT_TRUE(held);
        EXPECT_THROW(localizer_->SwitchLanguage(kGerman), localizer::Error);
        EXPECT_EQ(platform::ResourceSource(), GetModuleHandleW(nullptr));
        EXPECT_EQ(localizer_->CurrentLangID(), kEnglish);
        EXPECT_EQ(dialog->Caption(), kEnglishCaption);
        EXPECT_EQ(platform::LoadResString(str::SWizardNextButton), L"&Next >");
        EXPECT_EQ(Choice(), L"EXE");
        EXPECT_EQ(ui::CreateForm<TAskForQBoost>()->Caption(), kEnglishCaption);
    }
    localizer_->SwitchLanguage(kGerman);
    EXPECT_EQ(dialog->Caption(), kGermanCaption);
    EXPECT_EQ(ui::CreateForm<TAskForQBoost>()->Caption(), kGermanCaption);
    EXPECT_NE(ReadFile(GermanModule()), module);
}

TEST_F(LocalizerOnFly, MenuOffersEachLanguageAndAClickOnTheCheckedOneDoesNothing) {
    Init();
    ui::MenuItem parent(nullptr);
    parent.SetEnabled(false);
    localizer_->FillMenu(parent, 1);
    ASSERT_EQ(parent.Items().size(), 2u);
    ui::MenuItem& english = *parent.Items()[0];
    ui::MenuItem& german = *parent.Items()[1];
    EXPECT_TRUE(parent.Enabled());
    EXPECT_EQ(english.Caption(), L"English");
    EXPECT_EQ(german.Caption(), L"German");
    EXPECT_TRUE(english.RadioItem());
    EXPECT_EQ(german.GroupIndex(), 1);
    EXPECT_TRUE(english.Checked());
    EXPECT_FALSE(german.Checked());

    english.Click();
    EXPECT_TRUE(changes_.empty());
    EXPECT_EQ(Choice(), L"(none)");

    german.Click();
    EXPECT_TRUE(german.Checked());
    EXPECT_FALSE(english.Checked());
    EXPECT_EQ(changes_, std::vector<std::uint16_t>{kGerman});
    german.Click();
    EXPECT_EQ(changes_.size(), 1u);
}

}  // namespace
