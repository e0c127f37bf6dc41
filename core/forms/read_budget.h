#pragma once
#include <algorithm>
#include <cstddef>
#include <string>

#include "core/forms/form_error.h"
#include "core/forms/form_read_limits.h"

namespace forms {

// The memory a reader may still take for the tree it builds from one input. Every node,
// list slot and string is charged before it is allocated, so hostile input that describes
// far more than it holds (a million nils in 1 MB) ends in FormError instead of exhausting
// memory. Charges are never given back: the tree only grows while it is read.
class ReadBudget {
public:
    ReadBudget(std::size_t inputSize, const ReadLimits& limits) : allowed_(limits.AllowedFor(inputSize)) {}

    void Charge(std::size_t bytes) {
        if (bytes > allowed_ - used_) Exhausted();
        used_ += bytes;
    }

    // Makes room for one more element in `container`, charging the growth of its capacity
    // (which doubles, so what is charged is what is allocated).
    template <typename Container>
    void Grow(Container& container) {
        if (container.size() < container.capacity()) return;
        const std::size_t capacity = std::max<std::size_t>(4, container.capacity() * 2);
        Charge((capacity - container.capacity()) * sizeof(typename Container::value_type));
        container.reserve(capacity);
    }

    template <typename Container>
    void Add(Container& container, typename Container::value_type&& element) {
        Grow(container);
        container.push_back(std::move(element));
    }

    std::size_t Used() const { return used_; }
    std::size_t Allowed() const { return allowed_; }

private:
    [[noreturn]] void Exhausted() const {
        throw FormError(
            "Form description too large: reading it would take more than " + std::to_string(allowed_) +
            " bytes of memory"
        );
    }

    std::size_t allowed_;
    std::size_t used_ = 0;
};

}  // namespace forms
