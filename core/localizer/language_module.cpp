#include "core/localizer/language_module.h"

#include "core/localizer/form_processor.h"
#include "core/localizer/lang_settings.h"

namespace localizer {

namespace {

// The native module's settings: a language module's own record, or the program's, which is
// what the program file carries when it is its own native module.
LangSettings NativeSettings(ResProcessor& resources, bool& libraryRecord) {
    struct Record {
        const char* name;
        const char* magic;
        bool library;
    };
    ResRCData* rcData = resources.RCData();
    for (const Record& record :
         {Record{kLibSettingsName, kLibSettingsMagic, true}, Record{kExeSettingsName, kExeSettingsMagic, false}}) {
        const ResRCDataItem* item = rcData ? rcData->Find(record.name) : nullptr;
        if (!item) continue;
        const auto settings = ReadLangSettings(item->data);
        if (!settings || settings->Magic != record.magic) break;
        libraryRecord = record.library;
        return *settings;
    }
    throw LFProcError(msg::kInvalidNativeDll);
}

void TranslateStrings(ResProcessor& resources, const LangResource& dictionary, int index) {
    ResString* strings = resources.Strings();
    if (!strings) return;
    for (const LResUnitItem* unit : dictionary.Units())
        for (const LResConstantItem* constant : unit->Constants()) {
            const LResValue* value = constant->Value(index);
            if (value && strings->Find(constant->ResID)) strings->Set(constant->ResID, value->Text());
        }
}

}  // namespace

void BuildLanguageModule(
    const LangFile& language, const std::wstring& moduleName, const std::wstring& nativeModule,
    LangResource& dictionary, const StampClock& clock
) {
    ResProcessor resources(dictionary.GetLocale());
    resources.Load(nativeModule);

    bool libraryRecord = false;
    const LangSettings native = NativeSettings(resources, libraryRecord);

    TranslateStrings(resources, dictionary, language.TargetIndex);

    FormProcessor forms(dictionary);
    forms.FormNames = FormProcessor::AllFormNames(dictionary);
    forms.TargetIndex = language.TargetIndex;
    forms.LangID = language.LangID;
    forms.WriterFormat = native.Format;
    forms.ProcessForms(resources);

    ResRCData& rcData = resources.AddRCData();
    rcData.Remove(kExeSettingsName);
    rcData.Remove(kLocLangsName);

    LangSettings settings;
    settings.Magic = kLibSettingsMagic;
    settings.BuildStamp = libraryRecord ? native.BuildStamp : language.BuildStamp;
    settings.LangID = language.LangID;
    settings.Name = language.Name;
    settings.NativeName = language.NativeName;
    settings.Format = native.Format;
    settings.Reserved = native.Reserved;
    settings.LangStamp = language.LangStamp;
    if (ResRCDataItem* record = rcData.Find(kLibSettingsName))
        record->data = WriteLangSettings(settings);
    else
        rcData.Add(kLibSettingsName, WriteLangSettings(settings));

    resources.Save(moduleName, clock);
}

}  // namespace localizer
