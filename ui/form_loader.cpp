#include "ui/form_loader.h"

#include "core/forms/code_page.h"
#include "core/forms/form_binary.h"
#include "core/forms/form_error.h"
#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/collection.h"
#include "ui/component_classes.h"
#include "ui/property_path.h"
#include "ui/string_list.h"
#include "ui/text_compare.h"

#include <new>

using platform::Error;
using platform::FormatResString;
using platform::Narrow;
using platform::ResourceSource;
using platform::SystemCodePage;
using platform::Widen;

namespace ui {
namespace {

struct PendingReference {
    Persistent* object;
    const Property* property;
    std::string componentName;
};

class Loader {
public:
    Loader(Form& form, const FormPublication& publication) : form_(form), publication_(publication) {}

    void Load(const forms::Object& description) {
        if (!SameText(description.className, form_.ClassName())) Fail(description.className);
        form_.BeginLoading();
        form_.SetName(description.name);
        ApplyProperties(form_, description.properties);
        for (const auto& child : description.children) CreateChild(form_, child);
        ResolveReferences();
        BindFields();
        if (ScreenPixelsPerInch() > 96) ReplaceBitmapFonts(form_);
        form_.EndLoading();
    }

private:
    [[noreturn]] void Fail(std::string_view what) {
        throw Error(FormatResString(str::SInvalidForm, Widen(form_.ClassName())) + L": " + Widen(what));
    }

    void CreateChild(Component& container, const forms::Object& description) {
        const ComponentFactory* factory = FindComponentClass(description.className);
        if (!factory) throw Error(FormatResString(str::SUnknownClass, Widen(description.className)));
        Component* component = (*factory)(&form_);
        component->BeginLoading();
        component->SetName(description.name);
        if (&container != &form_ || dynamic_cast<Control*>(component)) {
            if (!container.AdoptChild(*component)) Fail(description.name);
        }
        ApplyProperties(*component, description.properties);
        for (const auto& child : description.children) CreateChild(*component, child);
    }

    void ApplyProperties(Persistent& target, const std::vector<forms::Property>& properties) {
        for (const auto& p : properties) Apply(target, p.name, p.value);
    }

    void Apply(Persistent& target, const std::string& path, const forms::Value& value) {
        PropertyRef ref = FindProperty(target, path);
        const Property& p = *ref.property;
        using VT = forms::ValueType;
        switch (p.kind) {
            case PropertyKind::Integer:
                if (value.type == VT::Integer) return p.setInteger(*ref.object, value.integer);
                if (value.type == VT::Ident)
                    if (const IntIdent* ident = FindIdent(p.idents, value.text))
                        return p.setInteger(*ref.object, ident->value);
                break;
            case PropertyKind::Enumeration:
                if (value.type == VT::Ident) {
                    int index = FindName(p.names, value.text);
                    if (index >= 0) return p.setInteger(*ref.object, index);
                }
                if (value.type == VT::Integer) return p.setInteger(*ref.object, value.integer);
                break;
            case PropertyKind::Boolean:
                if (value.type == VT::True || value.type == VT::False)
                    return p.setInteger(*ref.object, value.type == VT::True);
                break;
            case PropertyKind::Set:
                if (value.type == VT::Set) return p.setInteger(*ref.object, SetBits(p, value, path));
                break;
            case PropertyKind::String:
            case PropertyKind::WideString:
                if (IsText(value)) return p.setText(*ref.object, TextOf(value));
                break;
            case PropertyKind::Binary:
                if (value.type == VT::Binary) return p.setBinary(*ref.object, value.binary);
                break;
            case PropertyKind::StringList:
                if (value.type == VT::List) return SetLines(*static_cast<StringList*>(p.object(*ref.object)), value, path);
                if (IsText(value)) return static_cast<StringList*>(p.object(*ref.object))->SetText(TextOf(value));
                break;
            case PropertyKind::Collection:
                if (value.type == VT::Collection) return SetItems(*static_cast<Collection*>(p.object(*ref.object)), value);
                break;
            case PropertyKind::Event:
                if (value.type == VT::Ident) return BindHandler(*ref.object, p, value.text);
                if (value.type == VT::Nil) return;
                break;
            case PropertyKind::Reference:
                if (value.type == VT::Ident) return pending_.push_back({ref.object, &p, value.text});
                if (value.type == VT::Nil) return void(p.setReference(*ref.object, nullptr));
                break;
            case PropertyKind::Object:
                break;
        }
        throw Error(FormatResString(str::SInvalidPropertyValue, Widen(path)));
    }

    static bool IsText(const forms::Value& v) {
        using VT = forms::ValueType;
        return v.type == VT::String || v.type == VT::WideString || v.type == VT::Utf8String;
    }

    static std::wstring TextOf(const forms::Value& v) {
        std::u16string wide = forms::WideTextOf(v, SystemCodePage());
        return std::wstring(wide.begin(), wide.end());
    }

    std::int64_t SetBits(const Property& p, const forms::Value& value, const std::string& path) {
        std::int64_t bits = 0;
        for (const auto& name : value.names) {
            int bit = FindName(p.names, name);
            if (bit < 0) throw Error(FormatResString(str::SInvalidPropertyValue, Widen(path)));
            bits |= std::int64_t{1} << bit;
        }
        return bits;
    }

    void SetLines(StringList& list, const forms::Value& value, const std::string& path) {
        std::vector<std::wstring> lines;
        for (const auto& element : value.list) {
            if (!IsText(element)) throw Error(FormatResString(str::SInvalidPropertyValue, Widen(path)));
            lines.push_back(TextOf(element));
        }
        list.Assign(std::move(lines));
    }

    void SetItems(Collection& collection, const forms::Value& value) {
        collection.Clear();
        for (const auto& item : value.items) ApplyProperties(collection.AddItem(), item.properties);
    }

    void BindHandler(Persistent& target, const Property& p, const std::string& name) {
        for (const auto& entry : publication_.handlers) {
            if (!SameText(entry.name, name)) continue;
            Handler handler = entry.make(form_);
            if (handler.argsType != p.eventArgs) break;
            p.setEvent(target, handler);
            return;
        }
        throw Error(FormatResString(str::SHandlerNotFound, Widen(name)));
    }

    Component* FindByName(const std::string& name) {
        if (SameText(name, form_.Name())) return &form_;
        return form_.FindComponent(name);
    }

    void ResolveReferences() {
        for (const auto& r : pending_) {
            Component* c = FindByName(r.componentName);
            if (!c || !r.property->setReference(*r.object, c))
                throw Error(FormatResString(str::SComponentNotFound, Widen(r.componentName)));
        }
    }

    void BindFields() {
        for (const auto& field : publication_.fields) {
            Component* c = form_.FindComponent(field.name);
            if (!c || !field.bind(form_, *c)) throw Error(FormatResString(str::SComponentNotFound, Widen(field.name)));
        }
    }

    Form& form_;
    const FormPublication& publication_;
    std::vector<PendingReference> pending_;
};


}  // namespace

void ReplaceBitmapFonts(Control& root) {
    if (SameText(Narrow(root.TextFont().Name()), "MS Sans Serif")) {
        bool parentFont = root.ParentFont();
        root.TextFont().SetName(L"Arial");
        root.SetParentFont(parentFont);
    }
    if (auto* container = dynamic_cast<WinControl*>(&root))
        for (Control* child : container->Controls()) ReplaceBitmapFonts(*child);
}

void LoadForm(Form& form, const forms::Object& description, const FormPublication& publication) {
    Loader(form, publication).Load(description);
    form.Created();
}

void LoadFormResource(Form& form, const FormPublication& publication) {
    std::wstring name = Widen(UpperCase(form.ClassName()));
    HMODULE source = ResourceSource();
    HRSRC resource = FindResourceW(source, name.c_str(), MAKEINTRESOURCEW(10));
    HGLOBAL loaded = resource ? LoadResource(source, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw Error(FormatResString(str::SFormNotFound, name));
    std::span<const std::uint8_t> bytes(static_cast<const std::uint8_t*>(data), SizeofResource(source, resource));
    forms::Object description;
    // The reader turns input beyond its memory budget, and running out of memory, into the
    // format error; bad_alloc is caught here as well so that nothing else leaves the loader.
    try {
        description = forms::ReadFormBinary(bytes);
    } catch (const forms::FormError& e) {
        throw Error(FormatResString(str::SInvalidForm, name) + L": " + Widen(e.what()));
    } catch (const std::bad_alloc&) {
        throw Error(FormatResString(str::SInvalidForm, name) + L": Form description too large: out of memory");
    }
    LoadForm(form, description, publication);
}

}  // namespace ui
