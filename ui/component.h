#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/persistent.h"

namespace ui {

// A named part of a window. Its owner (usually the form) owns it and frees it; a component
// frees everything it owns, newest first.
class Component : public Persistent {
    UI_PUBLISHED(Component, "TComponent")

public:
    explicit Component(Component* owner);  // owner: takes ownership of this; may be null
    ~Component() override;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    // Throws platform::Error when the owner already has a component of that name.
    void SetName(const std::string& name);
    Component* Owner() const { return owner_; }
    const std::vector<Component*>& Components() const { return owned_; }
    // Among the owned components, by name without regard to case; null when absent.
    Component* FindComponent(std::string_view name) const;

    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t tag) { tag_ = tag; }

    bool Loading() const { return loading_; }
    // Brackets the reading of a form description: Loaded runs once every component of the
    // form exists and every property and reference is set.
    void BeginLoading() { loading_ = true; }
    void EndLoading();

    // Takes a component that the form description nests inside this one (a control inside a
    // panel, an item inside a menu). Components that hold no children refuse.
    virtual bool AdoptChild(Component& child);

protected:
    virtual void Loaded() {}
    // Frees the owned components now, before a derived destructor tears down what they use.
    void DestroyComponents();

private:
    Component* owner_;  // not owned
    std::vector<Component*> owned_;
    std::string name_;
    std::int32_t tag_ = 0;
    bool loading_ = false;
};

}  // namespace ui
