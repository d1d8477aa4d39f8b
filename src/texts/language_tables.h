// The language tables of the main window: every caption, tooltip, grid heading and list item
// text that follows the interface language, as data. The Qt side finds each control by its
// objectName and writes the text of the current language; nothing here knows about widgets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"

namespace m742 {

// The application title: the window's banner, the message boxes' caption, the report's heading,
// the printed document's name.
inline constexpr const char* kApplicationTitle = "M-742";

enum class TextProperty {
    kWindowTitle,  // a window's caption
    kCaption,      // a menu item's, frame's, label's, button's caption
    kToolTip,      // a toolbar button's tooltip; `index` is the button number 1-7
    kTab,          // a tab caption of TabStrip1; `index` is the tab number 1-2
    kHeading,      // a grid heading in row 0; `index` is the column
    kItem,         // a list item; `index` is its position
};

// Captions the window shows and other front ends name their parts by: the settings panel's two
// frames, the grid tabs (the memory tab's caption ends in a blank) and the side key dialog.
inline constexpr Bilingual kModelCaption{"机型选择", "Model"};
inline constexpr Bilingual kFunctionsCaption{"功能设置", "Function Setting"};
inline constexpr Bilingual kMemoryTabCaption{"记忆信道", "Memory Channel "};
inline constexpr Bilingual kDebugTabCaption{"调试信道", "Debug Channel"};
inline constexpr Bilingual kSideKeyCaption{"键设定", "Keys Set"};

// One text of one control in both interface languages.
struct TextRow {
    std::string window;   // the window's objectName: "Form1"
    std::string control;  // the control's objectName; the window's own for kWindowTitle.
                          // A member of a control array is "<array>_<member>", as "Combo5_5".
    TextProperty property;
    int index;  // the button, tab, column or list position; -1 where it does not apply
    std::string zh;
    std::string en;

    std::string_view in(Lang lang) const { return lang == Lang::English ? en : zh; }
};

// Every row for the main window, in the order the tables are applied: window caption; menus;
// frames; toolbar tooltips; tab captions; grid headings; labels and button; list items.
// Writing an item's text never changes which item is selected, so a switch keeps selections.
const std::vector<TextRow>& MainWindowTexts();

// The main window's design texts that no language changes (zh == en): the DTMF, test
// frequency and port menu items, the password, PTTID and ANI labels, the band list and the
// priority channel list. With MainWindowTexts() they give every text of the window.
const std::vector<TextRow>& MainWindowFixedTexts();

// The four dialogs' texts, window by window: the DTMF timing dialog Form2, the power
// parameters dialog Form3, the side key dialog Form5 (with the items of its four lists) and the
// About dialog frmAbout. The captions of Form2, Form3 and frmAbout read alike in both languages.
const std::vector<TextRow>& DialogTexts();

// The message box's button caption for a button identifier (message_style.h: OK, Cancel, Yes,
// No) and LanguageFlag 0 (Chinese), 1 (English) or 2 (traditional characters). Nothing for any
// other flag or identifier: the platform's caption stays.
std::optional<std::string_view> MessageButtonCaption(int buttonId, std::int16_t languageFlag);

}  // namespace m742
