#pragma once
#include <string>

#include "ui/action_list.h"
#include "ui/component.h"
#include "ui/events.h"

namespace ui {

// What menu items and toolbar buttons share: a caption, image, enabling, visibility and
// hint of their own or taken over from their action, and a click that runs their handler,
// or their action when they have no handler.
class ActionClient : public Component {
    UI_PUBLISHED(ActionClient, "TActionClient")

public:
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& v) { hint_ = v; }
    Action* GetAction() const { return action_.Get(); }
    void SetAction(Action* action) { action_.Set(action); }

    void Click();

    Event<NotifyArgs> OnClick;

protected:
    explicit ActionClient(Component* owner) : Component(owner) {}
    // Shows a changed value in the platform's menu or toolbar.
    virtual void Changed() = 0;
    // Values of the action that only some clients take over (a menu item's check mark).
    virtual void FollowMore(const ActionState&, const ActionState&) {}

    std::wstring caption_;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    std::wstring hint_;

private:
    void FollowAction(const ActionState& before, const ActionState& now);

    ActionLink action_{[this](const ActionState& before, const ActionState& now) { FollowAction(before, now); }};
};

}  // namespace ui
