#pragma once

#include "ui/component.h"
#include "ui/events.h"
#include "ui/signal.h"

namespace ui {

// Application-wide events for a form: OnMinimize runs when the main window is minimised.
class ApplicationEvents : public Component {
    UI_PUBLISHED(ApplicationEvents, "TApplicationEvents")

public:
    explicit ApplicationEvents(Component* owner);

    Event<NotifyArgs> OnMinimize;

private:
    Connection minimize_;
};

}  // namespace ui
