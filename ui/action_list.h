#pragma once
#include <functional>
#include <vector>

#include "ui/component.h"
#include "ui/events.h"

namespace ui {

class ImageList;

// A command shared by menu items and toolbar buttons: they show its caption, image and
// state, and run its OnExecute when clicked.
class Action : public Component {
    UI_PUBLISHED(Action, "TAction")

public:
    explicit Action(Component* owner);
    ~Action() override;

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& v);

    // Runs OnExecute; false when the action is disabled or has no handler.
    bool Execute();

    Event<NotifyArgs> OnExecute;

    // Clients follow the action's state (freed = the action is going away).
    void AddClient(const void* key, std::function<void(bool freed)> update);
    void RemoveClient(const void* key);

private:
    void Changed(bool freed = false);

    std::wstring caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    int imageIndex_ = -1;
    std::wstring hint_;
    std::vector<std::pair<const void*, std::function<void(bool)>>> clients_;
};

// The link of a menu item or toolbar button to its action: the client takes over the
// action's state whenever it changes, and runs the action when clicked without a handler
// of its own.
class ActionLink {
public:
    explicit ActionLink(std::function<void(const Action&)> follow) : follow_(std::move(follow)) {}
    ~ActionLink() { Set(nullptr); }
    ActionLink(const ActionLink&) = delete;
    ActionLink& operator=(const ActionLink&) = delete;

    Action* Get() const { return action_; }
    void Set(Action* action);
    void Execute() const {
        if (action_) action_->Execute();
    }

private:
    Action* action_ = nullptr;  // not owned
    std::function<void(const Action&)> follow_;
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
    ImageList* images_ = nullptr;  // not owned
    std::vector<Action*> actions_;  // not owned: the form owns them
};

}  // namespace ui
