#pragma once
// Whether text in one colour can be read on another: the contrast ratio of their relative
// luminances, as the web's accessibility guidelines define them, is 3:1 or more. Colours are
// 0xRRGGBB. A front end gives a box the background the system pairs with its text colour where
// the described one fails this, as Windows' own default colours make it.

#include <cstdint>

namespace forms {

bool readable(std::uint32_t text, std::uint32_t background);

} // namespace forms
