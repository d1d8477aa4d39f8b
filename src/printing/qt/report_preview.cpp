#include "printing/qt/report_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "printing/qt/print_report.h"
#include "texts/language_tables.h"

namespace m742 {

void ShowReportPreview(QWidget* parent, const std::vector<std::string>& lines,
                       const QString& title) {
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    QPrinter printer(installed, QPrinter::HighResolution);
    if (installed.isNull()) {
        // Nothing to print on: the preview's print button asks for a PDF file.
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    printer.setDocName(QString::fromLatin1(kApplicationTitle));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("ReportPreview");
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&lines](QPrinter* target) { (void)PaintReport(lines, *target); });
    preview.exec();
}

}  // namespace m742
