#pragma once
#include <windows.h>

#include "platform/handles.h"

namespace ui {

class Form;

// The tooltips of a form's controls that show a hint (ShowHint set, Hint not empty). Each is
// a rectangle on the control's parent rather than the control itself, so that it also shows
// over a disabled control, which gets no mouse input of its own.
class HintTips {
public:
    // Registers the hints of every control of `form` whose window exists, in place of those
    // registered before.
    void Attach(Form& form);
    // Destroys the tooltip window, before the form's own window goes.
    void Detach() { tip_.Reset(); }
    // The tooltip window; null while no control shows a hint.
    HWND Handle() const { return tip_.Get(); }

private:
    platform::WindowHandle tip_;
};

}  // namespace ui
