#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/localizer/locale.h"

namespace localizer {

// TKObjectList: a growable list of object references that owns its objects, with a change
// and an empty event. The virtual operations follow the original slot order: Clear,
// FreeObjects, DoEmpty, Changed, Delete.
class KObjectListBase {
public:
    using Callback = std::function<void(KObjectListBase& sender)>;
    Callback OnChange;  // after every change of the list
    Callback OnEmpty;   // after a change that leaves the list empty

    virtual ~KObjectListBase() = default;
    KObjectListBase() = default;
    KObjectListBase(const KObjectListBase&) = delete;
    KObjectListBase& operator=(const KObjectListBase&) = delete;

    virtual int Count() const = 0;
    // FreeObjects, removal of every slot, then Changed.
    virtual void Clear() {
        FreeObjects();
        RemoveSlots();
        Changed();
    }
    // Frees every object and empties each slot (the slots stay).
    virtual void FreeObjects() = 0;
    virtual void DoEmpty() {
        if (OnEmpty) OnEmpty(*this);
    }
    virtual void Changed() {
        if (OnChange) OnChange(*this);
        if (Count() == 0) DoEmpty();
    }
    // Frees the object at `index`, removes the slot, then Changed.
    virtual void Delete(int index) = 0;

protected:
    virtual void RemoveSlots() = 0;
};

template <class T>
class KObjectList : public KObjectListBase {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    T* operator[](int index) const { return items_[static_cast<std::size_t>(index)].get(); }
    T* At(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }

    int Add(std::unique_ptr<T> object) {
        items_.push_back(std::move(object));
        Changed();
        return Count() - 1;
    }
    void Insert(int index, std::unique_ptr<T> object) {
        items_.insert(items_.begin() + index, std::move(object));
        Changed();
    }
    void FreeObjects() override {
        for (auto& item : items_) item.reset();
    }
    void Delete(int index) override {
        items_.erase(items_.begin() + index);
        Changed();
    }

    // Iteration over the objects (T*).
    class Iterator {
    public:
        explicit Iterator(typename std::vector<std::unique_ptr<T>>::const_iterator it) : it_(it) {}
        T* operator*() const { return it_->get(); }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return it_ != other.it_; }

    private:
        typename std::vector<std::unique_ptr<T>>::const_iterator it_;
    };
    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

protected:
    void RemoveSlots() override { items_.clear(); }
    std::vector<std::unique_ptr<T>> items_;
};

// TLResNamedItem.
class NamedItem {
public:
    explicit NamedItem(std::string name) : name_(std::move(name)) {}
    virtual ~NamedItem() = default;
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

// TLResNamedItemList: kept sorted by Name (ASCII case folded), searched by binary search,
// with a last-found index cache that FindOrAdd answers a repeated name from.
template <class T>
class NamedItemList : public KObjectList<T> {
public:
    // The cached item when it has this name, else binary search; an absent name is created
    // by CreateItem and inserted at the search's insertion point. The cache is left there.
    T* FindOrAdd(std::string_view name) {
        if (cache_ >= 0 && cache_ < this->Count() && SameTextAscii((*this)[cache_]->Name(), name))
            return (*this)[cache_];
        int index;
        if (!Search(name, index)) this->Insert(index, CreateItem(name));
        cache_ = index;
        return (*this)[index];
    }
    // Binary search; -1 when absent.
    int IndexOf(std::string_view name) const {
        int index;
        return Search(name, index) ? index : -1;
    }
    T* Find(std::string_view name) const {
        int index = IndexOf(name);
        return index < 0 ? nullptr : (*this)[index];
    }
    int CachedIndex() const { return cache_; }

    void Clear() override {
        cache_ = -1;
        KObjectList<T>::Clear();
    }
    void Delete(int index) override {
        cache_ = -1;
        KObjectList<T>::Delete(index);
    }

protected:
    virtual std::unique_ptr<T> CreateItem(std::string_view name) = 0;

    // True with the item's index when found; else false with the insertion point.
    bool Search(std::string_view name, int& index) const {
        int lo = 0, hi = this->Count() - 1;
        while (lo <= hi) {
            int mid = lo + (hi - lo) / 2;
            int c = CompareTextAscii((*this)[mid]->Name(), name);
            if (c < 0) {
                lo = mid + 1;
            } else if (c > 0) {
                hi = mid - 1;
            } else {
                index = mid;
                return true;
            }
        }
        index = lo;
        return false;
    }

private:
    int cache_ = -1;
};

}  // namespace localizer
