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
// m742-cli: a data file cannot go to a terminal.
inline constexpr Bilingual kBinaryToTerminalText{
    "数据文件是二进制文件：请把标准输出（“-”）重定向到文件或管道",
    "a data file is binary: send standard output (\"-\") to a file or a pipe"};
// m742-cli on Windows: none of the report's fonts is installed; %1 the one used instead.
inline constexpr Bilingual kReportFontMissingText{
    "NSimSun、SimSun、Microsoft YaHei 字体都没有安装；报告改用 %1",
    "none of the fonts NSimSun, SimSun, Microsoft YaHei is installed; the report uses %1 "
    "instead"};
// m742-cli read: the backup kept (%1 its path), or why none was (%1 the folder, %2 why), and
// where the image read was saved all the same (%1).
inline constexpr Bilingual kBackupKeptText{"备份：%1", "Backup copy: %1"};
inline constexpr Bilingual kBackupNotKeptText{
    "警告：无法在“%1”中保留备份：%2。",
    "warning: the backup copy could not be kept in \"%1\": %2."};
inline constexpr Bilingual kImageSavedAnywayText{"读到的数据已保存到“%1”。",
                                                 " The image read was saved to \"%1\"."};
// The radio refused the password (the original's words).
inline constexpr Bilingual kPasswordRefusedText{"口令不对！", "The password is invalid!"};

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
