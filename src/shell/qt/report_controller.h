// The report commands, for the main window: Print, the print preview and the PDF file of the
// selected tab's report in the interface language, and what Print offers when there is no
// printer to print on.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace m742 {

class MainWindow;

class ReportController {
public:
    explicit ReportController(MainWindow& window);

    // Prints on the default printer; says so when there is no printer or the printing fails.
    void PrintPlan();
    // The report in a print preview, from which it can be printed.
    void PreviewReport();
    // The report into a PDF file chosen by choosePdf.
    void ExportPdf();

    // Chooses the PDF file for "Export PDF"; the empty text is Cancel. Tests put their own here.
    std::function<QString()> choosePdf;

private:
    QString ChoosePdfFile();
    // The selected tab's report; nothing when an open entry is refused.
    std::optional<std::vector<std::string>> ReportLines();
    void OfferPreviewOrPdf();

    MainWindow& m_window;
};

}  // namespace m742
