#pragma once
#include <functional>
#include <string_view>

namespace ui {

class Component;

// The component classes a form description may name, by class name. Every control of the
// kit is listed; component families of other parts of the program add theirs with
// RegisterComponentClass before their first form is loaded.
using ComponentFactory = std::function<Component*(Component* owner)>;

void RegisterComponentClass(std::string_view className, ComponentFactory factory);
// Null when the class is unknown.
const ComponentFactory* FindComponentClass(std::string_view className);

template <class T>
void RegisterComponentClass(std::string_view className) {
    RegisterComponentClass(className, [](Component* owner) -> Component* { return new T(owner); });
}

}  // namespace ui
