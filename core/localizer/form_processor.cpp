#include "core/localizer/form_processor.h"

#include <optional>
#include <string_view>

#include "core/forms/code_page.h"
#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"
#include "core/forms/identifier.h"
#include "core/localizer/locale_code_page.h"

namespace localizer {

namespace {

struct CharsetName {
    int charset;
    const char* name;
};
constexpr CharsetName kCharsetNames[] = {
    {0, "ANSI_CHARSET"},          {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},    {129, "HANGEUL_CHARSET"},    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},      {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},      {178, "ARABIC_CHARSET"},     {186, "BALTIC_CHARSET"},  {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},        {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

std::optional<std::string> CharsetIdentifier(int charset) {
    for (const CharsetName& entry : kCharsetNames)
        if (entry.charset == charset) return entry.name;
    return std::nullopt;
}

forms::Value StringValue(std::string text) {
    forms::Value value;
    value.type = forms::ValueType::String;
    value.text = std::move(text);
    return value;
}

// Translates the properties of one form tree.
class FormTranslator {
public:
    FormTranslator(const FormProcessor& processor, LangResource& dictionary, const forms::CodePage& codePage)
        : processor_(processor), dictionary_(dictionary), codePage_(codePage) {}

    void Translate(forms::Object& form) {
        form_ = dictionary_.Forms().FindOrAdd(form.name);
        TranslateObject(form, form_, "");
    }

private:
    // Components are named by their own name; those inside an inline frame by the frame's
    // path, a dot and their name.
    void TranslateObject(forms::Object& object, LResComponentItem* component, const std::string& childPrefix) {
        TranslateProperties(object.properties, "", component);
        if (component) AddForcedProperties(object.properties, *component);
        for (forms::Object& child : object.children) {
            const std::string path = child.name.empty() ? std::string() : childPrefix + child.name;
            LResComponentItem* childComponent = path.empty() ? nullptr : form_->Components().Find(path);
            const bool frame = (child.flags & forms::kInline) && !path.empty();
            TranslateObject(child, childComponent, frame ? path + "." : childPrefix);
        }
    }

    // Collection items' properties are addressed as Name[i].Prop.
    void TranslateProperties(
        std::vector<forms::Property>& properties, const std::string& prefix, LResComponentItem* component
    ) {
        for (std::size_t i = 0; i < properties.size();) {
            forms::Property& property = properties[i];
            const std::string name = prefix + property.name;
            if (property.value.type == forms::ValueType::Collection) {
                for (std::size_t item = 0; item < property.value.items.size(); ++item)
                    TranslateProperties(
                        property.value.items[item].properties, name + "[" + std::to_string(item) + "].", component
                    );
            }
            if (Translate(property, name, component)) {
                ++i;
            } else {
                properties.erase(properties.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }

    enum class Outcome { Keep, Drop, Write };
    struct Translation {
        Outcome outcome;
        forms::Value value;
    };

    // False when the property is to be dropped.
    bool Translate(forms::Property& property, const std::string& name, LResComponentItem* component) {
        if (processor_.ChangeCharsets && name.find(".Charset") != std::string::npos) {
            if (component && (processor_.TargetIndex != 0 || processor_.NativeCharsets)) {
                if (auto identifier = CharsetIdentifier(CharsetOf(dictionary_.GetLocale(), processor_.LangID))) {
                    property.value = forms::Value();
                    property.value.type = forms::ValueType::Ident;
                    property.value.text = *identifier;
                }
            }
            return true;
        }
        if (!component) return true;
        const LResPropertyItem* item = component->Properties().Find(name);
        if (!item || item->HasFlags(kFlagNeverTranslate)) return true;
        Translation translation = TranslationOf(*item);
        if (translation.outcome == Outcome::Write) property.value = std::move(translation.value);
        return translation.outcome != Outcome::Drop;
    }

    Translation TranslationOf(const LResPropertyItem& item) const {
        const LResValue* target = item.Value(processor_.TargetIndex);
        if (!target) return {Outcome::Keep, {}};
        switch (item.Kind()) {
            case kKindText: {
                if (target->Text().empty()) return {Outcome::Drop, {}};  // the control shows its default
                return {Outcome::Write, TextValue(*target, target->Text())};
            }
            case kKindLines: {
                forms::Value lines;
                lines.type = forms::ValueType::List;
                if (HoldsLanguage(*target)) {
                    for (std::string& line : target->Lines()) lines.list.push_back(StringValue(std::move(line)));
                } else {
                    for (const std::u16string& line : WideLines(target->Text()))
                        lines.list.push_back(TextValue(*target, line));
                }
                return {Outcome::Write, std::move(lines)};
            }
            case kKindInteger:
            case kKindIdent:
                if (auto parsed = ParseValue(*target)) return {Outcome::Write, std::move(*parsed)};
                return {Outcome::Keep, {}};
            case kKindFloat:
                return {Outcome::Drop, {}};
            default:
                return {Outcome::Keep, {}};  // lists, binary data and sets carry no value
        }
    }

    // Whether the text form's 8-bit strings, which are read back in the system code page,
    // can carry the value's language.
    bool HoldsLanguage(const LResValue& value) const {
        const Locale& locale = dictionary_.GetLocale();
        return CodePageOf(locale, value.LangId()) == locale.SystemCodePage();
    }

    // 8-bit text in the language's code page when the system shares it; otherwise the text
    // itself, which the writer stores 8-bit where the system code page holds it, else wide
    // or UTF-8: Cyrillic read as Western European 8-bit text would be unreadable.
    forms::Value TextValue(const LResValue& value, const std::u16string& text) const {
        if (HoldsLanguage(value)) return StringValue(ToNarrow(dictionary_.GetLocale(), text, value.LangId()));
        forms::Value utf8;
        utf8.type = forms::ValueType::Utf8String;
        utf8.text = forms::Utf16ToUtf8(text);
        return utf8;
    }

    static std::vector<std::u16string> WideLines(const std::u16string& text) {
        std::vector<std::u16string> lines;
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t start = i;
            while (i < text.size() && text[i] != u'\r' && text[i] != u'\n') ++i;
            lines.push_back(text.substr(start, i - start));
            if (i < text.size() && text[i] == u'\r') ++i;
            if (i < text.size() && text[i] == u'\n') ++i;
        }
        return lines;
    }

    // A number or word as the text form reads it; nothing for any other text, which leaves
    // the property as it was.
    std::optional<forms::Value> ParseValue(const LResValue& target) const {
        const std::string narrow = ToNarrow(dictionary_.GetLocale(), target.Text(), target.LangId());
        if (narrow.empty() || narrow.find_first_of("\r\n") != std::string::npos) return std::nullopt;
        try {
            forms::Object holder = forms::ParseFormText("object A: T\r\n  V = " + narrow + "\r\nend\r\n", codePage_);
            if (holder.properties.size() != 1 || !holder.children.empty()) return std::nullopt;
            return std::move(holder.properties[0].value);
        } catch (const forms::FormError&) {
            return std::nullopt;
        }
    }

    // Properties that the translation sets even where the description has none; written
    // after the object's own, so they win over an earlier line for the same property.
    void AddForcedProperties(std::vector<forms::Property>& properties, const LResComponentItem& component) const {
        for (const LResPropertyItem* item : component.Properties()) {
            if (!item->HasFlags(kFlagWriteAlways) || item->HasFlags(kFlagNeverTranslate)) continue;
            if (!forms::IsIdentifier(item->Name())) continue;  // no line can name a collection item
            Translation translation = TranslationOf(*item);
            if (translation.outcome == Outcome::Write)
                properties.push_back({item->Name(), std::move(translation.value)});
        }
    }

    const FormProcessor& processor_;
    LangResource& dictionary_;
    const forms::CodePage& codePage_;
    LResFormItem* form_ = nullptr;
};

}  // namespace

std::vector<std::uint8_t> FormProcessor::TranslateForm(std::span<const std::uint8_t> stored) {
    const LocaleCodePage codePage(dictionary_->GetLocale(), dictionary_->GetLocale().SystemCodePage());
    const forms::FormStorage storage = forms::DetectFormStorage(stored);
    forms::Object form;
    try {
        const std::string text = storage == forms::FormStorage::Text
                                     ? std::string(stored.begin(), stored.end())
                                     : forms::WriteFormText(forms::ReadFormBinary(stored), codePage);
        form = forms::ParseFormText(text, codePage);
    } catch (const forms::FormError& error) {
        throw PrjProcsError(error.what());
    }
    FormTranslator(*this, *dictionary_, codePage).Translate(form);
    try {
        switch (storage) {
            case forms::FormStorage::ResourceRecord:
                return forms::WriteFormResourceRecord(form, WriterFormat, codePage);
            case forms::FormStorage::Binary:
                return forms::WriteFormBinary(form, WriterFormat, codePage);
            case forms::FormStorage::Text: {
                const std::string text = forms::WriteFormText(form, codePage);
                return std::vector<std::uint8_t>(text.begin(), text.end());
            }
        }
    } catch (const forms::FormError& error) {
        throw ParserError(error.what());
    }
    return {};
}

void FormProcessor::ProcessForms(ResProcessor& resources) {
    for (const std::string& name : FormNames) {
        ResRCData* rcData = resources.RCData();
        if (!rcData) throw PrjProcsError(msg::kNoRcDataBlock);
        ResRCDataItem* item = rcData->Find("T" + name);
        if (!item) continue;
        bool process = true;
        if (OnBeforeForm) OnBeforeForm(*this, name, process);
        if (!process) continue;
        item->data = TranslateForm(item->data);
        if (OnAfterForm) OnAfterForm(*this, name);
    }
}

std::vector<std::string> FormProcessor::AllFormNames(const LangResource& dictionary) {
    std::vector<std::string> names;
    for (const LResFormItem* form : dictionary.Forms()) names.push_back(form->Name());
    return names;
}

}  // namespace localizer
