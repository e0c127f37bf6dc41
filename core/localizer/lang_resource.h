#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/localizer/errors.h"
#include "core/localizer/locale.h"
#include "core/localizer/object_list.h"

// The language resource model: the dictionary (TLangResource) with its forms
// half (forms, components, published properties) and units half (units, resource-string
// constants); every translatable item holds one value per language index.
namespace localizer {

class LangResource;
class LResValueList;
class LResItem;
class LResComponentItem;
class LResFormItem;
class LResUnitItem;

// Value kinds.
enum ValueKind : std::uint8_t {
    kKindFloat = 0,
    kKindInteger = 1,
    kKindText = 2,
    kKindList = 3,
    kKindLines = 4,
    kKindBinary = 5,
    kKindIdent = 6,
    kKindSet = 7,
};

// Item flag bits. The format counts the bits of the 16-bit set from 1 to 16 (it names a
// "bit 16", which a count from 0 would not have), so bit 8 is 0x0080 and bit 16 is 0x8000.
inline constexpr std::uint16_t kFlagNeverTranslate = 0x0080;  // "bit 8": the translators skip it
inline constexpr std::uint16_t kFlagWriteAlways = 0x8000;     // "bit 16": written even when absent

// A variant value handed to "set from a variant with a revision": empty, an integer, a
// floating-point number, 8-bit text or wide text.
using Variant = std::variant<std::monostate, std::int32_t, double, std::string, std::u16string>;

// Decimal texts of numbers as the values hold them.
std::string FloatToText(double value);
bool TextToFloat(std::u16string_view text, double& value);
bool TextToInteger(std::u16string_view text, std::int64_t& value);

// Value equality under a value kind.
bool ValuesEqual(std::uint8_t kind, std::u16string_view current, std::u16string_view candidate);

// TLResValue: one value of one item in one language.
class LResValue {
public:
    LResValue(LResValueList* owner, std::uint16_t langId);

    LResValueList* Owner() const { return owner_; }
    std::array<std::uint32_t, 2> Extra{};
    std::uint32_t Revision = 0;
    std::uint16_t Flags = 0;

    const std::u16string& Text() const { return text_; }
    void SetText(std::u16string text);
    std::uint16_t LangId() const { return langId_; }
    void SetLangId(std::uint16_t langId);
    // Text and LangID together, the sort key computed once.
    void Assign(std::u16string text, std::uint16_t langId);

    // Text converted to 8-bit in the value's code page, split into lines.
    std::vector<std::string> Lines() const;
    const std::vector<std::uint8_t>& SortKey() const { return sortKey_; }
    std::size_t SortKeyLength() const { return sortKey_.size(); }

    // Set from a variant: nothing changes when it equals the current value under the
    // owner's value kind; else stored (wide text unchanged, anything else through 8-bit
    // text in the value's code page); the revision is taken unless it is 0xFFFFFFFF.
    void SetValue(const Variant& value, std::uint32_t revision);
    // The UTF-16 text a variant stands for in this value's code page.
    std::u16string TextOf(const Variant& value) const;

private:
    void UpdateSortKey();
    LResValueList* owner_;
    std::u16string text_;
    std::uint16_t langId_;
    std::vector<std::uint8_t> sortKey_;
};

// TLResValueList: the values of one item, one per language index, and the value kind.
class LResValueList : public KObjectList<LResValue> {
public:
    LResValueList(const Locale& locale, std::uint8_t kind, std::uint16_t langId);
    std::uint8_t Kind() const { return kind_; }
    void SetKind(std::uint8_t kind) { kind_ = kind; }
    const Locale& GetLocale() const { return *locale_; }
    LResValue* AddValue(std::uint16_t langId);

private:
    const Locale* locale_;
    std::uint8_t kind_;
};

// TLResItem: a translatable item.
class LResItem : public NamedItem {
public:
    LResItem(std::string name, const Locale& locale, std::uint8_t kind, std::uint16_t langId);
    std::uint32_t ID = 0;
    std::uint8_t Used = 0;
    LResValueList& Values() { return values_; }
    const LResValueList& Values() const { return values_; }
    LResValue* Value(int index) const { return index >= 0 && index < values_.Count() ? values_[index] : nullptr; }
    std::uint8_t Kind() const { return values_.Kind(); }

    virtual int CurrentLanguageIndex() const { return 0; }
    virtual std::string FullName(char /*separator*/) const { return Name(); }

    // Item flags are the flags of value 0.
    std::uint16_t Flags() const { return values_.Empty() ? 0 : values_[0]->Flags; }
    bool HasFlags(std::uint16_t mask) const { return (Flags() & mask) == mask; }
    void SetFlags(std::uint16_t mask, bool on);

    // Sets the value at `index` from a variant with a revision and marks the item used.
    void SetValue(int index, const Variant& value, std::uint32_t revision);

private:
    LResValueList values_;
};

class LResPropertyItem : public LResItem {
public:
    LResPropertyItem(std::string name, LResComponentItem* owner, std::uint8_t kind);
    LResComponentItem* Owner() const { return owner_; }
    int CurrentLanguageIndex() const override;
    std::string FullName(char separator) const override;

private:
    LResComponentItem* owner_;
};

class LResConstantItem : public LResItem {
public:
    LResConstantItem(std::string name, LResUnitItem* owner);
    LResUnitItem* Owner() const { return owner_; }
    std::uint16_t ResID = 0;
    std::string FullName(char separator) const override;

private:
    LResUnitItem* owner_;
};

// TLResItemList and its two descendants.
template <class T>
class LResItemList : public NamedItemList<T> {};

class LResPropertyList : public LResItemList<LResPropertyItem> {
public:
    explicit LResPropertyList(LResComponentItem* owner) : owner_(owner) {}
    LResComponentItem* Owner() const { return owner_; }
    // Find-or-add whose new item takes this value kind.
    LResPropertyItem* FindOrAdd(std::string_view name, std::uint8_t kind);
    using NamedItemList<LResPropertyItem>::FindOrAdd;

protected:
    std::unique_ptr<LResPropertyItem> CreateItem(std::string_view name) override;

private:
    LResComponentItem* owner_;
    std::uint8_t nextKind_ = kKindText;
};

class LResConstantList : public LResItemList<LResConstantItem> {
public:
    explicit LResConstantList(LResUnitItem* owner) : owner_(owner) {}
    LResUnitItem* Owner() const { return owner_; }

protected:
    std::unique_ptr<LResConstantItem> CreateItem(std::string_view name) override;

private:
    LResUnitItem* owner_;
};

class LResComponentItem : public NamedItem {
public:
    LResComponentItem(std::string name, LResFormItem* ownerForm);
    LResFormItem* OwnerForm() const { return ownerForm_; }
    LResPropertyList& Properties() { return properties_; }
    const LResPropertyList& Properties() const { return properties_; }
    std::uint16_t Flags = 0;
    virtual LangResource* Resource() const;
    virtual std::string FullName(char separator) const;
    virtual void MarkAll(bool used);
    virtual void Purge();

private:
    LResFormItem* ownerForm_;
    LResPropertyList properties_;
};

class LResComponentList : public NamedItemList<LResComponentItem> {
public:
    explicit LResComponentList(LResFormItem* owner) : owner_(owner) {}
    LResFormItem* Owner() const { return owner_; }

protected:
    std::unique_ptr<LResComponentItem> CreateItem(std::string_view name) override;

private:
    LResFormItem* owner_;
};

class LResFormItem : public LResComponentItem {
public:
    LResFormItem(std::string name, LangResource* owner);
    LangResource* Owner() const { return owner_; }
    LangResource* Resource() const override { return owner_; }
    LResComponentList& Components() { return components_; }
    const LResComponentList& Components() const { return components_; }
    std::string FullName(char /*separator*/) const override { return Name(); }

    // Component name empty: the form's own properties. None when absent.
    LResPropertyItem* FindProperty(std::string_view component, std::string_view property) const;
    LResPropertyItem* FindOrAddProperty(
        std::uint32_t id, std::string_view component, std::string_view property, std::uint8_t kind
    );
    void MarkAll(bool used) override;
    void Purge() override;

private:
    LangResource* owner_;
    LResComponentList components_;
};

class LResUnitItem : public NamedItem {
public:
    LResUnitItem(std::string name, LangResource* owner);
    LangResource* Owner() const { return owner_; }
    LResConstantList& Constants() { return constants_; }
    const LResConstantList& Constants() const { return constants_; }
    std::uint16_t Flags = 0;
    LResConstantItem* FindOrAddConstant(std::string_view name, std::uint32_t id, std::uint16_t resId);
    void MarkAll(bool used);
    void Purge();

private:
    LangResource* owner_;
    LResConstantList constants_;
};

class LResFormList : public NamedItemList<LResFormItem> {
public:
    explicit LResFormList(LangResource* owner) : owner_(owner) {}

protected:
    std::unique_ptr<LResFormItem> CreateItem(std::string_view name) override;

private:
    LangResource* owner_;
};

class LResUnitList : public NamedItemList<LResUnitItem> {
public:
    explicit LResUnitList(LangResource* owner) : owner_(owner) {}

protected:
    std::unique_ptr<LResUnitItem> CreateItem(std::string_view name) override;

private:
    LangResource* owner_;
};

// TLinearPropertyList / TLinearConstantList: flat, non-owning, optionally sorted by ID.
template <class T>
class LinearList {
public:
    std::vector<T*> Items;
    bool Sorted = false;
    int Count() const { return static_cast<int>(Items.size()); }
    // Linear scan when unsorted; binary search on ID when sorted (the first of equal IDs).
    T* FindById(std::uint32_t id) const {
        if (!Sorted) {
            for (T* item : Items)
                if (item->ID == id) return item;
            return nullptr;
        }
        std::size_t lo = 0, hi = Items.size();
        while (lo < hi) {
            std::size_t mid = lo + (hi - lo) / 2;
            if (Items[mid]->ID < id)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo < Items.size() && Items[lo]->ID == id ? Items[lo] : nullptr;
    }
};
using LinearPropertyList = LinearList<LResPropertyItem>;
using LinearConstantList = LinearList<LResConstantItem>;

// TLangResource: the dictionary.
class LangResource {
public:
    explicit LangResource(const Locale& locale);
    LangResource(const LangResource&) = delete;
    LangResource& operator=(const LangResource&) = delete;

    const Locale& GetLocale() const { return *locale_; }
    LResFormList& Forms() { return forms_; }
    const LResFormList& Forms() const { return forms_; }
    LResUnitList& Units() { return units_; }
    const LResUnitList& Units() const { return units_; }
    std::uint16_t LangID;
    int CurrentLanguage = 0;

    int LanguageCount() const;
    std::uint16_t LanguageId(int index) const;
    int IndexOfLanguage(std::uint16_t langId) const;

    LResPropertyItem* PropertyById(std::uint32_t id) const;
    LResConstantItem* ConstantById(std::uint32_t id) const;
    LResPropertyItem* PropertyByNames(std::string_view form, std::string_view component, std::string_view property)
        const;
    LResConstantItem* ConstantByNames(std::string_view unit, std::string_view constant) const;

    LinearPropertyList BuildPropertyList(bool sorted) const;
    LinearConstantList BuildConstantList(bool sorted) const;

    int AddLanguage(int source, std::uint16_t langId);
    void RemoveLanguage(int index);

    // Mark and purge over the whole dictionary (every form and unit).
    void MarkAll(bool used);
    void Purge();

private:
    const LResItem* FirstItem() const;
    const Locale* locale_;
    LResFormList forms_;
    LResUnitList units_;
};

}  // namespace localizer
