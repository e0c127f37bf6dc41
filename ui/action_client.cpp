#include "ui/action_client.h"

#include "ui/property.h"

namespace ui {

const PropertyTable& ActionClient::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Text("Caption", &ActionClient::Caption, &ActionClient::SetCaption),
            Boolean("Enabled", &ActionClient::Enabled, &ActionClient::SetEnabled),
            Boolean("Visible", &ActionClient::Visible, &ActionClient::SetVisible),
            Integer("ImageIndex", &ActionClient::ImageIndex, &ActionClient::SetImageIndex),
            Text("Hint", &ActionClient::Hint, &ActionClient::SetHint),
            Reference("Action", &ActionClient::GetAction, &ActionClient::SetAction),
            EventSlot("OnClick", &ActionClient::OnClick),
        }
    );
    return table;
}

void ActionClient::SetCaption(const std::wstring& v) {
    caption_ = v;
    Changed();
}

void ActionClient::SetEnabled(bool v) {
    enabled_ = v;
    Changed();
}

void ActionClient::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void ActionClient::SetImageIndex(int v) {
    imageIndex_ = v;
    Changed();
}

void ActionClient::Click() {
    NotifyArgs args;
    args.sender = this;
    if (OnClick)
        OnClick(args);
    else
        action_.Execute();
}

void ActionClient::FollowAction(const ActionState& before, const ActionState& now) {
    FollowActionValue(caption_, before.caption, now.caption);
    FollowActionValue(enabled_, before.enabled, now.enabled);
    FollowActionValue(visible_, before.visible, now.visible);
    FollowActionValue(imageIndex_, before.imageIndex, now.imageIndex);
    FollowActionValue(hint_, before.hint, now.hint);
    FollowMore(before, now);
    Changed();
}

}  // namespace ui
