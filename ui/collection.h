#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "ui/list_index.h"
#include "ui/persistent.h"

namespace ui {

// An item of a collection; tells its collection when one of its properties changes.
class CollectionItem : public Persistent {
public:
    std::function<void()> onChange;

protected:
    void Changed() {
        if (onChange) onChange();
    }
};

// A list of persistent items addressed in paths as Name[index] (a status bar's Panels).
class Collection : public Persistent {
    UI_PUBLISHED(Collection, "TCollection")

public:
    virtual int Count() const = 0;
    virtual Persistent& Item(int index) = 0;
    virtual Persistent& AddItem() = 0;
    virtual void Clear() = 0;
};

template <class T>
class OwnedCollection : public Collection {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    T& operator[](int index) {
        CheckListIndex(index, Count());
        return *items_[static_cast<size_t>(index)];
    }
    const T& operator[](int index) const {
        CheckListIndex(index, Count());
        return *items_[static_cast<size_t>(index)];
    }
    Persistent& Item(int index) override { return (*this)[index]; }
    T& Add() {
        items_.push_back(std::make_unique<T>());
        items_.back()->onChange = [this] { Changed(); };
        Changed();
        return *items_.back();
    }
    Persistent& AddItem() override { return Add(); }
    void Clear() override {
        items_.clear();
        Changed();
    }
    std::function<void()> onChange;  // the owning control refreshes itself

private:
    void Changed() {
        if (onChange) onChange();
    }

    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace ui
