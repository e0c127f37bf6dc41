#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/events.h"

namespace ui {

class Component;
class Form;

// What a form publishes to its description: the fields that receive its components and the
// handlers that events are bound to, both by name. A form fills its own while it is
// constructed, one entry per UI_FIELD and UI_HANDLER line.
struct FormPublication {
    struct Field {
        std::string name;
        std::function<bool(Component&)> bind;  // false: the component is of another class
        std::function<Component*()> get;
    };
    struct HandlerEntry {
        std::string name;
        Handler handler;
    };
    std::vector<Field> fields;
    std::vector<HandlerEntry> handlers;
};

// What a UI_HANDLER line leaves in its class: nothing but the registration.
struct PublishedHandler {};

// Deletes a form after its Destroy step (see Form::Destroy).
struct FormDeleter {
    void operator()(Form* form) const;
};
template <class F>
using FormPtr = std::unique_ptr<F, FormDeleter>;

// The form classes of the program by class name, for opening a form whose class is only
// known from its description (the localizer, the tests of every description).
using FormFactory = FormPtr<Form> (*)();
bool RegisterFormClass(std::string_view className, FormFactory factory);
// Null when no such class is linked in; the class name is compared without regard to case.
FormFactory FindFormClass(std::string_view className);

}  // namespace ui

// A new window needs its description forms/<Name>.form (the build embeds every file there),
// a class derived from ui::Form that declares UI_FORM(TName) and one UI_FIELD or UI_HANDLER
// line per published component and handler (its header includes the classes of its fields),
// UI_DEFINE_FORM(TName, ui::Form) in its source file, and ui::CreateForm<TName>() where it
// is opened.

// Declares the class's name (the name of its description) and its constructor.
#define UI_FORM(Class)                                        \
public:                                                       \
    explicit Class(::ui::Component* owner);                   \
    const char* ClassName() const override { return #Class; } \
                                                              \
private:                                                      \
    using UiFormClass = Class;                                \
                                                              \
public:

// A published field: receives the component of the same name when the description loads.
#define UI_FIELD(Type, Name) Type* Name = PublishField(#Name, &Name)

// A published handler: declares the method `void Name(Args&)` and publishes it by name.
#define UI_HANDLER(Args, Name) \
    void Name(Args&);          \
    ::ui::PublishedHandler Name##Published_ = PublishHandler(#Name, this, &UiFormClass::Name)

// Defines the constructor of a form class and registers the class by its name.
#define UI_DEFINE_FORM(Class, Base)                                                              \
    Class::Class(::ui::Component* owner) : Base(owner) {}                                        \
    [[maybe_unused]] static const bool Class##Registered_ = ::ui::RegisterFormClass(             \
        #Class, []() -> ::ui::FormPtr<::ui::Form> { return ::ui::FormPtr<::ui::Form>(new Class(nullptr)); } \
    )
