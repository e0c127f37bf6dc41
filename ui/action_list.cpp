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

Action::~Action() { Changed(true); }

void Action::SetCaption(const std::wstring& v) {
    caption_ = v;
    Changed();
}

void Action::SetEnabled(bool v) {
    enabled_ = v;
    Changed();
}

void Action::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void Action::SetChecked(bool v) {
    checked_ = v;
    Changed();
}

void Action::SetImageIndex(int v) {
    imageIndex_ = v;
    Changed();
}

void Action::SetHint(const std::wstring& v) {
    hint_ = v;
    Changed();
}

bool Action::Execute() {
    if (!enabled_ || !OnExecute) return false;
    NotifyArgs args;
    args.sender = this;
    OnExecute(args);
    return true;
}

void Action::AddClient(const void* key, std::function<void(bool)> update) {
    clients_.emplace_back(key, std::move(update));
    clients_.back().second(false);
}

void Action::RemoveClient(const void* key) {
    std::erase_if(clients_, [key](const auto& c) { return c.first == key; });
}

void Action::Changed(bool freed) {
    auto clients = clients_;  // a client may detach itself
    for (auto& c : clients) c.second(freed);
}

void ActionLink::Set(Action* action) {
    if (action_) action_->RemoveClient(this);
    action_ = action;
    if (!action_) return;
    action_->AddClient(this, [this](bool freed) {
        if (freed) {
            action_ = nullptr;
            return;
        }
        follow_(*action_);
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
