// The report in a print preview: the pages as Print would put them on paper, with the preview's
// own buttons to zoom, turn the pages and print them. Without a printer installed, its print
// button writes a PDF file instead.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QPrintPreviewDialog;
class QWidget;

namespace m742 {

// Shows the report modally over `parent` under the caption `title`; returns when it is closed.
void ShowReportPreview(QWidget* parent, const std::vector<std::string>& lines,
                       const QString& title);

}  // namespace m742
