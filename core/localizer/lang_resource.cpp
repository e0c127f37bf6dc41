#include "core/localizer/lang_resource.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace localizer {

namespace {

std::string AsciiOf(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c >= 0x80) return {};  // numbers are plain ASCII; anything else does not parse
        out += static_cast<char>(c);
    }
    return out;
}

// Marking and purging: items not marked used since the last MarkAll(false) go.
template <class List>
void MarkItems(List& list, bool used) {
    for (auto* item : list) item->Used = used ? 1 : 0;
}

template <class List>
void PurgeUnused(List& list) {
    for (int i = list.Count() - 1; i >= 0; --i)
        if (!list[i]->Used) list.Delete(i);
}

}  // namespace

std::string FloatToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    // The shortest round-trip text, with the exponent written as Delphi's FloatToStr does
    // ("1E20", "1.5E-7").
    auto e = text.find('e');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e), exponent = text.substr(e + 1);
        if (!exponent.empty() && exponent[0] == '+') exponent.erase(0, 1);
        text = mantissa + "E" + exponent;
    }
    return text;
}

// A whole text as one number, an optional leading plus allowed.
template <class Number>
bool TextToNumber(std::u16string_view text, Number& value) {
    std::string ascii = AsciiOf(text);
    if (ascii.empty()) return false;
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    if (*begin == '+') ++begin;
    auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool TextToFloat(std::u16string_view text, double& value) { return TextToNumber(text, value); }

bool TextToInteger(std::u16string_view text, std::int64_t& value) { return TextToNumber(text, value); }

bool ValuesEqual(std::uint8_t kind, std::u16string_view current, std::u16string_view candidate) {
    if (current.empty() && candidate.empty()) return true;
    if (current.empty() || candidate.empty()) return false;
    switch (kind) {
        case kKindFloat: {
            double a, b;
            return TextToFloat(current, a) && TextToFloat(candidate, b) && a == b;
        }
        case kKindInteger: {
            std::int64_t a, b;
            return TextToInteger(current, a) && TextToInteger(candidate, b) && a == b;
        }
        case kKindText:
        case kKindLines:
            return current == candidate;
        default:
            return false;
    }
}

// ---- values ---------------------------------------------------------------------------

LResValue::LResValue(LResValueList* owner, std::uint16_t langId) : owner_(owner), langId_(langId) { UpdateSortKey(); }

void LResValue::UpdateSortKey() {
    const Locale& locale = owner_->GetLocale();
    sortKey_ = locale.SortKey(ToNarrow(locale, text_, langId_), langId_);
}

void LResValue::SetText(std::u16string text) {
    text_ = std::move(text);
    UpdateSortKey();
}

void LResValue::SetLangId(std::uint16_t langId) {
    langId_ = langId;
    UpdateSortKey();
}

void LResValue::Assign(std::u16string text, std::uint16_t langId) {
    text_ = std::move(text);
    langId_ = langId;
    UpdateSortKey();
}

std::vector<std::string> LResValue::Lines() const {
    std::string narrow = ToNarrow(owner_->GetLocale(), text_, langId_);
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < narrow.size()) {
        std::size_t start = i;
        while (i < narrow.size() && narrow[i] != '\r' && narrow[i] != '\n') ++i;
        lines.push_back(narrow.substr(start, i - start));
        if (i < narrow.size() && narrow[i] == '\r') ++i;
        if (i < narrow.size() && narrow[i] == '\n') ++i;
    }
    return lines;
}

std::u16string LResValue::TextOf(const Variant& value) const {
    const Locale& locale = owner_->GetLocale();
    if (auto* wide = std::get_if<std::u16string>(&value)) return *wide;
    std::string narrow;
    if (auto* i = std::get_if<std::int32_t>(&value))
        narrow = std::to_string(*i);
    else if (auto* d = std::get_if<double>(&value))
        narrow = FloatToText(*d);
    else if (auto* s = std::get_if<std::string>(&value))
        narrow = *s;
    return ToWide(locale, narrow, langId_);
}

void LResValue::SetValue(const Variant& value, std::uint32_t revision) {
    std::u16string text = TextOf(value);
    if (ValuesEqual(owner_->Kind(), text_, text)) return;
    SetText(std::move(text));
    if (revision != 0xFFFFFFFFu) Revision = revision;
}

LResValueList::LResValueList(const Locale& locale, std::uint8_t kind, std::uint16_t langId)
    : locale_(&locale), kind_(kind) {
    items_.push_back(std::make_unique<LResValue>(this, langId));
}

LResValue* LResValueList::AddValue(std::uint16_t langId) {
    return (*this)[Add(std::make_unique<LResValue>(this, langId))];
}

// ---- items ----------------------------------------------------------------------------

LResItem::LResItem(std::string name, const Locale& locale, std::uint8_t kind, std::uint16_t langId)
    : NamedItem(std::move(name)), values_(locale, kind, langId) {}

void LResItem::SetFlags(std::uint16_t mask, bool on) {
    if (values_.Empty()) return;
    auto& flags = values_[0]->Flags;
    flags = on ? static_cast<std::uint16_t>(flags | mask) : static_cast<std::uint16_t>(flags & ~mask);
}

void LResItem::SetValue(int index, const Variant& value, std::uint32_t revision) {
    LResValue* target = Value(index);
    if (!target) return;
    target->SetValue(value, revision);
    Used = 1;
}

LResPropertyItem::LResPropertyItem(std::string name, LResComponentItem* owner, std::uint8_t kind)
    : LResItem(std::move(name), owner->Resource()->GetLocale(), kind, owner->Resource()->LangID), owner_(owner) {}

int LResPropertyItem::CurrentLanguageIndex() const { return owner_->Resource()->CurrentLanguage; }

std::string LResPropertyItem::FullName(char separator) const {
    return owner_->FullName(separator) + separator + Name();
}

LResConstantItem::LResConstantItem(std::string name, LResUnitItem* owner)
    : LResItem(std::move(name), owner->Owner()->GetLocale(), kKindText, owner->Owner()->LangID), owner_(owner) {}

std::string LResConstantItem::FullName(char separator) const { return owner_->Name() + separator + Name(); }

LResPropertyItem* LResPropertyList::FindOrAdd(std::string_view name, std::uint8_t kind) {
    nextKind_ = kind;
    LResPropertyItem* item = NamedItemList<LResPropertyItem>::FindOrAdd(name);
    nextKind_ = kKindText;
    return item;
}

std::unique_ptr<LResPropertyItem> LResPropertyList::CreateItem(std::string_view name) {
    return std::make_unique<LResPropertyItem>(std::string(name), owner_, nextKind_);
}

std::unique_ptr<LResConstantItem> LResConstantList::CreateItem(std::string_view name) {
    return std::make_unique<LResConstantItem>(std::string(name), owner_);
}

// ---- components, forms, units -----------------------------------------------------------

LResComponentItem::LResComponentItem(std::string name, LResFormItem* ownerForm)
    : NamedItem(std::move(name)), ownerForm_(ownerForm), properties_(this) {}

LangResource* LResComponentItem::Resource() const { return ownerForm_->Resource(); }

std::string LResComponentItem::FullName(char separator) const {
    return ownerForm_ ? ownerForm_->Name() + separator + Name() : Name();
}

void LResComponentItem::MarkAll(bool used) { MarkItems(properties_, used); }

void LResComponentItem::Purge() { PurgeUnused(properties_); }

std::unique_ptr<LResComponentItem> LResComponentList::CreateItem(std::string_view name) {
    return std::make_unique<LResComponentItem>(std::string(name), owner_);
}

LResFormItem::LResFormItem(std::string name, LangResource* owner)
    : LResComponentItem(std::move(name), nullptr), owner_(owner), components_(this) {}

LResPropertyItem* LResFormItem::FindProperty(std::string_view component, std::string_view property) const {
    const LResComponentItem* holder = this;
    if (!component.empty()) {
        holder = components_.Find(component);
        if (!holder) return nullptr;
    }
    return holder->Properties().Find(property);
}

LResPropertyItem* LResFormItem::FindOrAddProperty(
    std::uint32_t id, std::string_view component, std::string_view property, std::uint8_t kind
) {
    LResComponentItem* holder = component.empty() ? this : components_.FindOrAdd(component);
    LResPropertyItem* item = holder->Properties().FindOrAdd(property, kind);
    item->ID = id;
    return item;
}

void LResFormItem::MarkAll(bool used) {
    LResComponentItem::MarkAll(used);
    for (auto* c : components_) c->MarkAll(used);
}

void LResFormItem::Purge() {
    LResComponentItem::Purge();
    for (int i = components_.Count() - 1; i >= 0; --i) {
        components_[i]->Purge();
        if (components_[i]->Properties().Empty()) components_.Delete(i);
    }
}

std::unique_ptr<LResFormItem> LResFormList::CreateItem(std::string_view name) {
    return std::make_unique<LResFormItem>(std::string(name), owner_);
}

LResUnitItem::LResUnitItem(std::string name, LangResource* owner)
    : NamedItem(std::move(name)), owner_(owner), constants_(this) {}

LResConstantItem* LResUnitItem::FindOrAddConstant(std::string_view name, std::uint32_t id, std::uint16_t resId) {
    LResConstantItem* item = constants_.FindOrAdd(name);
    item->ID = id;
    item->ResID = resId;
    return item;
}

void LResUnitItem::MarkAll(bool used) { MarkItems(constants_, used); }

void LResUnitItem::Purge() { PurgeUnused(constants_); }

std::unique_ptr<LResUnitItem> LResUnitList::CreateItem(std::string_view name) {
    return std::make_unique<LResUnitItem>(std::string(name), owner_);
}

// ---- the dictionary -------------------------------------------------------------------

LangResource::LangResource(const Locale& locale)
    : LangID(locale.UserDefaultLangId()), locale_(&locale), forms_(this), units_(this) {}

const LResItem* LangResource::FirstItem() const {
    if (!forms_.Empty()) {
        const LResFormItem* form = forms_[0];
        if (!form->Properties().Empty()) return form->Properties()[0];
        if (!form->Components().Empty() && !form->Components()[0]->Properties().Empty())
            return form->Components()[0]->Properties()[0];
    }
    if (!units_.Empty() && !units_[0]->Constants().Empty()) return units_[0]->Constants()[0];
    return nullptr;
}

int LangResource::LanguageCount() const {
    const LResItem* item = FirstItem();
    return item ? item->Values().Count() : 0;
}

std::uint16_t LangResource::LanguageId(int index) const {
    const LResItem* item = FirstItem();
    const LResValue* value = item ? item->Value(index) : nullptr;
    return value ? value->LangId() : 0;
}

int LangResource::IndexOfLanguage(std::uint16_t langId) const {
    const LResItem* item = FirstItem();
    if (!item) return -1;
    for (int i = 0; i < item->Values().Count(); ++i)
        if (item->Values()[i]->LangId() == langId) return i;
    return -1;
}

LResPropertyItem* LangResource::PropertyById(std::uint32_t id) const {
    for (auto* form : forms_) {
        for (auto* p : form->Properties())
            if (p->ID == id) return p;
        for (auto* c : form->Components())
            for (auto* p : c->Properties())
                if (p->ID == id) return p;
    }
    return nullptr;
}

LResConstantItem* LangResource::ConstantById(std::uint32_t id) const {
    for (auto* unit : units_)
        for (auto* c : unit->Constants())
            if (c->ID == id) return c;
    return nullptr;
}

LResPropertyItem* LangResource::PropertyByNames(
    std::string_view form, std::string_view component, std::string_view property
) const {
    for (auto* f : forms_) {
        if (!SameTextAscii(f->Name(), form)) continue;
        for (auto* p : f->Properties())
            if (component.empty() && SameTextAscii(p->Name(), property)) return p;
        for (auto* c : f->Components()) {
            if (!SameTextAscii(c->Name(), component)) continue;
            for (auto* p : c->Properties())
                if (SameTextAscii(p->Name(), property)) return p;
        }
    }
    return nullptr;
}

LResConstantItem* LangResource::ConstantByNames(std::string_view unit, std::string_view constant) const {
    for (auto* u : units_) {
        if (!SameTextAscii(u->Name(), unit)) continue;
        for (auto* c : u->Constants())
            if (SameTextAscii(c->Name(), constant)) return c;
    }
    return nullptr;
}

LinearPropertyList LangResource::BuildPropertyList(bool sorted) const {
    LinearPropertyList list;
    for (auto* form : forms_) {
        for (auto* p : form->Properties()) list.Items.push_back(p);
        for (auto* c : form->Components())
            for (auto* p : c->Properties()) list.Items.push_back(p);
    }
    if (sorted) {
        std::stable_sort(list.Items.begin(), list.Items.end(), [](auto* a, auto* b) { return a->ID < b->ID; });
        list.Sorted = true;
    }
    return list;
}

LinearConstantList LangResource::BuildConstantList(bool sorted) const {
    LinearConstantList list;
    for (auto* unit : units_)
        for (auto* c : unit->Constants()) list.Items.push_back(c);
    if (sorted) {
        std::stable_sort(list.Items.begin(), list.Items.end(), [](auto* a, auto* b) { return a->ID < b->ID; });
        list.Sorted = true;
    }
    return list;
}

int LangResource::AddLanguage(int source, std::uint16_t langId) {
    int n = LanguageCount();
    if (n == 0) throw LangResError(msg::kEmptyDictionary);
    if (source < 0 || source >= n) throw LangResError(msg::kCouldNotAddLanguage);
    auto append = [&](LResItem* item) {
        const LResValue* from = item->Value(source);
        const LResValue* native = item->Value(0);
        LResValue* value = item->Values().AddValue(langId);
        if (from) value->SetText(from->Text());
        value->Revision = native ? native->Revision - 1 : 0xFFFFFFFFu;
    };
    for (auto* c : BuildConstantList(false).Items) append(c);
    for (auto* p : BuildPropertyList(false).Items) append(p);
    return LanguageCount() - 1;
}

void LangResource::RemoveLanguage(int index) {
    auto constants = BuildConstantList(false);
    auto properties = BuildPropertyList(false);
    const LResItem* first = !constants.Items.empty()    ? static_cast<const LResItem*>(constants.Items[0])
                            : !properties.Items.empty() ? properties.Items[0]
                                                        : nullptr;
    if (!first) return;
    int n = first->Values().Count();
    if (n < 2 || index <= 0 || index >= n) throw LangResError(msg::kCouldNotRemoveLanguage);
    for (auto* c : constants.Items)
        if (index < c->Values().Count()) c->Values().Delete(index);
    for (auto* p : properties.Items)
        if (index < p->Values().Count()) p->Values().Delete(index);
}

void LangResource::MarkAll(bool used) {
    for (auto* f : forms_) f->MarkAll(used);
    for (auto* u : units_) u->MarkAll(used);
}

void LangResource::Purge() {
    for (auto* f : forms_) f->Purge();
    for (auto* u : units_) u->Purge();
}

}  // namespace localizer
