// The colour table destination.
#include "richtext/rtf_color_table.h"

#include <algorithm>

namespace oxlin::richtext::reading {

namespace {

// A table longer than any real one is not kept further, to bound memory.
constexpr size_t kMaxColors = 4096;

} // namespace

void ColorTable::begin() {
    colors_.clear();
    red_ = green_ = blue_ = 0;
    colorSet_ = false;
}

void ColorTable::word(Action action, int n) {
    if (action == Action::Red) { red_ = n; colorSet_ = true; }
    else if (action == Action::Green) { green_ = n; colorSet_ = true; }
    else if (action == Action::Blue) { blue_ = n; colorSet_ = true; }
}

void ColorTable::text(QByteArrayView bytes) {
    for (char c : bytes) {
        if (c != ';')
            continue;
        if (colors_.size() < kMaxColors)
            colors_.push_back(colorSet_ ? QColor(std::clamp(red_, 0, 255),
                                                 std::clamp(green_, 0, 255),
                                                 std::clamp(blue_, 0, 255))
                                        : QColor());
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
    }
}

QColor ColorTable::color(int index) const {
    if (index <= 0 || size_t(index) >= colors_.size())
        return {};
    return colors_[size_t(index)];
}

} // namespace oxlin::richtext::reading
