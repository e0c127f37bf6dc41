#include "ui/string_list.h"

#include "ui/list_index.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& StringList::ClassProperties() { return EmptyPropertyTable(); }

const std::wstring& StringList::operator[](int index) const {
    CheckListIndex(index, Count());
    return lines_[static_cast<size_t>(index)];
}

void StringList::Assign(std::vector<std::wstring> lines) {
    lines_ = std::move(lines);
    Changed();
}

void StringList::Add(const std::wstring& line) {
    lines_.push_back(line);
    Changed();
}

void StringList::Clear() {
    lines_.clear();
    Changed();
}

std::wstring StringList::Text() const {
    std::wstring text;
    for (const auto& line : lines_) text += line + L"\r\n";
    return text;
}

void StringList::SetText(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
        start = end + 1;
    }
    Assign(std::move(lines));
}

void StringList::Changed() {
    if (onChange) onChange();
}

}  // namespace ui
