// libFuzzer target: the language file reader (plain or LZK00) loading arbitrary bytes as
// the dictionary's structure, then merged into a second language by ID and by names. Only
// the system's errors may come out; whatever loads is written and read back.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace localizer;
    static BasicLocale locale;
    std::vector<std::uint8_t> bytes(data, data + size);
    LangResource dict(locale);
    LangFile file;
    try {
        MemoryStream s(bytes);
        file.LoadInto(s, &dict, size & 3, -1);
    } catch (const Error&) {
        return 0;
    }
    try {
        if (dict.LanguageCount() > 0) {
            dict.AddLanguage(0, 0x0419);
            MemoryStream again(bytes);
            LangFile().LoadInto(again, &dict, 0, 1);
            MemoryStream byNames(bytes);
            LangFile().LoadInto(byNames, &dict, kMatchByNames, 1);
        }
    } catch (const Error&) {
        std::abort();  // it loaded once; it must merge too
    }
    // Write what loaded and load the written file: it must load.
    std::vector<std::uint8_t> written = file.Write(dict, 0);
    LangResource copy(locale);
    MemoryStream w(written);
    try {
        LangFile().LoadInto(w, &copy, 0, -1);
    } catch (const Error&) {
        std::abort();
    }
    return 0;
}
