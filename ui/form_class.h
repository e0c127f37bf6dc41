#pragma once
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "ui/events.h"

namespace ui {

class Component;
class Form;

// What a form class publishes to its description: the fields that receive its components
// and the handlers that events are bound to, both by name.
//
// A new window needs its description forms/<Name>.form (the build embeds every file
// there), a class derived from ui::Form that declares UI_FORM(TName) and lists its fields
// and handlers in Publish, and ui::CreateForm<TName>() where it is opened.
struct FormPublication {
    struct Field {
        std::string name;
        std::function<bool(Form&, Component&)> bind;  // false: the component is of another class
    };
    struct HandlerEntry {
        std::string name;
        std::function<Handler(Form&)> make;
    };
    std::vector<Field> fields;
    std::vector<HandlerEntry> handlers;
};

// Fills a FormPublication for form class F from its member pointers.
template <class F>
class Publisher {
public:
    template <class C>
    void Field(const char* name, C* F::*field) {
        publication_.fields.push_back({name, [field](Form& form, Component& c) {
                                           C* typed = dynamic_cast<C*>(&c);
                                           if (!typed) return false;
                                           static_cast<F&>(form).*field = typed;
                                           return true;
                                       }});
    }

    template <class Args>
    void Handler(const char* name, void (F::*method)(Args&)) {
        publication_.handlers.push_back({name, [method](Form& form) {
                                             F* self = &static_cast<F&>(form);
                                             return ui::Handler{typeid(Args), [self, method](EventArgs& a) {
                                                                    (self->*method)(static_cast<Args&>(a));
                                                                }};
                                         }});
    }

    const FormPublication& Publication() const { return publication_; }

private:
    FormPublication publication_;
};

}  // namespace ui

// Declares a form class's name and its publication; the class defines
// `static void Publish(ui::Publisher<Class>&)` listing its fields and handlers.
#define UI_FORM(Class)                                          \
public:                                                         \
    const char* ClassName() const override { return #Class; }   \
    static void Publish(::ui::Publisher<Class>& publisher);
