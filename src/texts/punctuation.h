// The punctuation each language joins texts with: Chinese takes full-width marks without
// spaces, English ASCII marks followed by a space.
#pragma once

#include "radio_data/status.h"

namespace m742 {

inline constexpr Bilingual kColon{"：", ": "};
inline constexpr Bilingual kComma{"，", ", "};
inline constexpr Bilingual kSemicolon{"；", "; "};
// Between the items of a list of words: "off、start_tx" / "off, start_tx".
inline constexpr Bilingual kListComma{"、", ", "};
// %1 in parentheses after a text: "COM1（/dev/ttyUSB0）" / "COM1 (/dev/ttyUSB0)".
inline constexpr Bilingual kInParentheses{"（%1）", " (%1)"};

}  // namespace m742
