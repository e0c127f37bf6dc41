// Language modules as the system loads them: generated from this test program, a 64-bit
// program file carrying strings, a form and its settings record, then loaded as a data file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/forms/form_binary.h"
#include "core/localizer/lang_settings.h"
#include "core/localizer/language_module.h"
#include "core/localizer/pe_reader.h"
#include "localizer/win_locale.h"

using namespace localizer;

namespace {

std::wstring ProgramFile() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, path + length);
}

struct DataFile {
    HMODULE module;
    explicit DataFile(const std::wstring& path)
        : module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~DataFile() {
        if (module) FreeLibrary(module);
    }
    std::wstring String(UINT id) const {
        wchar_t text[256];
        const int length = LoadStringW(module, id, text, 256);
        return std::wstring(text, text + length);
    }
    std::vector<std::uint8_t> RcData(const wchar_t* name) const {
        HRSRC found = FindResourceW(module, name, RT_RCDATA);
        if (!found) return {};
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
        return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, found));
    }
};

struct Generated : ::testing::Test {
    LangResource dict{SystemLocale()};
    LangFile russian;
    std::wstring module = L"language_module_test.rus";

    void SetUp() override {
        LResUnitItem* unit = dict.Units().FindOrAdd("Strings");
        unit->FindOrAddConstant("SStopped", 1, 65204)->Value(0)->SetText(u"Stopped");
        unit->FindOrAddConstant("SLast", 2, 65295)->Value(0)->SetText(u"Last of its block");
        dict.Forms().FindOrAdd("AskForQBoost")->FindOrAddProperty(3, "", "Caption", kKindText)->Value(0)->SetText(u"x");
        russian.TargetIndex = dict.AddLanguage(0, 0x0419);
        unit->Constants()
            .Find("SStopped")
            ->Value(1)
            ->SetText(u"\u041E\u0441\u0442\u0430\u043D\u043E\u0432\u043B\u0435\u043D");
        unit->Constants().Find("SLast")->Value(1)->SetText(u"\u041F\u043E\u0441\u043B\u0435\u0434\u043D\u044F\u044F");
        dict.Forms()[0]->Properties().Find("Caption")->Value(1)->SetText(
            u"\u0423\u0441\u043A\u043E\u0440\u0435\u043D\u0438\u0435"
        );
        russian.LangID = 0x0419;
        russian.Name = "Russian";
        russian.NativeName = u"\u0420\u0443\u0441\u0441\u043A\u0438\u0439";
        russian.BuildStamp = 174;
        russian.LangStamp = 9;
        DeleteFileW(module.c_str());
    }
    void TearDown() override { DeleteFileW(module.c_str()); }
};

}  // namespace

TEST_F(Generated, LoadsAsADataFileWithTheTranslations) {
    BuildLanguageModule(russian, module, ProgramFile(), dict);
    DataFile file(module);
    ASSERT_NE(file.module, nullptr) << GetLastError();
    EXPECT_EQ(file.String(65204), L"\u041E\u0441\u0442\u0430\u043D\u043E\u0432\u043B\u0435\u043D");
    EXPECT_EQ(file.String(65205), L"Running");  // untranslated strings stay
    EXPECT_EQ(file.String(65295), L"\u041F\u043E\u0441\u043B\u0435\u0434\u043D\u044F\u044F");

    // The loader finds named entries by binary search: the record added last must be found.
    const auto settings = ReadLangSettings(file.RcData(L"QVT_LIBSETTINGS_"));
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Magic, "LDLL");
    EXPECT_EQ(settings->LangID, 0x0419);
    EXPECT_EQ(settings->BuildStamp, 174u);
    EXPECT_EQ(settings->LangStamp, 9u);
    EXPECT_TRUE(file.RcData(L"QVT_EXESETTINGS_").empty());

    // The form comes back with the caption's characters, which the system's 8-bit code page
    // here (1252) cannot hold, and its fonts in the language's character set.
    const forms::Object form = forms::ReadFormBinary(file.RcData(L"TASKFORQBOOST"));
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(form.Find("Caption")->value.type, forms::ValueType::WideString);
    EXPECT_EQ(form.Find("Caption")->value.wide, u"\u0423\u0441\u043A\u043E\u0440\u0435\u043D\u0438\u0435");
    EXPECT_EQ(form.Find("Font.Charset")->value.text, "RUSSIAN_CHARSET");
}

TEST_F(Generated, ProgramFileIsA64BitImageWithItsResources) {
    const PEReader reader = PEReader::FromFile(ProgramFile());
    EXPECT_TRUE(reader.Is64Bit());
    ResProcessor resources(SystemLocale());
    resources.Load(reader);
    EXPECT_EQ(*resources.Strings()->Find(65205), u"Running");
    EXPECT_NE(resources.RCData()->Find("TASKFORQBOOST"), nullptr);
}
