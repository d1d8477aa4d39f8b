// The commands on the plan's files, for the main window: New, Open, Open backup, the recent
// files, Save and Save to Current File of data files, the memory channels from and to CHIRP CSV
// files, the comparison with a data file, and the question asked before unsaved changes would be
// lost. The window's title names the plan's file.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "shell/qt/file_dialogs.h"

#include "radio_data/editor_state.h"
#include "radio_data/image.h"

namespace m742 {

class BackupDialog;
class CompareDialog;
class EditorDocument;
class MainWindow;

class PlanFileController {
public:
    explicit PlanFileController(MainWindow& window);

    void NewPlan();
    void OpenPlan();
    // Open's work once the file is chosen: also the program's FILE.DAT argument.
    void OpenFile(const QString& file);
    // Shows the backups of reads and writes; the one chosen opens as Open opens a file.
    void OpenBackup();
    void SavePlan();
    // Save with the file dialog; true when the plan was saved.
    bool Save();
    // Saves the plan to the file it came from (opened or saved last), without a dialog, with
    // Save's checks and messages. Nothing to do while the plan is no file's.
    void SaveToCurrentFile();
    // The data file the plan came from, absolute; empty after New, a read, or at start.
    const QString& planFile() const { return m_planFile; }
    // Opens one of the recent files, as Open opens the file chosen.
    void OpenRecent(const QString& file);
    // The data files last opened or saved, newest first, as the user's settings keep them.
    QStringList recentFiles() const;
    void ForgetMissingFiles();
    // What the file dialog of Open (save false) or Save shows: the folder last used, the plan's
    // file name to save under, the recent files' folders beside.
    FileDialogRequest DataFileRequest(bool save) const;
    // Asks whether to save unsaved changes before a command would lose them: true when the
    // command may go on (saved, nothing to lose, or not to be saved), false when it stops.
    // `kept` copies into an editor the parts the command leaves alone; changes there are safe.
    bool MaySaveChanges(const std::function<void(EditorState&, const EditorState&)>& kept = {});

    // The memory channels from and to CHIRP CSV files. An import is one undoable step and
    // reports the rows it skipped.
    void ImportCsv();
    void ExportCsv();

    // "Compare with File…": the editor as Save would write it against a data file chosen with
    // chooseFile, in a dialog in the interface language.
    void CompareWithFile();

    // The title names the plan's file; the empty name gives the window's own caption.
    void SetCaptionTo(const QString& file);
    // The title again after a change of language, when it names a file.
    void RewordCaption();

    // Chooses the file for "Open" (save false) and "Save" (save true); the empty text is
    // Cancel. Tests put their own chooser here.
    std::function<QString(bool save)> chooseFile;
    // Chooses the CSV file to import (save false) or export to; the empty text is Cancel.
    // Tests put their own here.
    std::function<QString(bool save)> chooseCsv;
    // Shows the "Open backup" dialog; true when a backup was chosen. Tests put their own here.
    std::function<bool(BackupDialog&)> showBackupDialog;
    // Shows the comparison's dialog. Tests put their own here.
    std::function<void(CompareDialog&)> showCompareDialog;

private:
    QString ChooseCsvFile(bool save);
    // Writes the plan's image to `file`, which becomes the plan's file; false, said, when it
    // cannot be written.
    bool WriteImage(const QString& file, const RadioImage& image);
    // `file` was opened or saved: first of the recent files, its folder the dialogs'.
    void NoteFile(const QString& file);

    MainWindow& m_window;
    EditorDocument& m_document;
    const EditorState& m_editor;
    QString m_planFile;  // the data file the title names, absolute; empty: none
};

}  // namespace m742
