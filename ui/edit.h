#pragma once

#include "ui/string_list.h"
#include "ui/win_control.h"

namespace ui {

enum class ScrollBars { None, Horizontal, Vertical, Both };

// The platform's edit control: single-line (Edit) or multi-line (Memo), read-only or not,
// with or without border; OnChange follows every change of the text.
class CustomEdit : public WinControl {
public:
    std::wstring Caption() const override;
    void SetText(const std::wstring& text) { SetCaption(text); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    // 0 no border, 1 a sunken border.
    int BorderStyle() const { return border_ ? 1 : 0; }
    void SetBorderStyle(int style);

    Event<NotifyArgs> OnChange;

protected:
    explicit CustomEdit(Component* owner);
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void CommandNotify(WORD code, WORD id) override;
    void CaptionChanged() override;
    virtual void TextChanged();

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
    bool border_ = true;
};

class Edit : public CustomEdit {
    UI_PUBLISHED(Edit, "TEdit")

public:
    explicit Edit(Component* owner);

protected:
    void FillCreateParams(CreateParams& params) override;
};

class Memo : public CustomEdit {
    UI_PUBLISHED(Memo, "TMemo")

public:
    explicit Memo(Component* owner);

    // Read afresh from the window: a multi-line edit reports no change for text set by
    // a message.
    StringList& Lines();
    ScrollBars GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollBars s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantsKey(WPARAM key) const override { return key == VK_RETURN && wantReturns_ && !ReadOnly(); }

protected:
    void FillCreateParams(CreateParams& params) override;
    void TextChanged() override;

private:
    StringList lines_;
    ScrollBars scrollBars_ = ScrollBars::None;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool syncing_ = false;
};

}  // namespace ui
