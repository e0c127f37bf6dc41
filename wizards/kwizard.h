#pragma once
#include <windows.h>

#include <array>
#include <vector>

#include "core/wizards/wizard_buttons.h"
#include "ui/button.h"
#include "ui/help_page.h"
#include "ui/image_list.h"
#include "ui/signal.h"
#include "ui/win_control.h"
#include "wizards/kwizard_events.h"
#include "wizards/kwizard_page.h"

namespace wizards {

class TKWizard;

// One of the wizard's seven navigation buttons. A click is first offered to the active
// page, which may stop it; then the button acts as a push button (modal result, its click
// handler) and the wizard moves.
class TKWizardButtonControl : public ui::Button {
    UI_PUBLISHED(TKWizardButtonControl, "TKWizardButtonControl")

public:
    TKWizardButtonControl(TKWizard& wizard, TKWizardButtonKind kind);

    TKWizard* Wizard() const { return wizard_; }
    TKWizardButtonKind Kind() const { return kind_; }
    ButtonGroup Group() const { return ButtonTable()[kind_].group; }

    void Click() override;
    // The push button's own click: modal result, then the click handler.
    void PlainClick() { ui::Button::Click(); }

protected:
    void VisibilityChanged() override;

private:
    TKWizard* wizard_;  // not owned: the wizard owns this button
    TKWizardButtonKind kind_;
};

// The published face of a navigation button in form descriptions.
class TKWizardNavigateButton : public ui::Persistent {
    UI_PUBLISHED(TKWizardNavigateButton, "TKWizardNavigateButton")

public:
    explicit TKWizardNavigateButton(TKWizardButtonControl& control) : control_(control) {}

    TKWizardButtonControl& Control() const { return control_; }
    std::wstring Caption() const { return control_.Caption(); }
    void SetCaption(const std::wstring& caption) { control_.SetCaption(caption); }
    int ModalResult() const { return control_.GetModalResult(); }
    void SetModalResult(int result) { control_.SetModalResult(result); }
    int Width() const { return control_.Width(); }
    // Lays the bar out again.
    void SetWidth(int width);

private:
    TKWizardButtonControl& control_;  // not owned: the wizard owns it
};

// A page-based wizard that fills its form: an ordered list of pages of which one is shown,
// above a bar of navigation buttons that follow the active page's settings.
class TKWizard : public ui::WinControl, public ui::HelpPageHost {
    UI_PUBLISHED(TKWizard, "TKWizard")

public:
    explicit TKWizard(ui::Component* owner);
    ~TKWizard() override;

    const std::vector<TKWizardCustomPage*>& Pages() const { return pages_; }
    TKWizardCustomPage* ActivePage() const { return activePage_; }
    // Ignored while loading, for a page of another wizard and for a disabled page.
    void SetActivePage(TKWizardCustomPage* page);
    ui::Component* HelpPage() const override { return activePage_; }

    void SelectFirstPage() { Move(PageMove::First); }
    void SelectLastPage() { Move(PageMove::Last); }
    void SelectNextPage() { Move(PageMove::Next); }
    void SelectPriorPage() { Move(PageMove::Prior); }
    TKWizardCustomPage* FindNextPage(int index, int step, bool skipDisabled) const;
    bool IsFirstPage(const TKWizardCustomPage* page, bool skipDisabled) const;
    // Whether going from one page to the other goes forward; pages of two different
    // wizards raise platform::Error.
    bool IsForward(const TKWizardCustomPage* fromPage, const TKWizardCustomPage* toPage) const;

    void UpdateButtons();
    void RepositionButtons();
    int ButtonBarHeight() const { return buttonBarHeight_; }
    void SetButtonBarHeight(int height);
    // The client area left to the pages.
    RECT PageArea() const;

    void InsertPage(TKWizardCustomPage& page);
    // Removes the page and activates the next enabled page after it, or none.
    void RemovePage(TKWizardCustomPage& page);
    // A page being freed leaves without page changes.
    void ForgetPage(TKWizardCustomPage& page);
    // Hides the active page being removed, taking the focus out of it first.
    void LeaveRemovedPage(TKWizardCustomPage& page);
    // The active page was disabled: move forward, else backward, else to none.
    void ActivePageDisabled();

    TKWizardNavigateButton& Button(TKWizardButtonKind kind) { return *navigators_[kind]; }
    TKWizardNavigateButton& ButtonStart() { return Button(bkStart); }
    TKWizardNavigateButton& ButtonLast() { return Button(bkLast); }
    TKWizardNavigateButton& ButtonBack() { return Button(bkBack); }
    TKWizardNavigateButton& ButtonNext() { return Button(bkNext); }
    TKWizardNavigateButton& ButtonFinish() { return Button(bkFinish); }
    TKWizardNavigateButton& ButtonCancel() { return Button(bkCancel); }
    TKWizardNavigateButton& ButtonHelp() { return Button(bkHelp); }

    bool ShowDivider() const { return showDivider_; }
    void SetShowDivider(bool show);
    // No route map exists in this program.
    bool ShowRouteMap() const { return false; }
    void SetShowRouteMap(bool) {}
    ui::ImageList* HeaderImages() const { return headerImages_; }
    void SetHeaderImages(ui::ImageList* images);

    ui::Event<WizardSelectPageArgs> OnSelectFirstPage;
    ui::Event<WizardSelectPageArgs> OnSelectLastPage;
    ui::Event<WizardSelectPageArgs> OnSelectNextPage;
    ui::Event<WizardSelectPageArgs> OnSelectPriorPage;

    bool AdoptChild(ui::Component& child) override;

    // Called by the buttons.
    void ButtonClicked(TKWizardButtonControl& button);

protected:
    void Loaded() override;
    void Resized() override;
    void FillCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintSurface(HDC dc) override;

private:
    void Move(PageMove move);
    PageSequence Sequence() const;
    TKWizardCustomPage* PageAt(std::optional<int> index) const;
    void PlacePages();
    void RepaintActivePage();

    std::vector<TKWizardCustomPage*> pages_;                          // not owned: the form owns them
    TKWizardCustomPage* activePage_ = nullptr;                        // not owned
    std::array<TKWizardButtonControl*, kButtonKindCount> buttons_{};  // owned as components
    std::array<std::unique_ptr<TKWizardNavigateButton>, kButtonKindCount> navigators_;
    int buttonBarHeight_ = kButtonBarHeight;
    bool showDivider_ = true;
    ui::ImageList* headerImages_ = nullptr;  // not owned
    ui::Connection headerImagesLink_;
};

}  // namespace wizards
