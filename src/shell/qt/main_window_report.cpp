// The main window's report commands: Print, the print preview and the PDF file, and what Print
// offers when there is no printer to print on.
#include <QFileInfo>

#include "channel_editing/qt/memory_grid.h"
#include "printing/qt/print_report.h"
#include "printing/qt/report_preview.h"
#include "shell/qt/file_dialogs.h"
#include "shell/qt/local_path.h"
#include "shell/qt/main_window.h"
#include "shell/qt/message_box.h"
#include "texts/command_texts.h"
#include "texts/report.h"

#include <QTabBar>

namespace m742 {

namespace {

QString Translated(Bilingual text, Lang lang) {
    const std::string_view chosen = text.in(lang);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

}  // namespace

void MainWindow::PrintPlan() {
    if (!m_memoryGrid->EndEntry()) {
        return;
    }
    const ReportTab tab = m_tabs->currentIndex() == 0 ? ReportTab::kMemory : ReportTab::kDebug;
    const Lang lang = language();
    const Status printed = PrintReport(ComposeReport(m_editor, tab, lang));
    if (printed.code == ErrorCode::kNoPrinter) {
        OfferPreviewOrPdf();
        return;
    }
    if (!printed.ok()) {
        ShowMessage(printed.message, kStyleWarning, "");
    }
}

QString MainWindow::ChoosePdfFile() {
    const Lang lang = language();
    return ChooseFileName(this, {Translated(kExportPdfTitleText, lang),
                                 Translated(kPdfFilterText, lang), true, QString(), true});
}

std::optional<std::vector<std::string>> MainWindow::ReportLines() {
    // An open entry is taken first, as Print takes it; a refused one stops the command.
    if (!m_memoryGrid->EndEntry()) {
        return std::nullopt;
    }
    const ReportTab tab = m_tabs->currentIndex() == 0 ? ReportTab::kMemory : ReportTab::kDebug;
    return ComposeReport(m_editor, tab, language());
}

void MainWindow::PreviewReport() {
    const auto lines = ReportLines();
    if (!lines) {
        return;
    }
    ShowReportPreview(this, *lines, Translated(kPrintPreviewTitleText, language()));
}

void MainWindow::ExportPdf() {
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
        ShowMessage(written.message, kStyleError, "");
    }
}

void MainWindow::OfferPreviewOrPdf() {
    const Lang lang = language();
    const int choice =
        ShowChoice(this, kNoPrinterChoiceText.in(lang), "", QMessageBox::Information,
                   {Translated(kPrintPreviewText, lang), Translated(kExportPdfText, lang),
                    Translated(kCancelText, lang)});
    if (choice == 1) {
        PreviewReport();
    } else if (choice == 2) {
        ExportPdf();
    }
}

}  // namespace m742
