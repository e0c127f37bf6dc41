#pragma once
#include <functional>
#include <vector>

#include "ui/component.h"
#include "ui/events.h"
#include "ui/signal.h"

namespace ui {

class ImageList;

// What a menu item or toolbar button can take over from its action.
struct ActionState {
    std::wstring caption;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    int imageIndex = -1;
    std::wstring hint;
};

// A client keeps a value of its own once it differs from its action's: it follows a change
// only while it still shows what the action showed before (so a menu item keeps its own
// caption or image when it was given one).
template <class T>
void FollowActionValue(T& mine, const T& before, const T& now) {
    if (mine == before) mine = now;
}

// A command shared by menu items and toolbar buttons: they show its caption, image and
// state, and run its OnExecute when clicked.
class Action : public Component {
    UI_PUBLISHED(Action, "TAction")

public:
    explicit Action(Component* owner);
    ~Action() override;

    std::wstring Caption() const { return state_.caption; }
    void SetCaption(const std::wstring& v);
    bool Enabled() const { return state_.enabled; }
    void SetEnabled(bool v);
    bool Visible() const { return state_.visible; }
    void SetVisible(bool v);
    bool Checked() const { return state_.checked; }
    void SetChecked(bool v);
    int ImageIndex() const { return state_.imageIndex; }
    void SetImageIndex(int v);
    std::wstring Hint() const { return state_.hint; }
    void SetHint(const std::wstring& v);
    const ActionState& State() const { return state_; }

    // Runs OnExecute; false when the action is disabled or has no handler.
    bool Execute();

    Event<NotifyArgs> OnExecute;

    // Clients follow the action's state: `update` gets the state before the change (a
    // default state when the client is added), or null when the action is going away.
    using ClientUpdate = std::function<void(const ActionState* before)>;
    [[nodiscard]] Connection AddClient(ClientUpdate update);

private:
    template <class Change>
    void Update(Change change);

    ActionState state_;
    Signal<const ActionState*> changed_;
};

// The link of a menu item or toolbar button to its action: the client takes over changes of
// the action's state, and runs the action when clicked without a handler of its own.
class ActionLink {
public:
    using Follow = std::function<void(const ActionState& before, const ActionState& now)>;
    explicit ActionLink(Follow follow) : follow_(std::move(follow)) {}
    ActionLink(const ActionLink&) = delete;
    ActionLink& operator=(const ActionLink&) = delete;

    Action* Get() const { return action_; }
    void Set(Action* action);
    void Execute() const {
        if (action_) action_->Execute();
    }

private:
    Action* action_ = nullptr;  // not owned
    Follow follow_;
    Connection connection_;
};

// Holds a window's actions.
class ActionList : public Component {
    UI_PUBLISHED(ActionList, "TActionList")

public:
    explicit ActionList(Component* owner);
    ImageList* Images() const { return images_; }
    void SetImages(ImageList* images) { images_ = images; }
    bool AdoptChild(Component& child) override;
    const std::vector<Action*>& Actions() const { return actions_; }

private:
    ImageList* images_ = nullptr;   // not owned
    std::vector<Action*> actions_;  // not owned: the form owns them
};

}  // namespace ui
