#include "ui/action_list.h"

#include <algorithm>

#include "ui/image_list.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& Action::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Text("Caption", &Action::Caption, &Action::SetCaption),
            Boolean("Enabled", &Action::Enabled, &Action::SetEnabled),
            Boolean("Visible", &Action::Visible, &Action::SetVisible),
            Boolean("Checked", &Action::Checked, &Action::SetChecked),
            Integer("ImageIndex", &Action::ImageIndex, &Action::SetImageIndex),
            Text("Hint", &Action::Hint, &Action::SetHint),
            EventSlot("OnExecute", &Action::OnExecute),
        }
    );
    return table;
}

Action::Action(Component* owner) : Component(owner) {}

Action::~Action() { changed_(nullptr); }

template <class Change>
void Action::Update(Change change) {
    ActionState before = state_;
    change(state_);
    changed_(&before);
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

Connection Action::AddClient(ClientUpdate update) {
    const ActionState defaults;
    update(&defaults);
    return changed_.Connect(std::move(update));
}

void ActionLink::Set(Action* action) {
    connection_.Disconnect();
    action_ = action;
    if (!action_) return;
    connection_ = action_->AddClient([this](const ActionState* before) {
        if (!before) {
            action_ = nullptr;
            return;
        }
        follow_(*before, action_->State());
    });
}

const PropertyTable& ActionList::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Reference("Images", &ActionList::Images, &ActionList::SetImages),
        }
    );
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
