// libFuzzer target: the executable reader and the resource processor on arbitrary bytes.
// Only the reader's errors may come out; whatever loads is written as a language module,
// which must read back and write the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/localizer/basic_locale.h"
#include "core/localizer/res_processor.h"

namespace {

std::uint32_t NoStamp() { return 0; }

// Every name and every data entry three levels down, as a caller of the reader may look.
void Walk(const localizer::PEReader& reader, const localizer::Locale& locale) {
    using namespace localizer;
    const PEResourceList types = reader.Resources();
    for (const PEResourceItem& type : types.Items()) {
        type.Name(locale);
        if (!type.IsList()) continue;
        const PEResourceList names = type.List();
        for (const PEResourceItem& name : names.Items()) {
            name.Name(locale);
            if (!name.IsList()) continue;
            const PEResourceList languages = name.List();
            for (const PEResourceItem& language : languages.Items())
                if (!language.IsList()) language.Data();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace localizer;
    static BasicLocale locale;
    std::vector<std::uint8_t> image;
    try {
        PEReader reader(std::vector<std::uint8_t>(data, data + size));
        try {
            Walk(reader, locale);
        } catch (const ExeError&) {
        }
        ResProcessor resources(locale);
        resources.Load(reader);
        image = resources.ModuleImage(NoStamp);
    } catch (const ExeError&) {
        return 0;
    }
    try {
        ResProcessor again(locale);
        again.Load(PEReader(std::vector<std::uint8_t>(image)));
        if (again.ModuleImage(NoStamp) != image) std::abort();
    } catch (const ExeError&) {
        std::abort();  // a module the writer made must read
    }
    return 0;
}
