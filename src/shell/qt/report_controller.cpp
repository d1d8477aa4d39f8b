#include "shell/qt/report_controller.h"

#include <QFileInfo>

#include "channel_editing/qt/memory_grid.h"
#include "printing/qt/print_report.h"
#include "printing/qt/report_preview.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/file_dialogs.h"
#include "shell/qt/local_path.h"
#include "shell/qt/main_window.h"
#include "shell/qt/message_box.h"
#include "texts/command_texts.h"
#include "texts/report.h"

namespace m742 {

namespace {

QString Translated(Bilingual text, Lang lang) {
    const std::string_view chosen = text.in(lang);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

}  // namespace

ReportController::ReportController(MainWindow& window)
    : choosePdf([this] { return ChoosePdfFile(); }), m_window(window) {}

void ReportController::PrintPlan() {
    const auto lines = ReportLines();
    if (!lines) {
        return;
    }
    const Status printed = PrintReport(*lines);
    if (printed.code == ErrorCode::kNoPrinter) {
        OfferPreviewOrPdf();
        return;
    }
    if (!printed.ok()) {
        m_window.ShowMessage(printed.message, kStyleWarning, "");
    }
}

QString ReportController::ChoosePdfFile() {
    const Lang lang = m_window.language();
    FileDialogRequest request;
    request.caption = Translated(kExportPdfTitleText, lang);
    request.filter = Translated(kPdfFilterText, lang);
    request.save = true;
    return ChooseFileName(&m_window, request);
}

std::optional<std::vector<std::string>> ReportController::ReportLines() {
    // An open entry is taken first; a refused one stops the command.
    if (!m_window.channels().memoryGrid().EndEntry()) {
        return std::nullopt;
    }
    const ReportTab tab =
        m_window.channels().memoryTabSelected() ? ReportTab::kMemory : ReportTab::kDebug;
    return ComposeReport(m_window.editor(), tab, m_window.language());
}

void ReportController::PreviewReport() {
    const auto lines = ReportLines();
    if (!lines) {
        return;
    }
    ShowReportPreview(&m_window, *lines, Translated(kPrintPreviewTitleText, m_window.language()));
}

void ReportController::ExportPdf() {
    const auto lines = ReportLines();
    if (!lines) {
        return;
    }
    QString file = choosePdf();
    if (file.isEmpty()) {
        return;
    }
    if (QFileInfo(file).suffix().isEmpty()) {
        file += ".pdf";
    }
    const Status written = RenderReportPdf(*lines, LocalPath(file));
    if (!written.ok()) {
        m_window.ShowMessage(written.message, kStyleError, "");
    }
}

void ReportController::OfferPreviewOrPdf() {
    const Lang lang = m_window.language();
    const int choice =
        ShowChoice(&m_window, kNoPrinterChoiceText.in(lang), "", QMessageBox::Information,
                   {Translated(kPrintPreviewText, lang), Translated(kExportPdfText, lang),
                    Translated(kCancelText, lang)});
    if (choice == 1) {
        PreviewReport();
    } else if (choice == 2) {
        ExportPdf();
    }
}

}  // namespace m742
