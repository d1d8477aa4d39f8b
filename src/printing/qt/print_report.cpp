#include "printing/qt/print_report.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <QTextDocument>
#include <algorithm>
#include <fstream>

#include "radio_data/atomic_file.h"
#include "radio_data/data_file.h"
#include "radio_data/text_codes.h"
#include "texts/language_tables.h"
#include "texts/report_texts.h"

namespace m742 {

namespace {

// The job's name in the printer queue and the PDF's title.

QString FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

// Lays the document out on the printer's pages and paints them in one job. False when the
// printer would not start the job, or reports an error at its end.
bool PrintDocument(QTextDocument& document, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // Fonts are measured at the printer's resolution, and one page of the document fills the
    // printable area of one sheet; QTextDocument keeps a line whole on one page.
    document.documentLayout()->setPaintDevice(&printer);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    document.setPageSize(page);
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        const QRectF area(QPointF(0, index * page.height()), page);
        painter.save();
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

Status NoPrinter(Lang lang) {
    return {ErrorCode::kNoPrinter, std::string(kNoPrinterText.in(lang)), {}};
}

Status PrintFailed(const std::string& printer, Lang lang) {
    return {ErrorCode::kPrintFailed, FillText(kPrintFailedText.in(lang), {Quoted(printer, lang)}),
            printer};
}

// Whether the file ends as every whole PDF does, with its end-of-file marker.
bool EndsAsPdf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    constexpr std::streamoff kTail = 32;
    if (size < kTail) {
        return false;
    }
    std::string tail(static_cast<std::size_t>(kTail), '\0');
    in.seekg(size - kTail);
    in.read(tail.data(), kTail);
    return in && tail.find("%%EOF") != std::string::npos;
}

Status PdfUnwritable(const std::filesystem::path& out, const std::string& reason, Lang lang) {
    // The rename is the last step, so a failure never touched the file; say which case it is.
    std::error_code ec;
    const bool existed = std::filesystem::exists(out, ec);
    const std::string file = Quoted(out.string(), lang);
    const std::string message =
        FillText(kReportNotSavedText.in(lang), {file, reason}) +
        std::string((existed ? kReportFileUnchangedText : kReportNoFileWrittenText).in(lang));
    return {ErrorCode::kFileUnwritable, message, out.string()};
}

}  // namespace

QFont ReportFont() {
    QFont font;
    const auto installed = std::find_if(
        std::begin(kReportFontFamilies), std::end(kReportFontFamilies),
        [](const char* family) { return QFontDatabase::hasFamily(QString::fromLatin1(family)); });
    if (installed != std::end(kReportFontFamilies)) {
        font = QFont(QString::fromLatin1(*installed), kReportPointSize);
    } else {
        // Qt would quietly take any font for a missing family; a monospace one at least
        // keeps the English columns.
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(kReportPointSize);
        font.setStyleHint(QFont::Monospace);
    }
    // Every character keeps its full cell; kerning would pull pairs together.
    font.setKerning(false);
    return font;
}

std::unique_ptr<QTextDocument> ReportDocument(const std::vector<std::string>& lines) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(ReportFont());
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        text.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    }
    document->setPlainText(text.join(QChar(u'\n')));
    return document;
}

bool PaintReport(const std::vector<std::string>& lines, QPrinter& printer) {
    const auto document = ReportDocument(lines);
    return PrintDocument(*document, printer);
}

Status PrintReport(const std::vector<std::string>& lines, Lang lang) {
    // Without a printer Qt would print nowhere and report nothing.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return NoPrinter(lang);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kApplicationTitle));
    const auto document = ReportDocument(lines);
    if (!PrintDocument(*document, printer)) {
        return PrintFailed(info.printerName().toStdString(), lang);
    }
    return Status::Ok();
}

Status RenderReportPdf(const std::vector<std::string>& lines, const std::filesystem::path& out,
                       Lang lang) {
    if (HoldsDataFile(out)) {
        return DataFileNotReplaced(out, lang);
    }
    const auto document = ReportDocument(lines);
    const std::string reason = ReplaceFileAtomically(
        out,
        [&](const std::filesystem::path& temporary) -> std::string {
            QPrinter printer(QPrinter::HighResolution);
            // The format first: a file name without ".pdf" would not choose it.
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(FromPath(temporary));
            printer.setDocName(QString::fromLatin1(kApplicationTitle));
            if (!PrintDocument(*document, printer) || !EndsAsPdf(temporary)) {
                // Qt's PDF writer does not report a failed write: a full disk leaves a file
                // cut short, which never reaches its end marker.
                return std::string(kPdfNotWritten.in(lang));
            }
            return {};
        },
        lang);
    return reason.empty() ? Status::Ok() : PdfUnwritable(out, reason, lang);
}

}  // namespace m742
