#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/persistent.h"

namespace ui {

// An ordered list of texts: a memo's lines, a drop-down list's items, a fader's lines.
class StringList : public Persistent {
    UI_PUBLISHED(StringList, "TStrings")

public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::wstring& operator[](int index) const;
    const std::vector<std::wstring>& Lines() const { return lines_; }
    void Assign(std::vector<std::wstring> lines);
    void Add(const std::wstring& line);
    void Clear();
    // All lines, each followed by CR LF; setting splits at CR LF, LF or CR.
    std::wstring Text() const;
    void SetText(const std::wstring& text);

    std::function<void()> onChange;  // the owning control refreshes itself

private:
    void Changed();
    std::vector<std::wstring> lines_;
};

}  // namespace ui
