#include "ui/form_loader.h"

#include "core/forms/form_binary.h"
#include "core/forms/form_error.h"
#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/component_classes.h"
#include "ui/property_assign.h"
#include "ui/property_path.h"
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
    explicit Loader(Form& form) : form_(form), publication_(form.Publication()) {}

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
        for (const auto& p : properties) AssignProperty(target, p.name, p.value, names_);
    }

    void BindHandler(Persistent& target, const Property& p, const std::string& name) {
        for (const auto& entry : publication_.handlers) {
            if (!SameText(entry.name, name)) continue;
            if (entry.handler.argsType != p.eventArgs) break;
            p.setEvent(target, entry.handler);
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
            if (!c || !field.bind(*c)) throw Error(FormatResString(str::SComponentNotFound, Widen(field.name)));
        }
    }

    Form& form_;
    const FormPublication& publication_;
    std::vector<PendingReference> pending_;
    const NameBinding names_{
        [this](Persistent& object, const Property& event, const std::string& name) {
            BindHandler(object, event, name);
        },
        [this](Persistent& object, const Property& reference, const std::string& name) {
            pending_.push_back({&object, &reference, name});
        }};
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

void BuildForm(Form& form, const forms::Object& description) { Loader(form).Load(description); }

void LoadForm(Form& form, const forms::Object& description) {
    BuildForm(form, description);
    form.Created();
}

forms::Object FormResource(std::string_view className) {
    std::wstring name = Widen(UpperCase(className));
    const std::span<const std::uint8_t> bytes = platform::ResourceBytes(ResourceSource(), name.c_str(), RT_RCDATA);
    if (bytes.data() == nullptr) throw Error(FormatResString(str::SFormNotFound, name));
    forms::Object description;
    // The reader turns input beyond its memory budget, and running out of memory, into the
    // format error; bad_alloc is caught here as well so that nothing else leaves the loader.
    try {
        description = forms::ReadFormBinary(bytes);
    } catch (const forms::FormError& e) {
        throw Error(FormatResString(str::SInvalidForm, name) + L": " + platform::FromUtf8(e.what()));
    } catch (const std::bad_alloc&) {
        throw Error(FormatResString(str::SInvalidForm, name) + L": Form description too large: out of memory");
    }
    return description;
}

void LoadFormResource(Form& form) { LoadForm(form, FormResource(form.ClassName())); }

}  // namespace ui
