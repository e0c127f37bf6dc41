// libFuzzer target: form translation, as the language switch runs it over the form
// descriptions of a native module, on arbitrary bytes and a dictionary that translates a
// few captions, a list and a charset. Only the processor's errors may come out; whatever
// it translates must translate again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/localizer/basic_locale.h"
#include "core/localizer/form_processor.h"

namespace {

using namespace localizer;

struct Row {
    const char* component;
    const char* property;
    std::uint8_t kind;
    const char16_t* english;
    const char16_t* russian;
    std::uint16_t flags;
};

// The form "F" of the seeds: its caption, a button's caption, a memo's lines, a label's
// font (its charset rewritten), an always-written hint, a caption never translated, a
// number and a text translated as empty.
constexpr Row kRows[] = {
    {"", "Caption", kKindText, u"Form", u"Форма", 0},
    {"Button1", "Caption", kKindText, u"OK", u"Да", 0},
    {"Memo1", "Lines.Strings", kKindLines, u"one\r\ntwo", u"один\r\nдва", 0},
    {"Label1", "Font.Charset", kKindIdent, u"DEFAULT_CHARSET", u"RUSSIAN_CHARSET", 0},
    {"Label1", "Hint", kKindText, u"", u"Подсказка", kFlagWriteAlways},
    {"Label1", "Caption", kKindText, u"Keep", u"Не менять", kFlagNeverTranslate},
    {"Edit1", "Width", kKindInteger, u"10", u"20", 0},
    {"Edit1", "Text", kKindText, u"x", u"", 0},
};

void FillDictionary(LangResource& dict) {
    LResFormItem& form = *dict.Forms().FindOrAdd("F");
    std::uint32_t id = 0;
    for (const Row& row : kRows) {
        LResPropertyItem* item = form.FindOrAddProperty(++id, row.component, row.property, row.kind);
        item->Value(0)->Assign(row.english, 0x0409);
        item->Value(0)->Flags = row.flags;
    }
    dict.AddLanguage(0, 0x0419);
    id = 0;
    for (const Row& row : kRows) dict.PropertyById(++id)->Value(1)->Assign(row.russian, 0x0419);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static BasicLocale locale;
    LangResource dict(locale);
    FillDictionary(dict);
    FormProcessor processor(dict);
    processor.TargetIndex = 1;
    processor.LangID = 0x0419;
    processor.WriterFormat = size & 1 ? 6 : 5;
    std::vector<std::uint8_t> translated;
    try {
        translated = processor.TranslateForm({data, size});
    } catch (const PrjProcsError&) {
        return 0;
    } catch (const ParserError&) {
        return 0;
    }
    try {
        processor.TranslateForm(translated);
    } catch (const Error&) {
        std::abort();  // what the processor wrote, it must read
    }
    return 0;
}
