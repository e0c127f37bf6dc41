#include "ui/action_list.h"

#include <algorithm>

#include "ui/image_list.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& Action::ClassProperties() {
    using namespace published;
    static const PropertyTable table(&Component::ClassProperties(), {
        Text("Caption", &Action::Caption, &Action::SetCaption),
        Boolean("Enabled", &Action::Enabled, &Action::SetEnabled),
        Boolean("Visible", &Action::Visible, &Action::SetVisible),
        Boolean("Checked", &Action::Checked, &Action::SetChecked),
        Integer("ImageIndex", &Action::ImageIndex, &Action::SetImageIndex),
        Text("Hint", &Action::Hint, &Action::SetHint),
        EventSlot("OnExecute", &Action::OnExecute),
    });
    return table;
}

Action::Action(Component* owner) : Component(owner) {}

Action::~Action() { Notify(nullptr); }

template <class Change>
void Action::Update(Change change) {
    ActionState before = state_;
    change(state_);
    Notify(&before);
}

void Action::SetCaption(const std::wstring& v) {
    Update([&](ActionState& s) { s.caption = v; });
}

void Action::SetEnabled(bool v) {
    Update([&](ActionState& s) { s.enabled = v; });
}

void Action::SetVisible(bool v) {
    Update([&](ActionState& s) { s.visible = v; });
}

void Action::SetChecked(bool v) {
    Update([&](ActionState& s) { s.checked = v; });
}

void Action::SetImageIndex(int v) {
    Update([&](ActionState& s) { s.imageIndex = v; });
}

void Action::SetHint(const std::wstring& v) {
    Update([&](ActionState& s) { s.hint = v; });
}

bool Action::Execute() {
    if (!state_.enabled || !OnExecute) return false;
    NotifyArgs args;
    args.sender = this;
    OnExecute(args);
    return true;
}

void Action::AddClient(const void* key, ClientUpdate update) {
    clients_.emplace_back(key, std::move(update));
    const ActionState defaults;
    clients_.back().second(&defaults);
}

void Action::RemoveClient(const void* key) {
    std::erase_if(clients_, [key](const auto& c) { return c.first == key; });
}

void Action::Notify(const ActionState* before) {
    auto clients = clients_;  // a client may detach itself
    for (auto& c : clients) c.second(before);
}

void ActionLink::Set(Action* action) {
    if (action_) action_->RemoveClient(this);
    action_ = action;
    if (!action_) return;
    action_->AddClient(this, [this](const ActionState* before) {
        if (!before) {
            action_ = nullptr;
            return;
        }
        follow_(*before, action_->State());
    });
}

const PropertyTable& ActionList::ClassProperties() {
    using namespace published;
    static const PropertyTable table(&Component::ClassProperties(), {
        Reference("Images", &ActionList::Images, &ActionList::SetImages),
    });
    return table;
}

ActionList::ActionList(Component* owner) : Component(owner) {}

bool ActionList::AdoptChild(Component& child) {
    auto* action = dynamic_cast<Action*>(&child);
    if (!action) return false;
    actions_.push_back(action);
    return true;
}

}  // namespace ui
