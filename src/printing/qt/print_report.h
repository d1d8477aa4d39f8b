// Printing the report on Qt: the lines of ComposeReport as a plain-text document on the
// default printer, or in a PDF file. Everything here needs a QGuiApplication (or a
// QApplication) to exist.
//
// The report's columns are aligned by counting characters, so it is printed in a monospace
// font in which a CJK character is exactly two cells wide: WenQuanYi Zen Hei Mono, 12 pt
// (Debian package fonts-wqy-zenhei).
//
// Typical use, from the window's Print command:
//
//     const Status printed = PrintReport(ComposeReport(editor, tab, lang));
//     if (!printed.ok()) { /* show printed.message */ }
#pragma once

#include <QFont>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "radio_data/status.h"

class QPrinter;
class QTextDocument;

namespace m742 {

inline constexpr char kReportFontFamily[] = "WenQuanYi Zen Hei Mono";
inline constexpr int kReportPointSize = 12;
// The families the report is printed in, the first one installed. Every Chinese Windows has
// NSimSun and SimSun (NSimSun's characters all have the same width) and Microsoft YaHei;
// elsewhere the font is kReportFontFamily (fonts-wqy-zenhei).
#ifdef _WIN32
inline constexpr const char* kReportFontFamilies[] = {"NSimSun", "SimSun", "Microsoft YaHei",
                                                      kReportFontFamily};
#else
inline constexpr const char* kReportFontFamilies[] = {kReportFontFamily};
#endif

// The report's font: the first of kReportFontFamilies installed, at kReportPointSize. When
// none is, the system's monospace font of the same size instead, so that the columns still
// line up in English. QFontInfo(ReportFont()).family() names the family the printer gets.
QFont ReportFont();

// The report as a plain-text document: one paragraph per line, every line in ReportFont().
// `lines` are UTF-8 without line ends, as ComposeReport returns them.
std::unique_ptr<QTextDocument> ReportDocument(const std::vector<std::string>& lines);

// Paints the report onto `printer`, page by page, in one job: what Print, the print preview and
// the PDF writer all put on paper. False when the printer would not start the job or reports
// an error at its end.
bool PaintReport(const std::vector<std::string>& lines, QPrinter& printer);

// Prints the report on the default printer in one job; the document is broken into pages
// there. Fails with kNoPrinter, and a message saying what to do, when no printer is
// installed, and with kPrintFailed when the printer does not take the job. The messages are
// in `lang`.
Status PrintReport(const std::vector<std::string>& lines);

// Prints the same document, page by page as on the printer, into the PDF file `out`. The file
// is replaced whole: the PDF goes to a temporary file beside `out`, which is then renamed
// over it, so a failure (kFileUnwritable, the message in `lang` naming `out`) leaves no new
// file and an existing one unchanged.
Status RenderReportPdf(const std::vector<std::string>& lines, const std::filesystem::path& out);

}  // namespace m742
