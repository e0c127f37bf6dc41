#pragma once

#include <vector>

#include "ui/action_client.h"
#include "ui/win_control.h"

namespace ui {

class ImageList;
class PopupMenu;
class ToolBar;

enum class ToolButtonStyle { Button, Check, DropDown, Separator, Divider };

// A button of a toolbar: caption, image, enabling, visibility, an action, and for a
// drop-down button the popup menu it opens.
class ToolButton : public ActionClient {
    UI_PUBLISHED(ToolButton, "TToolButton")

public:
    explicit ToolButton(Component* owner);
    ~ToolButton() override;

    bool Down() const { return down_; }
    void SetDown(bool v);
    ToolButtonStyle Style() const { return style_; }
    void SetStyle(ToolButtonStyle s);
    PopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(PopupMenu* menu) { dropdownMenu_ = menu; }

    ToolBar* Bar() const { return bar_; }
    UINT CommandId() const { return commandId_; }

protected:
    void Changed() override;

private:
    friend class ToolBar;

    bool down_ = false;
    ToolButtonStyle style_ = ToolButtonStyle::Button;
    PopupMenu* dropdownMenu_ = nullptr;  // not owned
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

    std::vector<ToolButton*> buttons_;     // not owned: the form owns them
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
