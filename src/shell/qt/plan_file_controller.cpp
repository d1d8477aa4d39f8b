#include "shell/qt/plan_file_controller.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "channel_editing/channel_plan.h"
#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/qt/memory_grid.h"
#include "plan_formats/chirp_csv.h"
#include "plan_formats/plan_diff.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/text_codes.h"
#include "shell/qt/backup_dialog.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/compare_dialog.h"
#include "shell/qt/file_dialogs.h"
#include "shell/qt/local_path.h"
#include "shell/qt/main_window.h"
#include "shell/qt/settings_panel.h"
#include "shell/qt/user_settings.h"
#include "shell/recent_files.h"
#include "texts/csv_report.h"
#include "texts/csv_texts.h"
#include "texts/edit_texts.h"
#include "texts/file_texts.h"
#include "texts/language_tables.h"
#include "texts/message_style.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {

constexpr const char* kFileFilter = "M-742(*.DAT)";

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

PlanFileController::PlanFileController(MainWindow& window)
    : m_window(window), m_document(window.document()), m_editor(window.editor()) {
    chooseFile = [this](bool save) { return ChooseFileName(&m_window, DataFileRequest(save)); };
    chooseCsv = [this](bool save) { return ChooseCsvFile(save); };
}

bool PlanFileController::MaySaveChanges(
    const std::function<void(EditorState&, const EditorState&)>& kept) {
    if (!m_document.isModified()) {
        return true;
    }
    if (kept) {
        // Compared as the radio would store them: a change that stores the same bytes (an Off
        // tone for an empty one) or that the radio does not hold (the language) loses nothing.
        const EditorState& saved = m_document.savedEditor();
        EditorState lost = m_editor;
        kept(lost, saved);
        if (SameAsStored(lost, saved)) {
            return true;
        }
    }
    const int answer =
        m_window.ShowMessage(SaveChangesQuestion(m_window.language()), kStyleYesNoCancel, "");
    if (answer == kMessageYes) {
        return Save();
    }
    return answer == kMessageNo;
}

void PlanFileController::NewPlan() {
    // A new plan keeps the password, the ANI code and the dialogs' settings.
    if (!MaySaveChanges([](EditorState& editor, const EditorState& saved) {
            editor.password = saved.password;
            editor.ani = saved.ani;
            editor.sideKeys = saved.sideKeys;
            editor.dtmf = saved.dtmf;
            editor.powerLevels = saved.powerLevels;
        })) {
        return;
    }
    const int answer =
        m_window.ShowMessage(m_window.Text(kNewPlanWarning).toStdString(), kStyleConfirm,
                             m_window.Text(kWarningTitle).toStdString());
    if (answer == kMessageCancel) {
        return;
    }
    m_document.Apply({EditKind::kNew, 0, 0, {}}, [](EditorState& editor) {
        ClearMemoryChannels(editor);
        ClearDebugChannels(editor);
        ResetChannelPlan(editor);
    });
    m_window.channels().debugGrid().SelectChannel(1);
    SetCaptionTo({});  // the new plan is no file's
}

void PlanFileController::SetCaptionTo(const QString& file) {
    // As the system writes names: C:\Users\... on Windows.
    m_planFile =
        file.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    if (auto* saveCurrent = m_window.findChild<QAction*>("mnuSaveCurrent")) {
        saveCurrent->setEnabled(!m_planFile.isEmpty());
    }
    if (!m_planFile.isEmpty()) {
        m_window.setWindowTitle(QString(kApplicationTitle) + "-" + m_planFile);
        return;
    }
    const Lang lang = m_window.language();
    for (const TextRow& row : MainWindowTexts()) {
        if (row.window == "Form1" && row.property == TextProperty::kWindowTitle) {
            m_window.setWindowTitle(
                QString::fromUtf8(row.in(lang).data(), qsizetype(row.in(lang).size())));
        }
    }
}

void PlanFileController::RewordCaption() {
    if (!m_planFile.isEmpty()) {
        SetCaptionTo(m_planFile);  // the table's caption is the window's without a file
    }
}

void PlanFileController::OpenPlan() {
    m_window.channels().memoryGrid().HideFrequencyEditor();
    if (!MaySaveChanges()) {
        return;
    }
    const QString file = chooseFile(false);
    if (file.isEmpty()) {
        return;
    }
    OpenFile(file);
}

void PlanFileController::OpenFile(const QString& file) {
    EditorState opened = m_editor;
    Status status = OpenDataFile(LocalPath(file), opened);
    // Open and then Write is how a file reaches a radio: a file that is no data file (a JSON
    // plan, a PDF, another program's file) opens only when the user says so.
    if (status.code == ErrorCode::kNotDataFile) {
        const Lang lang = m_window.language();
        const std::string question =
            FillText(kOpenAnyway.in(lang), {Quoted(file.toStdString(), lang)});
        if (m_window.ShowMessage(question, kStyleQuestion + kDefaultSecond, "") != kMessageYes) {
            return;
        }
        status = OpenDataFile(LocalPath(file), opened, DataFileCheck::kAnyContent);
    }
    if (!status.ok()) {
        m_window.ShowMessage(status.message, kStyleError, "");
        return;
    }
    m_document.Commit({EditKind::kOpen, 0, 0, {}}, opened);
    m_document.MarkSaved();
    SetCaptionTo(file);
    NoteFile(m_planFile);
    m_window.channels().debugGrid().SelectChannel(1);
}

void PlanFileController::OpenBackup() {
    m_window.channels().memoryGrid().HideFrequencyEditor();
    if (!MaySaveChanges()) {
        return;
    }
    BackupDialog dialog(m_window.backupFolder(), m_window.document().languageFlag(), &m_window);
    const bool chosen =
        showBackupDialog ? showBackupDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (chosen && !dialog.chosenFile().isEmpty()) {
        OpenFile(dialog.chosenFile());
    }
}

void PlanFileController::SavePlan() {
    Save();
}

bool PlanFileController::Save() {
    // Save, Write and Print take an open entry first, as leaving it would; a refused entry
    // stops them.
    if (!m_window.channels().memoryGrid().EndEntry()) {
        return false;
    }
    for (;;) {
        QString file = chooseFile(true);
        if (file.isEmpty()) {
            return false;
        }
        // A name typed without an extension is a data file all the same.
        if (QFileInfo(file).suffix().isEmpty()) {
            file += ".DAT";
        }
        const auto image = EncodeImage(m_editor, m_window.language());
        if (!image.ok()) {
            m_window.ShowMessage(image.status().message, kStyleError, "");
            return false;
        }
        if (QFileInfo::exists(file)) {
            // A file that cannot be replaced (read-only, a pipe, a device) is refused at once.
            if (const Status ready = CheckDataFileSavable(LocalPath(file)); !ready.ok()) {
                m_window.ShowMessage(ready.message, kStyleError, "");
                return false;
            }
            const int answer = m_window.ShowMessage(
                m_window.Text(kReplaceFileQuestion).toStdString(), kStyleQuestion, "");
            if (answer == kMessageNo) {
                continue;  // choose again
            }
        }
        return WriteImage(file, image.value());
    }
}

bool PlanFileController::WriteImage(const QString& file, const RadioImage& image) {
    const Status saved = WriteDataFile(LocalPath(file), image);
    if (!saved.ok()) {
        m_window.ShowMessage(saved.message, kStyleError, "");
        return false;
    }
    m_document.MarkSaved();
    SetCaptionTo(file);
    NoteFile(m_planFile);
    return true;
}

void PlanFileController::SaveToCurrentFile() {
    if (m_planFile.isEmpty() || !m_window.channels().memoryGrid().EndEntry()) {
        return;
    }
    const auto image = EncodeImage(m_editor, m_window.language());
    if (!image.ok()) {
        m_window.ShowMessage(image.status().message, kStyleError, "");
        return;
    }
    // The file may have become read-only, or another kind of file, since it was opened.
    if (QFileInfo::exists(m_planFile)) {
        if (const Status ready = CheckDataFileSavable(LocalPath(m_planFile)); !ready.ok()) {
            m_window.ShowMessage(ready.message, kStyleError, "");
            return;
        }
    }
    WriteImage(m_planFile, image.value());
}

void PlanFileController::OpenRecent(const QString& file) {
    m_window.channels().memoryGrid().HideFrequencyEditor();
    if (MaySaveChanges()) {
        OpenFile(file);
    }
}

QStringList PlanFileController::recentFiles() const {
    return m_window.userSettings().value(kRecentFilesKey).toStringList();
}

void PlanFileController::ForgetMissingFiles() {
    QStringList files = recentFiles();
    files.removeIf([](const QString& file) { return !QFileInfo::exists(file); });
    m_window.userSettings().setValue(kRecentFilesKey, files);
}

void PlanFileController::NoteFile(const QString& file) {
    std::vector<std::string> paths;
    for (const QString& path : recentFiles()) {
        paths.push_back(path.toStdString());
    }
    QStringList files;
    for (const std::string& path : WithRecentFile(paths, file.toStdString())) {
        files << QString::fromStdString(path);
    }
    QSettings& settings = m_window.userSettings();
    settings.setValue(kRecentFilesKey, files);
    settings.setValue(kFileFolderKey, QFileInfo(file).absolutePath());
}

FileDialogRequest PlanFileController::DataFileRequest(bool save) const {
    // Save asks about replacing a file itself, in the program's own words.
    FileDialogRequest request;
    request.filter = kFileFilter;
    request.save = save;
    request.confirmOverwrite = false;
    request.folder = m_window.userSettings().value(kFileFolderKey).toString();
    if (save && !m_planFile.isEmpty()) {
        request.fileName = QFileInfo(m_planFile).fileName();
    }
    for (const QString& file : recentFiles()) {
        const QUrl folder = QUrl::fromLocalFile(QFileInfo(file).absolutePath());
        if (QFileInfo(QFileInfo(file).absolutePath()).isDir() && !request.places.contains(folder)) {
            request.places << folder;
        }
    }
    return request;
}

// The memory channels of a CHIRP CSV file come into the editor as one undoable step; the
// report says which rows were skipped and why.
QString PlanFileController::ChooseCsvFile(bool save) {
    const Lang lang = m_window.language();
    // The dialog adds ".csv" to a bare name before it asks about replacing a file.
    FileDialogRequest request;
    request.caption = Translated(save ? kExportChannelsTitle : kImportChannelsTitle, lang);
    request.filter = Translated(kCsvFilterText, lang);
    request.save = save;
    request.defaultSuffix = "csv";
    return ChooseFileName(&m_window, request);
}

void PlanFileController::ImportCsv() {
    // A typed entry is a change of its own, before the import.
    if (!m_window.channels().memoryGrid().EndEntry()) {
        return;
    }
    const QString file = chooseCsv(false);
    if (file.isEmpty()) {
        return;
    }
    const Lang lang = m_window.language();
    const auto text = ReadCsvFile(LocalPath(file));
    if (!text.ok()) {
        m_window.ShowMessage(text.status().message, kStyleError, "");
        return;
    }
    const auto import =
        ImportChirpCsv(text.value(), m_editor, QFileInfo(file).fileName().toStdString(),
                       m_window.settingsPanel().band());
    if (!import.ok()) {
        m_window.ShowMessage(import.status().message, kStyleError, "");
        return;
    }
    m_document.Commit({EditKind::kImport, 0, 0, {}}, import.value().editor);
    m_window.ShowMessage(Joined(ImportReport(import.value(), lang)),
                         import.value().skipped.empty() ? kStyleNotice : kStyleWarning, "");
}

void PlanFileController::ExportCsv() {
    if (!m_window.channels().memoryGrid().EndEntry()) {
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
        m_window.ShowMessage(written.message, kStyleError, "");
        return;
    }
    if (!csv.leftOut.empty()) {
        std::vector<std::string> lines;
        for (const Message& message : csv.leftOut) {
            lines.push_back(Worded(message, m_window.language()));
        }
        m_window.ShowMessage(Joined(lines), kStyleWarning, "");
    }
}

// The editor holds no header and none of the bytes the program does not use, so it is compared
// as Save would write it: its encoding in a data file of its own. "Other bytes" are then the
// bytes of the chosen file that saving the editor would write differently although the editor
// does not hold them: a header other than the program's, and unknown bytes that are not fill.
void PlanFileController::CompareWithFile() {
    // An open entry is part of the editor, as for Save; a refused one stops the comparison.
    if (!m_window.channels().memoryGrid().EndEntry()) {
        return;
    }
    // A cell the encoder refuses has no bytes to compare: say so, as Save would.
    const auto image = EncodeImage(m_editor, m_window.language());
    if (!image.ok()) {
        m_window.ShowMessage(image.status().message, kStyleError, "");
        return;
    }
    const QString file = chooseFile(false);
    if (file.isEmpty()) {
        return;
    }
    const auto content = ReadDataFileBytes(LocalPath(file));
    if (!content.ok()) {
        m_window.ShowMessage(content.status().message, kStyleError, "");
        return;
    }
    CompareDialog dialog(CompareDataFiles(DataFileBytes(image.value()), content.value()), file,
                         m_window.document().languageFlag(), &m_window);
    if (showCompareDialog) {
        showCompareDialog(dialog);
    } else {
        dialog.exec();
    }
}

}  // namespace m742
