// The main window's channel lists: File -> Import Channels takes the memory channels of a CHIRP
// CSV file into the editor as one undoable step, and says which rows it skipped and why; File ->
// Export Channels writes the memory channels to one.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "channel_editing/qt/memory_grid.h"
#include "plan_formats/chirp_csv.h"
#include "shell/qt/file_dialogs.h"
#include "shell/qt/local_path.h"
#include "shell/qt/main_window.h"
#include "texts/csv_texts.h"
#include "texts/edit_texts.h"
#include "texts/message_style.h"

namespace m742 {

namespace {

QString Translated(Bilingual text, Lang lang) {
    const std::string_view chosen = text.in(lang);
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += text.empty() ? line : "\n" + line;
    }
    return text;
}

}  // namespace

void MainWindow::BuildChannelListMenus(QMenu* file) {
    // Beside Save, before the report commands: the plan in another form.
    QAction* print = findChild<QAction*>("mnuprint");
    for (const auto& [name, run] :
         {std::pair<const char*, void (MainWindow::*)()>{"mnuImportCsv", &MainWindow::ImportCsv},
          std::pair<const char*, void (MainWindow::*)()>{"mnuExportCsv", &MainWindow::ExportCsv}}) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, run = run] { (this->*run)(); });
        file->insertAction(print, action);
    }
    file->insertSeparator(print)->setObjectName("mnuLineCsv");
}

QString MainWindow::ChooseCsvFile(bool save) {
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    // The dialog adds ".csv" to a bare name before it asks about replacing a file.
    return ChooseFileName(this,
                          {Translated(save ? kExportChannelsTitle : kImportChannelsTitle, lang),
                           Translated(kCsvFilterText, lang), save, "csv", true});
}

void MainWindow::ImportCsv() {
    // A typed entry is a change of its own, before the import.
    if (!m_memoryGrid->EndEntry()) {
        return;
    }
    const QString file = chooseCsv(false);
    if (file.isEmpty()) {
        return;
    }
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    const auto text = ReadCsvFile(LocalPath(file));
    if (!text.ok()) {
        ShowMessage(text.status().message, kStyleError, "");
        return;
    }
    const auto import =
        ImportChirpCsv(text.value(), m_editor, QFileInfo(file).fileName().toStdString(), m_band);
    if (!import.ok()) {
        ShowMessage(import.status().message, kStyleError, "");
        return;
    }
    m_document->Commit({EditKind::kImport, 0, 0, {}}, import.value().editor);
    ShowMessage(Joined(ImportReport(import.value(), lang)),
                import.value().skipped.empty() ? kStyleNotice : kStyleWarning, "");
}

void MainWindow::ExportCsv() {
    if (!m_memoryGrid->EndEntry()) {
        return;
    }
    QString file = chooseCsv(true);
    if (file.isEmpty()) {
        return;
    }
    if (QFileInfo(file).suffix().isEmpty()) {
        file += ".csv";
    }
    const CsvExport csv = ExportChirpCsv(m_editor);
    if (const Status written = WriteCsvFile(LocalPath(file), csv.text); !written.ok()) {
        ShowMessage(written.message, kStyleError, "");
        return;
    }
    if (!csv.leftOut.empty()) {
        ShowMessage(Joined(csv.leftOut), kStyleWarning, "");
    }
}

}  // namespace m742
