#pragma once

namespace ui {

class Component;

// A control that shows one of several pages (a page control, a wizard): the form's context
// help is that of the page in front.
class HelpPageHost {
public:
    virtual Component* HelpPage() const = 0;

protected:
    ~HelpPageHost() = default;
};

}  // namespace ui
