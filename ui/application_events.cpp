#include "ui/application_events.h"

#include "ui/application.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& ApplicationEvents::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            EventSlot("OnMinimize", &ApplicationEvents::OnMinimize),
        }
    );
    return table;
}

ApplicationEvents::ApplicationEvents(Component* owner) : Component(owner) {
    minimize_ = Application::Instance().AddMinimizeListener([this] {
        NotifyArgs args;
        args.sender = this;
        OnMinimize(args);
    });
}

}  // namespace ui
