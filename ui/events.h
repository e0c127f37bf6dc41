#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <typeindex>
#include <vector>

namespace ui {

class Component;

// Arguments of an event; handlers receive the derived type that their event declares.
struct EventArgs {
    Component* sender = nullptr;  // not owned
    virtual ~EventArgs() = default;
};

using NotifyArgs = EventArgs;

enum class CloseAction { None, Hide, Free, Minimize };

struct CloseArgs : EventArgs {
    CloseAction action = CloseAction::Hide;
};

struct CloseQueryArgs : EventArgs {
    bool canClose = true;
};

enum class MouseButton { Left, Right, Middle };

struct MouseArgs : EventArgs {
    MouseButton button = MouseButton::Left;
    int x = 0;
    int y = 0;
};

struct DrawPanelArgs : EventArgs {
    HDC dc = nullptr;
    RECT rect{};
    int panelIndex = 0;
};

struct DropFilesArgs : EventArgs {
    std::vector<std::wstring> files;
};

// A handler as a form class registers it: the argument type it expects and how to call it.
struct Handler {
    std::type_index argsType = typeid(EventArgs);
    std::function<void(EventArgs&)> call;
};

// One event slot of a component; empty until a handler is assigned.
template <class Args>
class Event {
public:
    using Function = std::function<void(Args&)>;
    void operator=(Function f) { function_ = std::move(f); }
    explicit operator bool() const { return static_cast<bool>(function_); }
    void operator()(Args& args) const {
        if (function_) function_(args);
    }

private:
    Function function_;
};

}  // namespace ui
