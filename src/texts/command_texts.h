// Texts of the window program's command line and of the report commands Print Preview and
// Export PDF, in both interface languages.
#pragma once

#include <string>
#include <string_view>

#include "radio_data/status.h"

namespace m742 {

// `m742 --help`: the usage, with `version` in its first line.
std::string ProgramHelpText(std::string_view version, Lang lang);
// An option the program does not know, and the hint to --help.
std::string UnknownOptionText(std::string_view option, Lang lang);
Bilingual TooManyFilesText();
// Where a usage error points to.
Bilingual SeeHelpText();

// Print with no printer installed: what the user can do instead, and the two choices.
Bilingual NoPrinterChoiceText();
Bilingual PrintPreviewButtonText();
Bilingual ExportPdfButtonText();
Bilingual CancelButtonText();
// The file dialog of Export PDF: its caption and its filter.
Bilingual ExportPdfTitleText();
Bilingual PdfFilterText();

}  // namespace m742
