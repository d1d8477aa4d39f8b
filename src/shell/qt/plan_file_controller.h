// The commands on the plan's files, for the main window: New, Open, Open backup and Save of
// data files, the memory channels from and to CHIRP CSV files, the comparison with a data file,
// and the question asked before unsaved changes would be lost. The window's title names the
// plan's file.
#pragma once

#include <QString>
#include <functional>

#include "radio_data/editor_state.h"

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

    MainWindow& m_window;
    EditorDocument& m_document;
    const EditorState& m_editor;
    QString m_planFile;  // the data file the title names, absolute; empty: none
};

}  // namespace m742
