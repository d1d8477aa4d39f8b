// Texts of the window program's command line and of the report commands Print Preview and
// Export PDF, in both interface languages.
#pragma once

#include <string>
#include <string_view>

#include "radio_data/status.h"

namespace m742 {

// `m742 --help`: the usage, with `version` in its first line.
std::string ProgramHelpText(std::string_view version, Lang lang);
// An option the program does not know.
std::string UnknownOptionText(std::string_view option, Lang lang);
inline constexpr Bilingual kTooManyFilesText{"只能打开一个数据文件",
                                             "only one data file can be opened"};
// Where a usage error points to.
inline constexpr Bilingual kSeeHelpText{"（见 m742 --help）", " (see m742 --help)"};

// The report commands: the File menu's items, and the buttons Print offers with no printer.
inline constexpr Bilingual kPrintPreviewText{"打印预览…", "Print Preview…"};
inline constexpr Bilingual kExportPdfText{"导出PDF…", "Export PDF…"};
inline constexpr Bilingual kCancelText{"取消", "Cancel"};
// Print with no printer installed: what the user can do instead.
inline constexpr Bilingual kNoPrinterChoiceText{
    "没有安装打印机。可以在打印预览中查看报表，或将报表导出为 PDF 文件。",
    "No printer is installed. You can look at the report in the print preview, or export it as "
    "a PDF file."};
// The print preview's caption, and the file dialog of Export PDF: its caption and its filter.
inline constexpr Bilingual kPrintPreviewTitleText{"打印预览", "Print Preview"};
inline constexpr Bilingual kExportPdfTitleText{"导出PDF", "Export PDF"};
inline constexpr Bilingual kPdfFilterText{"PDF 文件 (*.pdf)", "PDF files (*.pdf)"};

}  // namespace m742
