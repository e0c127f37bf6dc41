#pragma once

#include "ui/component.h"
#include "ui/events.h"

namespace ui {

// Application-wide events for a form: OnMinimize runs when the main window is minimised.
class ApplicationEvents : public Component {
    UI_PUBLISHED(ApplicationEvents, "TApplicationEvents")

public:
    explicit ApplicationEvents(Component* owner);
    ~ApplicationEvents() override;

    Event<NotifyArgs> OnMinimize;
};

}  // namespace ui
