#pragma once
// How a label breaks its text, the same on every front end: only at spaces and at its own line
// breaks, so "A-Level" stays whole, with each front end measuring in its own font.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// A line's width in the label's font, in the unit `width` is given in.
using TextMeasure = std::function<double(std::string_view line)>;

// The lines `text` takes in `width`: as many words as fit on each, and a word wider than the width
// alone on its line; the blanks at a line's end neither count nor stay.
std::vector<std::string> labelLines(std::string_view text, double width,
                                    const TextMeasure& measure);

} // namespace forms
