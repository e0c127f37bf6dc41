#include "core/displays/lcd_model.h"

#include <algorithm>
#include <utility>

namespace displays {
namespace {

constexpr WriteResult kRepaint{nullptr, false, true};
constexpr WriteResult kRebuildBlankCell{nullptr, true, true};

WriteResult Refuse(const wchar_t* message) { return {message, false, false}; }

}  // namespace

LcdModel::LcdModel() { last_size_ = SnappedSize(); }

WriteResult LcdModel::set_Lines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    LinesChanged();
    return kRepaint;
}

WriteResult LcdModel::CountChanged() {
    if (scroll_active_) LinesChanged();
    return kRepaint;
}

WriteResult LcdModel::set_NoOfLines(int value) {
    if (value < 1) return Refuse(L"Display needs at least one line!");
    no_of_lines_ = value;
    return CountChanged();
}

WriteResult LcdModel::set_NoOfChars(int value) {
    if (value < 1) return Refuse(L"Display needs at least one character!");
    no_of_chars_ = value;
    return CountChanged();
}

WriteResult LcdModel::set_DotMatrix(TDotMatrix value) {
    dot_matrix_ = value;
    return kRebuildBlankCell;
}

void LcdModel::FollowPixelSize() {
    if (pixel_size_ == TPixelSize::pixCustom) {
        dot_width_ = pixel_width_;
        dot_height_ = pixel_height_;
    } else {
        dot_width_ = dot_height_ = static_cast<int>(pixel_size_) + 1;
        pixel_width_ = pixel_height_ = dot_width_;
    }
}

WriteResult LcdModel::set_PixelSize(TPixelSize value) {
    pixel_size_ = value;
    FollowPixelSize();
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_PixelWidth(int value) {
    if (pixel_size_ != TPixelSize::pixCustom) return {};
    if (value < 1) return Refuse(L"Display pixel width must be 1 or greater!");
    pixel_width_ = value;
    FollowPixelSize();
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_PixelHeight(int value) {
    if (pixel_size_ != TPixelSize::pixCustom) return {};
    if (value < 1) return Refuse(L"Display pixel height must be 1 or greate!");
    pixel_height_ = value;
    FollowPixelSize();
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_PixelShape(TPixelShape value) {
    pixel_shape_ = value;
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_PixelSpacing(int value) {
    if (value < 0) return Refuse(L"Pixel spacing can't be less than zero!");
    pixel_spacing_ = value;
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_CharSpacing(int value) {
    if (value < 0) return Refuse(L"Character spacing can't be less than zero!");
    char_spacing_ = value;
    return kRepaint;
}

WriteResult LcdModel::set_LineSpacing(int value) {
    if (value < 0) return Refuse(L"Line spacing can't be less than zero!");
    line_spacing_ = value;
    return kRepaint;
}

WriteResult LcdModel::set_BorderSpace(int value) {
    if (value < 0) return Refuse(L"Border spacing can't be less than zero!");
    border_space_ = value;
    return kRepaint;
}

WriteResult LcdModel::set_BorderStyle(TLCDBorder value) {
    border_style_ = value;
    return kRepaint;
}

WriteResult LcdModel::set_BorderColor(Color value) {
    border_color_ = value;
    return kRepaint;
}

WriteResult LcdModel::set_color(Color value) {
    color_ = value;
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_PixelOn(Color value) {
    pixel_on_ = value;
    return kRepaint;
}

WriteResult LcdModel::set_PixelOff(Color value) {
    pixel_off_ = value;
    return kRebuildBlankCell;
}

WriteResult LcdModel::set_ScrollActive(bool value) {
    scroll_active_ = value;
    LinesChanged();
    return kRepaint;
}

WriteResult LcdModel::set_ScrollMode(TScrollMode value) {
    scroll_mode_ = value;
    LinesChanged();
    return kRepaint;
}

int LcdModel::CellWidth() const {
    const int columns = Matrix().columns;
    return columns * dot_width_ + (columns - 1) * pixel_spacing_;
}

int LcdModel::CellHeight() const {
    const int rows = Matrix().rows;
    return rows * dot_height_ + (rows - 1) * pixel_spacing_;
}

PanelSize LcdModel::SnappedSize() const {
    return {
        (char_spacing_ + 1) * (no_of_chars_ - 1) + 2 * border_space_ + CellWidth() * no_of_chars_ + 2,
        (line_spacing_ + 1) * (no_of_lines_ - 1) + 2 * border_space_ + CellHeight() * no_of_lines_ + 2};
}

PanelSize LcdModel::UpdateMetrics(PanelSize current) {
    const bool resized = current != last_size_;
    FollowPixelSize();
    if (resized) {
        no_of_chars_ =
            std::max(1, (current.width - 2 * border_space_ + char_spacing_ + 1) / (CellWidth() + char_spacing_ + 1));
        no_of_lines_ =
            std::max(1, (current.height - 2 * border_space_ + line_spacing_ + 1) / (CellHeight() + line_spacing_ + 1));
    }
    last_size_ = SnappedSize();
    return last_size_;
}

Box LcdModel::CellBox(int line, int column) const {
    const int left = border_space_ + 1 + column * (CellWidth() + char_spacing_ + 1);
    const int top = border_space_ + 1 + line * (CellHeight() + line_spacing_ + 1);
    return {left, top, left + CellWidth(), top + CellHeight()};
}

Box LcdModel::DotBoxAt(int row, int column) const {
    const int left = column * (dot_width_ + pixel_spacing_);
    const int top = row * (dot_height_ + pixel_spacing_);
    return {left, top, left + dot_width_, top + dot_height_};
}

std::vector<Box> LcdModel::LitDots(std::uint8_t code) const {
    std::vector<Box> dots;
    if (code == ' ') return dots;
    const MatrixSize matrix = Matrix();
    for (int row = 0; row < matrix.rows; ++row)
        for (int column = 0; column < matrix.columns; ++column)
            if (GlyphDot(dot_matrix_, code, row, column)) dots.push_back(DotBoxAt(row, column));
    return dots;
}

void LcdModel::LinesChanged() {
    work_lines_ = lines_;
    while (static_cast<int>(work_lines_.size()) < no_of_lines_) work_lines_.push_back(" ");
    std::size_t length = 0;
    if (scroll_mode_ == TScrollMode::smDependant) {
        length = static_cast<std::size_t>(no_of_chars_);
        for (const std::string& line : work_lines_) length = std::max(length, line.size());
        ++length;
    }
    for (std::string& line : work_lines_) {
        if (line.empty()) continue;
        line += ' ';
        const std::size_t wanted =
            scroll_mode_ == TScrollMode::smDependant ? length : static_cast<std::size_t>(no_of_chars_);
        if (line.size() < wanted) line.resize(wanted, ' ');
    }
}

std::vector<std::string> LcdModel::CharacterGrid() const {
    std::vector<std::string> grid(no_of_lines_, std::string(no_of_chars_, ' '));
    for (int i = 0; i < no_of_lines_ && i < static_cast<int>(work_lines_.size()); ++i) {
        const std::string& line = work_lines_[i];
        for (int j = 0; j < no_of_chars_ && j < static_cast<int>(line.size()); ++j) grid[i][j] = line[j];
    }
    return grid;
}

void LcdModel::ScrollStep() {
    if (work_lines_.empty()) return;
    switch (scroll_direction_) {
        case TScrollDirection::sdRighttoLeft:
        case TScrollDirection::sdLefttoRight: {
            const std::size_t count = std::min(work_lines_.size(), static_cast<std::size_t>(no_of_lines_));
            for (std::size_t i = 0; i < count; ++i) {
                std::string& line = work_lines_[i];
                if (line.empty()) continue;
                if (scroll_direction_ == TScrollDirection::sdRighttoLeft)
                    std::rotate(line.begin(), line.begin() + 1, line.end());
                else
                    std::rotate(line.rbegin(), line.rbegin() + 1, line.rend());
            }
            break;
        }
        case TScrollDirection::sdUptoDown:
            std::rotate(work_lines_.begin(), work_lines_.begin() + 1, work_lines_.end());
            break;
        case TScrollDirection::sdDowntoUp:
            std::rotate(work_lines_.rbegin(), work_lines_.rbegin() + 1, work_lines_.rend());
            break;
    }
}

}  // namespace displays
