// libFuzzer target: the PO reader of lngtool, and what lngtool does with a catalogue it
// read: the translation header, the coverage report and the compilation into a language,
// against a small native dictionary. Only the reader's and the tool's errors may come
// out; whatever reads writes back and reads the same entries again.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/localizer/basic_locale.h"
#include "tools/lngtool/po_catalog.h"
#include "tools/lngtool/po_file.h"

namespace {

using namespace localizer;

void FillNative(LangResource& dict) {
    LResUnitItem* unit = dict.Units().FindOrAdd("Main");
    unit->FindOrAddConstant("SHello", 1, 65204)->Value(0)->Assign(u"Hello %s", 0x0409);
    unit->FindOrAddConstant("SLines", 2, 65205)->Value(0)->Assign(u"One\r\nTwo &Now", 0x0409);
    LResFormItem* form = dict.Forms().FindOrAdd("OptWnd");
    form->FindOrAddProperty(1, "", "Caption", kKindText)->Value(0)->Assign(u"Options", 0x0409);
    form->FindOrAddProperty(2, "Memo1", "Lines.Strings", kKindLines)->Value(0)->Assign(u"a\r\nb", 0x0409);
}

bool SameEntries(const lngtool::PoCatalog& a, const lngtool::PoCatalog& b) {
    if (a.entries.size() != b.entries.size()) return false;
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const auto &x = a.entries[i], &y = b.entries[i];
        if (x.context != y.context || x.source != y.source || x.translation != y.translation || x.fuzzy != y.fuzzy)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static BasicLocale locale;
    lngtool::PoCatalog catalog;
    try {
        catalog = lngtool::ParsePo(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::runtime_error&) {
        return 0;
    }
    const std::string written = lngtool::WritePo({catalog.header.begin(), catalog.header.end()}, catalog.entries);
    try {
        if (!SameEntries(catalog, lngtool::ParsePo(written))) std::abort();
    } catch (const std::runtime_error&) {
        std::abort();  // what the writer made, the reader must read
    }
    LangResource dict(locale);
    FillNative(dict);
    lngtool::CheckCoverage(dict, catalog);
    try {
        LangFile native;
        LangFile language = lngtool::CompileTranslation(dict, native, catalog);
        language.Write(dict, language.TargetIndex);
    } catch (const std::runtime_error&) {
        // A header field missing or malformed, or a code page not the language's.
    }
    return 0;
}
