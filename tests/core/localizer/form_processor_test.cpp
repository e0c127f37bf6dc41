#include "core/localizer/form_processor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"
#include "core/localizer/basic_locale.h"

using namespace localizer;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kForm =
    "object OptWnd: TOptWnd\r\n"
    "  Caption = 'Options'\r\n"
    "  Font.Charset = DEFAULT_CHARSET\r\n"
    "  object Panel1: TPanel\r\n"
    "    Caption = 'Panel'\r\n"
    "    object Button1: TButton\r\n"
    "      Caption = 'OK'\r\n"
    "      Width = 75\r\n"
    "      Hint = 'Close'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object ListBox1: TListBox\r\n"
    "    Items.Strings = (\r\n"
    "      'one'\r\n"
    "      'two')\r\n"
    "  end\r\n"
    "  object Header1: THeaderControl\r\n"
    "    Sections = <\r\n"
    "      item\r\n"
    "        Text = 'Name'\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Text = 'Size'\r\n"
    "      end>\r\n"
    "  end\r\n"
    "  inline Frame1: TFrame1\r\n"
    "    object Label1: TLabel\r\n"
    "      Caption = 'In frame'\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

// A dictionary holding the form's texts in English (index 0) and German (index 1).
struct Translation : ::testing::Test {
    BasicLocale locale;
    LangResource dict{locale};
    LResFormItem* form = nullptr;
    FormProcessor processor{dict};
    std::uint32_t nextId = 1;

    void SetUp() override {
        form = dict.Forms().FindOrAdd("OptWnd");
        Add("", "Caption", kKindText, u"Options");
        dict.AddLanguage(0, 0x0407);
        processor.TargetIndex = 1;
        processor.LangID = 0x0407;
    }

    LResPropertyItem* Add(
        const std::string& component, const std::string& property, std::uint8_t kind, std::u16string german
    ) {
        LResPropertyItem* item = form->FindOrAddProperty(nextId++, component, property, kind);
        while (item->Values().Count() < dict.LanguageCount()) item->Values().AddValue(0x0407);
        item->Value(item->Values().Count() - 1)->SetText(std::move(german));
        return item;
    }

    forms::Object Translate(int writerFormat = 6) {
        processor.WriterFormat = static_cast<std::uint16_t>(writerFormat);
        const Bytes translated = processor.TranslateForm(forms::WriteFormBinary(forms::ParseFormText(kForm)));
        return forms::ReadFormBinary(translated);
    }

    static const forms::Object& Child(const forms::Object& object, const std::string& name) {
        for (const forms::Object& child : object.children)
            if (child.name == name) return child;
        throw std::runtime_error("no " + name);
    }
};

}  // namespace

TEST_F(Translation, PropertiesTakeTheTargetLanguagesValues) {
    form->Properties().Find("Caption")->Value(1)->SetText(u"Einstellungen");
    Add("Button1", "Width", kKindInteger, u"90");
    Add("Panel1", "Caption", kKindText, u"Tafel");
    Add("ListBox1", "Items.Strings", kKindLines, u"eins\r\nzwei\r\ndrei");
    Add("Header1", "Sections[1].Text", kKindText, u"Gr\u00F6\u00DFe");
    const forms::Object result = Translate();
    EXPECT_EQ(result.Find("Caption")->value.text, "Einstellungen");
    const forms::Object& panel = Child(result, "Panel1");
    EXPECT_EQ(panel.Find("Caption")->value.text, "Tafel");
    // Components are named by their own name, wherever they sit.
    const forms::Object& button = Child(panel, "Button1");
    EXPECT_EQ(button.Find("Width")->value.integer, 90);
    EXPECT_EQ(button.Find("Caption")->value.text, "OK");
    const auto& lines = Child(result, "ListBox1").Find("Items.Strings")->value.list;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].text, "drei");
    const auto& sections = Child(result, "Header1").Find("Sections")->value.items;
    EXPECT_EQ(sections[0].properties[0].value.text, "Name");
    EXPECT_EQ(forms::WideTextOf(sections[1].properties[0].value), u"Gr\u00F6\u00DFe");
}

TEST_F(Translation, InsideAnInlineFrameTheFrameNamesThePath) {
    Add("Frame1.Label1", "Caption", kKindText, u"Im Rahmen");
    Add("Label1", "Caption", kKindText, u"Falsch");
    const forms::Object result = Translate();
    EXPECT_EQ(Child(Child(result, "Frame1"), "Label1").Find("Caption")->value.text, "Im Rahmen");
}

// An empty translated caption drops the line, so the control shows its default.
TEST_F(Translation, EmptyCaptionDropsTheProperty) {
    Add("Button1", "Caption", kKindText, u"");
    const forms::Object result = Translate();
    const forms::Object& button = Child(Child(result, "Panel1"), "Button1");
    EXPECT_EQ(button.Find("Caption"), nullptr);
    EXPECT_NE(button.Find("Hint"), nullptr);
    EXPECT_EQ(button.properties.size(), 2u);
}

TEST_F(Translation, NeverTranslatedPropertyKeepsItsValue) {
    Add("Button1", "Caption", kKindText, u"Gut")->SetFlags(kFlagNeverTranslate, true);
    EXPECT_EQ(Child(Child(Translate(), "Panel1"), "Button1").Find("Caption")->value.text, "OK");
}

// Written after the object's own properties: a missing one is added, and for one already
// there the later line wins when the form is loaded.
TEST_F(Translation, AlwaysWrittenPropertiesFollowTheObjectsOwn) {
    Add("Button1", "Cancel", kKindIdent, u"True")->SetFlags(kFlagWriteAlways, true);
    Add("Button1", "Hint", kKindText, u"Schlie\u00DFen")->SetFlags(kFlagWriteAlways, true);
    const forms::Object result = Translate();
    const forms::Object& button = Child(Child(result, "Panel1"), "Button1");
    ASSERT_EQ(button.properties.size(), 5u);
    EXPECT_EQ(button.properties[2].name, "Hint");
    EXPECT_EQ(button.properties[3].name, "Cancel");
    EXPECT_EQ(button.properties[3].value.type, forms::ValueType::True);
    EXPECT_EQ(button.properties[4].name, "Hint");
    EXPECT_EQ(forms::WideTextOf(button.properties[4].value), u"Schlie\u00DFen");
}

TEST_F(Translation, ApostrophesSurviveTheTextForm) {
    form->Properties().Find("Caption")->Value(1)->SetText(u"l'option 'A'");
    processor.WriterFormat = 6;
    EXPECT_EQ(Translate().Find("Caption")->value.text, "l'option 'A'");
    const Bytes text = processor.TranslateForm(Bytes(kForm, kForm + std::strlen(kForm)));
    EXPECT_EQ(forms::ParseFormText(std::string(text.begin(), text.end())).Find("Caption")->value.text, "l'option 'A'");
}

// Format 5 keeps a non-ASCII caption 8-bit (tag 6); format 6 stores it as UTF-8 (tag 20).
TEST_F(Translation, WriterFormatChoosesTheStringTag) {
    form->Properties().Find("Caption")->Value(1)->SetText(u"Men\u00FC");
    auto captionTag = [&](int format) {
        processor.WriterFormat = static_cast<std::uint16_t>(format);
        const Bytes binary = processor.TranslateForm(forms::WriteFormBinary(forms::ParseFormText(kForm)));
        const std::string key =
            "\x07"
            "Caption";
        const auto at = std::search(binary.begin(), binary.end(), key.begin(), key.end());
        return std::vector<std::uint8_t>(at + 8, at + 8 + 7);
    };
    EXPECT_EQ(captionTag(5), (Bytes{6, 4, 'M', 'e', 'n', 0xFC, 12}));
    EXPECT_EQ(captionTag(6), (Bytes{20, 5, 0, 0, 0, 'M', 'e'}));
}

// Texts in a code page other than the system's are not stored as 8-bit text, which the
// system would read back in its own code page: 8-bit where the system code page holds them
// after all, else wide (format 5) or UTF-8 (format 6).
TEST_F(Translation, TextsOfAnotherCodePageKeepTheirCharacters) {
    BasicLocale locale;
    LangResource dictRu(locale);
    LResFormItem* form = dictRu.Forms().FindOrAdd("OptWnd");
    form->FindOrAddProperty(1, "", "Caption", kKindText)->Value(0)->SetText(u"x");
    dictRu.AddLanguage(0, 0x0419);
    form->Properties().Find("Caption")->Value(1)->SetText(u"\u041C\u0435\u043D\u044E");
    FormProcessor ru(dictRu);
    ru.LangID = 0x0419;
    ru.TargetIndex = 1;
    const Bytes stored = forms::WriteFormBinary(forms::ParseFormText(kForm));
    ru.WriterFormat = 5;
    const forms::Value wide = forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Caption")->value;
    EXPECT_EQ(wide.type, forms::ValueType::WideString);
    EXPECT_EQ(wide.wide, u"\u041C\u0435\u043D\u044E");
    ru.WriterFormat = 6;
    const forms::Value utf8 = forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Caption")->value;
    EXPECT_EQ(utf8.type, forms::ValueType::Utf8String);
    EXPECT_EQ(utf8.text, "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E");
    form->Properties().Find("Caption")->Value(1)->SetText(u"Plain");
    ru.WriterFormat = 5;
    const forms::Value plain = forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Caption")->value;
    EXPECT_EQ(plain.type, forms::ValueType::String);
    EXPECT_EQ(plain.text, "Plain");
}

TEST_F(Translation, CharsetsBecomeTheTargetLanguages) {
    BasicLocale russian;
    LangResource dictRu(russian);
    dictRu.Forms().FindOrAdd("OptWnd")->FindOrAddProperty(1, "", "Caption", kKindText)->Value(0)->SetText(u"x");
    dictRu.AddLanguage(0, 0x0419);
    FormProcessor ru(dictRu);
    ru.LangID = 0x0419;
    ru.TargetIndex = 1;
    const Bytes stored = forms::WriteFormBinary(forms::ParseFormText(kForm));
    EXPECT_EQ(forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Font.Charset")->value.text, "RUSSIAN_CHARSET");
    ru.ChangeCharsets = false;
    EXPECT_EQ(forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Font.Charset")->value.text, "DEFAULT_CHARSET");
    // The native language keeps its character sets unless asked.
    ru.ChangeCharsets = true;
    ru.TargetIndex = 0;
    EXPECT_EQ(forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Font.Charset")->value.text, "DEFAULT_CHARSET");
    ru.NativeCharsets = true;
    EXPECT_EQ(forms::ReadFormBinary(ru.TranslateForm(stored)).Find("Font.Charset")->value.text, "RUSSIAN_CHARSET");
}

TEST_F(Translation, StoredFormsComeBackInTheirOwnForm) {
    const forms::Object parsed = forms::ParseFormText(kForm);
    const Bytes record = forms::WriteFormResourceRecord(parsed, 5);
    EXPECT_EQ(processor.TranslateForm(record)[0], 0xFF);
    EXPECT_EQ(forms::ReadFormBinary(processor.TranslateForm(record)).Find("Caption")->value.text, "Options");
    const Bytes text = processor.TranslateForm(Bytes(kForm, kForm + std::strlen(kForm)));
    EXPECT_EQ(std::string(text.begin(), text.begin() + 6), "object");
    // An untranslated form is what the text form gives back.
    processor.WriterFormat = 5;
    processor.ChangeCharsets = false;
    EXPECT_EQ(processor.TranslateForm(forms::WriteFormBinary(parsed, 5)), forms::WriteFormBinary(parsed, 5));
}

TEST_F(Translation, MalformedFormTextNamesLineAndForm) {
    const std::string broken = "object OptWnd: TOptWnd\r\n  Caption = =\r\nend\r\n";
    try {
        processor.TranslateForm(Bytes(broken.begin(), broken.end()));
        FAIL();
    } catch (const PrjProcsError& e) {
        EXPECT_STREQ(e.what(), "Wrong FRD Format\r\nLine#: 2\r\nForm: OptWnd");
    }
}

TEST_F(Translation, ProcessFormsNeedsTheRcDataGroup) {
    ResProcessor resources(locale);
    processor.FormNames = {"OptWnd", "AboutWnd"};
    EXPECT_THROW(processor.ProcessForms(resources), PrjProcsError);
    try {
        processor.ProcessForms(resources);
    } catch (const PrjProcsError& e) {
        EXPECT_STREQ(e.what(), "Can't find RCDATA block");
    }
    form->Properties().Find("Caption")->Value(1)->SetText(u"Einstellungen");
    resources.AddRCData().Add("TOPTWND", forms::WriteFormBinary(forms::ParseFormText(kForm)));
    std::vector<std::string> seen;
    processor.OnAfterForm = [&](FormProcessor&, const std::string& name) { seen.push_back(name); };
    processor.ProcessForms(resources);  // the missing "TABOUTWND" is skipped
    EXPECT_EQ(seen, std::vector<std::string>{"OptWnd"});
    EXPECT_EQ(
        forms::ReadFormBinary(resources.RCData()->Find("TOPTWND")->data).Find("Caption")->value.text, "Einstellungen"
    );
    processor.OnBeforeForm = [](FormProcessor&, const std::string&, bool& process) { process = false; };
    form->Properties().Find("Caption")->Value(1)->SetText(u"Optionen");
    processor.ProcessForms(resources);
    EXPECT_EQ(
        forms::ReadFormBinary(resources.RCData()->Find("TOPTWND")->data).Find("Caption")->value.text, "Einstellungen"
    );
}
