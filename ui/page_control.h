#pragma once

#include <vector>

#include "ui/help_page.h"
#include "ui/win_control.h"

namespace ui {

class PageControl;

// One page of a page control; its caption is the tab's text.
class TabSheet : public WinControl {
    UI_PUBLISHED(TabSheet, "TTabSheet")

public:
    explicit TabSheet(Component* owner);
    ~TabSheet() override;
    PageControl* Pages() const;
    int PageIndex() const;

protected:
    void FillCreateParams(CreateParams& params) override;
    void CaptionChanged() override;
};

// The platform's tab control holding tab sheets; exactly the active sheet is shown.
class PageControl : public WinControl, public HelpPageHost {
    UI_PUBLISHED(PageControl, "TPageControl")

public:
    explicit PageControl(Component* owner);

    const std::vector<TabSheet*>& Sheets() const { return sheets_; }
    TabSheet* ActivePage() const { return active_; }
    void SetActivePage(TabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous sheet as if its tab were clicked,
    // with the keyboard focus on that sheet's first control.
    void SelectNextSheet(bool forward);
    Component* HelpPage() const override { return active_; }

    bool AdoptChild(Component& child) override;
    // Called by the sheets.
    void SheetCaptionChanged(TabSheet& sheet);
    void RemoveSheet(TabSheet& sheet);

    Event<NotifyArgs> OnChange;  // the user chose another tab

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void Resized() override { PlaceSheets(); }
    LRESULT NotifyReflected(NMHDR& header) override;

private:
    void FillTabs();
    void PlaceSheets();

    std::vector<TabSheet*> sheets_;  // not owned: the form owns them
    TabSheet* active_ = nullptr;     // not owned
};

}  // namespace ui
