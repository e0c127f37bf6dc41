#pragma once

#include <vector>

#include "ui/action_list.h"
#include "ui/win_control.h"

namespace ui {

class ImageList;
class PopupMenu;
class ToolBar;

enum class ToolButtonStyle { Button, Check, DropDown, Separator, Divider };

// A button of a toolbar: caption, image, enabling, visibility, an action, and for a
// drop-down button the popup menu it opens.
class ToolButton : public Component {
    UI_PUBLISHED(ToolButton, "TToolButton")

public:
    explicit ToolButton(Component* owner);
    ~ToolButton() override;

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& v) { hint_ = v; }
    ToolButtonStyle Style() const { return style_; }
    void SetStyle(ToolButtonStyle s);
    PopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(PopupMenu* menu) { dropdownMenu_ = menu; }
    Action* GetAction() const { return action_.Get(); }
    void SetAction(Action* action);

    ToolBar* Bar() const { return bar_; }
    UINT CommandId() const { return commandId_; }
    void Click();

    Event<NotifyArgs> OnClick;

private:
    friend class ToolBar;
    void Changed();
    void FollowAction(const ActionState& before, const ActionState& now);

    std::wstring caption_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
    bool down_ = false;
    std::wstring hint_;
    ToolButtonStyle style_ = ToolButtonStyle::Button;
    PopupMenu* dropdownMenu_ = nullptr;  // not owned
    ActionLink action_{[this](const ActionState& before, const ActionState& now) { FollowAction(before, now); }};
    ToolBar* bar_ = nullptr;             // not owned
    UINT commandId_;
};

// The platform's toolbar with normal, hot and disabled image lists, captions under the
// images and buttons of one size; its height follows the buttons.
class ToolBar : public WinControl {
    UI_PUBLISHED(ToolBar, "TToolBar")

public:
    explicit ToolBar(Component* owner);
    ~ToolBar() override;

    const std::vector<ToolButton*>& Buttons() const { return buttons_; }
    bool AdoptChild(Component& child) override;
    void AddButton(ToolButton& button);
    void RemoveButton(ToolButton& button);

    ImageList* Images() const { return images_; }
    void SetImages(ImageList* v);
    ImageList* HotImages() const { return hotImages_; }
    void SetHotImages(ImageList* v);
    ImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(ImageList* v);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int v);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int v);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);

    // Rebuilds the platform buttons from the button objects.
    void Rebuild();

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override { Rebuild(); }
    void CommandNotify(WORD code, WORD id) override;
    LRESULT NotifyReflected(NMHDR& header) override;
    void Loaded() override { Rebuild(); }

private:
    void Watch(ImageList*& slot, Connection& watch, ImageList* list);
    ToolButton* ButtonOf(UINT id) const;

    std::vector<ToolButton*> buttons_;  // not owned: the form owns them
    ImageList* images_ = nullptr;          // not owned
    ImageList* hotImages_ = nullptr;       // not owned
    ImageList* disabledImages_ = nullptr;  // not owned
    Connection imagesWatch_, hotImagesWatch_, disabledImagesWatch_;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    bool showCaptions_ = false;
    bool flat_ = true;
};

}  // namespace ui
