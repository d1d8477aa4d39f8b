// Texts of the main window beyond the original program's tables, in both languages: the Help
// menu's user's guide and the message boxes' access keys.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"
#include "texts/language_tables.h"

namespace m742 {

// The Help menu's item that opens the user's guide (mnuGuide, F1).
const std::vector<TextRow>& HelpMenuTexts();

// A message box button's caption with its access key: "&Yes" in English, "是(&Y)" in Chinese.
// OK (and Cancel in Chinese) have none: Enter and Escape answer them. `caption` is the button's
// word from the language tables; the word itself never changes.
std::string MessageButtonLabel(int buttonId, std::int16_t languageFlag, std::string_view caption);

}  // namespace m742
