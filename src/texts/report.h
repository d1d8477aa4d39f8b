// The printed programming report: the maker and title, seven radio-wide settings and one
// channel table, composed as plain text from what the editor shows. The Qt side only hands
// the lines to the printer; the command-line tool prints them to a terminal.
#pragma once

#include <string>
#include <vector>

#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

// Which channel table the report holds: the tab of TabStrip1 selected when printing.
enum class ReportTab {
    kMemory,  // tab 1, the memory grid mfgrid1
    kDebug,   // tab 2, the debug grid mfgrid2
};

// The report as the printer receives it, one entry per line and without line ends (the
// printed text ends every line with CR LF). A blank line is an empty entry; the last entry is
// the blank line after the last channel. The texts are UTF-8.
//
// `lang` chooses every label, title and heading, the texts of the settings' list positions
// and the Off word that narrows a tone field. The grid cells are printed as the editor holds
// them, so the editor should be in the same language, as the window's always is.
std::vector<std::string> ComposeReport(const EditorState& editor, ReportTab tab, Lang lang);

}  // namespace m742
