#include "core/localizer/language_module.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"
#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_settings.h"
#include "pe_image_builder.h"

using namespace localizer;
using namespace pe_test;

namespace {

std::uint32_t FixedStamp() { return 1; }

LangSettings ProgramSettings() {
    LangSettings s;
    s.Magic = kExeSettingsMagic;
    s.BuildStamp = 174;
    s.LangID = 9;
    s.Name = "English";
    s.NativeName = u"English";
    return s;
}

// The program file as the native module: strings 65204 and 65205, the options window's
// form, its own settings record and the embedded languages list.
Bytes NativeProgram(const Bytes& settings) {
    const Bytes form = forms::WriteFormBinary(
        forms::ParseFormText(
            "object OptWnd: TOptWnd\r\n  Caption = 'Options'\r\n  Font.Charset = DEFAULT_CHARSET\r\nend\r\n"
        ),
        5
    );
    return Image(Node::Dir(
        0,
        {
            Node::Dir(
                6, {Node::Leaf(65204 / 16 + 1, StringBlock({{65204 % 16, u"Stopped"}, {65205 % 16, u"Running"}}))}
            ),
            Node::Dir(
                10, {Node::NamedLeaf(u"QVT_EXESETTINGS_", settings), Node::NamedLeaf(u"QVT_LOC_LANGS_", Ascii("x")),
                     Node::NamedLeaf(u"TOPTWND", form)}
            ),
        }
    ));
}

// A file of this test alone: ctest runs the tests of a suite side by side.
std::wstring TestFile(const char* extension) {
    return std::filesystem::path(
               ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
               std::to_string(::getpid()) + extension
    )
        .wstring();
}

struct Build : ::testing::Test {
    BasicLocale locale;
    LangResource dict{locale};
    LangFile german;
    std::wstring native = TestFile(".ntv");
    std::wstring module = TestFile(".deu");

    void SetUp() override {
        LResUnitItem* unit = dict.Units().FindOrAdd("Strings");
        unit->FindOrAddConstant("SStopped", 1, 65204)->Value(0)->SetText(u"Stopped");
        unit->FindOrAddConstant("SAbsent", 2, 65300)->Value(0)->SetText(u"Absent");
        dict.Forms().FindOrAdd("OptWnd")->FindOrAddProperty(1, "", "Caption", kKindText)->Value(0)->SetText(u"Options");
        german.TargetIndex = dict.AddLanguage(0, 0x0407);
        dict.Units()[0]->Constants().Find("SStopped")->Value(1)->SetText(u"Angehalten");
        dict.Units()[0]->Constants().Find("SAbsent")->Value(1)->SetText(u"Fehlt");
        dict.Forms()[0]->Properties().Find("Caption")->Value(1)->SetText(u"Einstellungen");
        german.LangID = 0x0407;
        german.Name = "German";
        german.NativeName = u"Deutsch";
        german.BuildStamp = 174;
        german.LangStamp = 77;
    }
    void TearDown() override {
        std::filesystem::remove(native);
        std::filesystem::remove(module);
    }
};

}  // namespace

TEST(LangSettings, ProgramRecordIs44BytesAndReadsBack) {
    const Bytes record = WriteLangSettings(ProgramSettings());
    EXPECT_EQ(record.size(), 44u);
    const auto read = ReadLangSettings(record);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Magic, "KEXE");
    EXPECT_EQ(read->BuildStamp, 174u);
    EXPECT_EQ(read->NativeName, u"English");
    EXPECT_EQ(read->Format, 5);
    EXPECT_FALSE(ReadLangSettings(Bytes(record.begin(), record.begin() + 12)));
    // A record that stops after the names has format 5.
    Bytes older(record.begin(), record.begin() + 4 + 4 + 2 + 9 + 16);
    older[4 + 4 + 2 + 9 + 16 - 1] = 0;
    EXPECT_EQ(ReadLangSettings(older)->Format, 5);
}

// The program file is its own native module when no ".ntv" copy exists: its "KEXE" record
// stands in for a language module's.
TEST_F(Build, ModuleFromTheProgramFile) {
    WriteWholeFile(native, NativeProgram(WriteLangSettings(ProgramSettings())));
    BuildLanguageModule(german, module, native, dict, FixedStamp);

    ResProcessor result(locale);
    result.Load(module);
    EXPECT_EQ(*result.Strings()->Find(65204), u"Angehalten");
    EXPECT_EQ(*result.Strings()->Find(65205), u"Running");
    EXPECT_EQ(result.Strings()->Find(65300), nullptr);  // not in the program: not added

    std::vector<std::string> names;
    for (const ResRCDataItem& item : result.RCData()->Items()) names.push_back(item.name);
    EXPECT_EQ(names, (std::vector<std::string>{"QVT_LIBSETTINGS_", "TOPTWND"}));
    const forms::Object form = forms::ReadFormBinary(result.RCData()->Find("TOPTWND")->data);
    EXPECT_EQ(form.Find("Caption")->value.text, "Einstellungen");
    EXPECT_EQ(form.Find("Font.Charset")->value.text, "ANSI_CHARSET");

    const auto settings = ReadLangSettings(result.RCData()->Find(kLibSettingsName)->data);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Magic, "LDLL");
    EXPECT_EQ(settings->BuildStamp, 174u);
    EXPECT_EQ(settings->LangID, 0x0407);
    EXPECT_EQ(settings->Name, "German");
    EXPECT_EQ(settings->NativeName, u"Deutsch");
    EXPECT_EQ(settings->Format, 5);
    EXPECT_EQ(settings->LangStamp, 77u);
}

// A language module made from a ".ntv" language module keeps that module's build stamp.
TEST_F(Build, ModuleFromALanguageModuleKeepsItsBuildStamp) {
    LangSettings ntv = ProgramSettings();
    ntv.Magic = kLibSettingsMagic;
    ntv.BuildStamp = 170;
    ntv.Format = 6;
    ResProcessor source(locale);
    source.AddRCData().Add(kLibSettingsName, WriteLangSettings(ntv));
    source.Save(native, FixedStamp);
    BuildLanguageModule(german, module, native, dict, FixedStamp);
    ResProcessor result(locale);
    result.Load(module);
    const auto settings = ReadLangSettings(result.RCData()->Find(kLibSettingsName)->data);
    EXPECT_EQ(settings->BuildStamp, 170u);
    EXPECT_EQ(settings->Format, 6);
    EXPECT_EQ(settings->LangStamp, 77u);
}

TEST_F(Build, InvalidNativeModuleLeavesNoModule) {
    LangSettings wrong = ProgramSettings();
    wrong.Magic = "LDLL";  // the program's record with a library's magic
    for (const Bytes& settings : {WriteLangSettings(wrong), Ascii("KEXE")}) {
        WriteWholeFile(native, NativeProgram(settings));
        try {
            BuildLanguageModule(german, module, native, dict, FixedStamp);
            FAIL();
        } catch (const LFProcError& e) {
            EXPECT_STREQ(e.what(), "Can't create DLL. The native DLL is invalid");
        }
        EXPECT_FALSE(std::filesystem::exists(module));
    }
}
