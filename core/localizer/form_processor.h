#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/localizer/lang_resource.h"
#include "core/localizer/res_processor.h"

namespace localizer {

// TFormProcessor: one translation run over the form descriptions of a module. Each stored
// form (binary, resource-file record or text) goes to its text form and is parsed; the
// dictionary's values at TargetIndex replace, drop or add property values; the result is
// written back in the stored form.
class FormProcessor {
public:
    explicit FormProcessor(LangResource& dictionary) : dictionary_(&dictionary) {}

    int TargetIndex = 0;
    std::uint16_t LangID = 0;        // the target language, whose character set the fonts get
    std::uint16_t WriterFormat = 6;  // 5: 8-bit strings stay 8-bit; 6: non-ASCII ones go UTF-8
    bool ChangeCharsets = true;
    bool NativeCharsets = false;  // rewrite character sets for language index 0 too
    std::vector<std::string> FormNames;

    // Before a form: clearing `process` skips it. After a form: it has been replaced.
    std::function<void(FormProcessor&, const std::string& formName, bool& process)> OnBeforeForm;
    std::function<void(FormProcessor&, const std::string& formName)> OnAfterForm;

    // Every form of FormNames whose item "T" + name (any letter case) is present is translated in
    // place; PrjProcsError "Can't find RCDATA block" when there is no RCDATA group.
    void ProcessForms(ResProcessor& resources);
    // One stored form description, translated, in the same stored form; the dictionary gets
    // the form's item when it had none. PrjProcsError
    // "Wrong FRD Format" for text that does not parse, ParserError when it cannot be
    // written back.
    std::vector<std::uint8_t> TranslateForm(std::span<const std::uint8_t> stored);

    // The dictionary names used for all form names of the dictionary.
    static std::vector<std::string> AllFormNames(const LangResource& dictionary);

private:
    LangResource* dictionary_;  // not owned
};

}  // namespace localizer
