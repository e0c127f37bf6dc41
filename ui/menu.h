#pragma once
#include <windows.h>

#include <vector>

#include "ui/action_client.h"
#include "ui/signal.h"

namespace ui {

class ImageList;
class Menu;

// An item of a main or popup menu: caption ("-" is a separator, & marks the access key),
// check mark (a radio item clears the other items of its group index), image, visibility,
// enabling, and a submenu made of its child items.
class MenuItem : public ActionClient {
    UI_PUBLISHED(MenuItem, "TMenuItem")

public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool IsSeparator() const { return caption_ == L"-"; }

    const std::vector<MenuItem*>& Items() const { return items_; }
    MenuItem* ParentItem() const { return parent_; }
    Menu* OwnerMenu() const;
    // Adds an item at the end of this item's submenu; the item's owner still frees it.
    void Add(MenuItem& item);
    void Remove(MenuItem& item);
    bool AdoptChild(Component& child) override;

    UINT CommandId() const { return commandId_; }

protected:
    void Changed() override;
    void FollowMore(const ActionState& before, const ActionState& now) override;

private:
    friend class Menu;

    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    UINT commandId_;
    MenuItem* parent_ = nullptr;    // not owned
    Menu* menu_ = nullptr;          // not owned: set on the top items of a menu
    std::vector<MenuItem*> items_;  // not owned
};

// The items of a menu bar or a popup menu, built into a platform menu on demand and
// rebuilt after every change. With Images set the items are owner-drawn with their images.
class Menu : public Component {
public:
    ~Menu() override;

    ImageList* Images() const { return images_; }
    void SetImages(ImageList* images);
    MenuItem& Items() { return root_; }
    bool AdoptChild(Component& child) override;
    HMENU Handle();
    void Rebuild();
    // The window showing a menu bar follows each new platform menu through this.
    [[nodiscard]] Connection OnRebuilt(std::function<void(HMENU)> listener) {
        return rebuilt_.Connect(std::move(listener));
    }

protected:
    Menu(Component* owner, bool bar);
    void Loaded() override { Rebuild(); }

private:
    void Build(HMENU menu, const MenuItem& parent, bool bar);

    bool bar_;
    HMENU handle_ = nullptr;
    ImageList* images_ = nullptr;  // not owned
    Connection imagesWatch_;
    Signal<HMENU> rebuilt_;
    MenuItem root_{nullptr};
};

class MainMenu : public Menu {
    UI_PUBLISHED(MainMenu, "TMainMenu")

public:
    explicit MainMenu(Component* owner);
};

class PopupMenu : public Menu {
    UI_PUBLISHED(PopupMenu, "TPopupMenu")

public:
    explicit PopupMenu(Component* owner);
    // Shows the menu at a screen point; its commands go to `window`.
    void Popup(HWND window, POINT screen);

    Event<NotifyArgs> OnPopup;
};

// Window procedures hand menu messages here; false when the item is not one of the kit's.
bool DispatchMenuCommand(UINT id);
bool DrawMenuItem(DRAWITEMSTRUCT& item);
bool MeasureMenuItem(MEASUREITEMSTRUCT& item);

}  // namespace ui
