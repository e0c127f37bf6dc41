#include "ui/edit.h"

#include "ui/property.h"

namespace ui {
namespace {

const char* const kBorderNames[] = {"bsNone", "bsSingle"};
const char* const kScrollBarNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

}  // namespace

CustomEdit::CustomEdit(Component* owner) : WinControl(owner) {
    SetColor(kWindowColor);
    SetTabStop(true);
}

std::wstring CustomEdit::Caption() const {
    if (!HandleAllocated()) return WinControl::Caption();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void CustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    Perform(EM_SETREADONLY, v);
}

void CustomEdit::SetMaxLength(int v) {
    maxLength_ = v;
    Perform(EM_SETLIMITTEXT, static_cast<WPARAM>(v));
}

void CustomEdit::SetBorderStyle(int style) {
    border_ = style != 0;
    RecreateHandle();
}

void CustomEdit::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"EDIT";
    if (readOnly_) params.style |= ES_READONLY;
    if (border_) params.exStyle |= WS_EX_CLIENTEDGE;
}

void CustomEdit::HandleCreated() {
    if (maxLength_ > 0) Perform(EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_));
}

void CustomEdit::CommandNotify(WORD code, WORD) {
    if (code == EN_CHANGE) TextChanged();
}

// A change made through Caption is the window's text too.
void CustomEdit::CaptionChanged() {
    if (!HandleAllocated()) return;
    SetWindowTextW(Handle(), WinControl::Caption().c_str());
}

void CustomEdit::TextChanged() {
    NotifyArgs args;
    args.sender = this;
    OnChange(args);
}

const PropertyTable& Edit::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Text("Text", &Edit::Caption, &Edit::SetText),
            Boolean("ReadOnly", &Edit::ReadOnly, &Edit::SetReadOnly),
            Integer("MaxLength", &Edit::MaxLength, &Edit::SetMaxLength),
            Enumeration("BorderStyle", &Edit::BorderStyle, &Edit::SetBorderStyle, kBorderNames),
            EventSlot("OnChange", &Edit::OnChange),
        }
    );
    return table;
}

Edit::Edit(Component* owner) : CustomEdit(owner) { SetBounds(0, 0, 121, 21); }

void Edit::FillCreateParams(CreateParams& params) {
    CustomEdit::FillCreateParams(params);
    params.style |= ES_AUTOHSCROLL;
}

const PropertyTable& Memo::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Object("Lines", &Memo::Lines, PropertyKind::StringList),
            Boolean("ReadOnly", &Memo::ReadOnly, &Memo::SetReadOnly),
            Integer("MaxLength", &Memo::MaxLength, &Memo::SetMaxLength),
            Enumeration("BorderStyle", &Memo::BorderStyle, &Memo::SetBorderStyle, kBorderNames),
            Enumeration("ScrollBars", &Memo::GetScrollBars, &Memo::SetScrollBars, kScrollBarNames),
            Boolean("WordWrap", &Memo::WordWrap, &Memo::SetWordWrap),
            Boolean("WantReturns", &Memo::WantReturns, &Memo::SetWantReturns),
            EventSlot("OnChange", &Memo::OnChange),
        }
    );
    return table;
}

Memo::Memo(Component* owner) : CustomEdit(owner) {
    SetBounds(0, 0, 185, 89);
    lines_.onChange = [this] {
        if (syncing_) return;
        std::wstring text = lines_.Text();
        if (text.size() >= 2) text.resize(text.size() - 2);  // no empty line after the last
        syncing_ = true;
        SetCaption(text);
        syncing_ = false;
    };
}

StringList& Memo::Lines() {
    if (HandleAllocated() && !syncing_) {
        syncing_ = true;
        lines_.SetText(Caption());
        syncing_ = false;
    }
    return lines_;
}

void Memo::SetScrollBars(ScrollBars s) {
    scrollBars_ = s;
    RecreateHandle();
}

void Memo::SetWordWrap(bool v) {
    wordWrap_ = v;
    RecreateHandle();
}

void Memo::FillCreateParams(CreateParams& params) {
    CustomEdit::FillCreateParams(params);
    params.style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ScrollBars::Vertical || scrollBars_ == ScrollBars::Both) params.style |= WS_VSCROLL;
    if (scrollBars_ == ScrollBars::Horizontal || scrollBars_ == ScrollBars::Both) params.style |= WS_HSCROLL;
}

void Memo::TextChanged() {
    if (!syncing_) {
        syncing_ = true;
        lines_.SetText(Caption());
        syncing_ = false;
    }
    CustomEdit::TextChanged();
}

}  // namespace ui
