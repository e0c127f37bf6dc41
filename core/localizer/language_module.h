#pragma once
#include <string>

#include "core/localizer/lang_file.h"
#include "core/localizer/lang_resource.h"
#include "core/localizer/res_processor.h"

namespace localizer {

// Generates the language module `moduleName` from the native module (the program file or
// its ".ntv" copy): its string tables and form descriptions with the dictionary's values at
// the language file's TargetIndex, and a settings record naming the language. The native
// module is only read; the module appears whole or not at all.
void BuildLanguageModule(
    const LangFile& language, const std::wstring& moduleName, const std::wstring& nativeModule,
    LangResource& dictionary, const StampClock& clock = LocalTimeStamp
);

}  // namespace localizer
