#pragma once
#include <functional>
#include <memory>
#include <vector>

namespace ui {

namespace detail {
struct SlotState {
    bool connected = true;
};
}  // namespace detail

// A listener's hold on a Signal: the listener is called until the connection is destroyed,
// disconnected or replaced. Either side may go first.
class Connection {
public:
    Connection() = default;
    explicit Connection(std::weak_ptr<detail::SlotState> slot) : slot_(std::move(slot)) {}
    ~Connection() { Disconnect(); }
    Connection(Connection&& other) noexcept = default;
    Connection& operator=(Connection&& other) noexcept {
        if (this != &other) {
            Disconnect();
            slot_ = std::move(other.slot_);
        }
        return *this;
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Disconnect() {
        if (auto slot = slot_.lock()) slot->connected = false;
        slot_.reset();
    }
    bool Connected() const {
        auto slot = slot_.lock();
        return slot && slot->connected;
    }

private:
    std::weak_ptr<detail::SlotState> slot_;
};

// Listeners of one kind of news. A listener may disconnect itself or others, connect new
// ones (called from the next emission on) or destroy the signal's owner while it runs.
template <class... Args>
class Signal {
public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Connection Connect(std::function<void(Args...)> listener) {
        std::erase_if(slots_, [](const auto& s) { return !s->connected; });
        auto slot = std::make_shared<Slot>();
        slot->listener = std::move(listener);
        slots_.push_back(slot);
        return Connection(slot);
    }

    void operator()(Args... args) const {
        auto slots = slots_;  // the signal may be gone when a listener returns
        for (const auto& s : slots)
            if (s->connected) s->listener(args...);
    }

private:
    struct Slot : detail::SlotState {
        std::function<void(Args...)> listener;
    };
    std::vector<std::shared_ptr<Slot>> slots_;
};

}  // namespace ui
