// The main window's "Compare with File…": the editor against a data file. The editor holds no
// header and none of the bytes the program does not use, so it is compared as "Save" would
// write it: its encoding in a data file of its own. "Other bytes" are then the bytes of the
// chosen file that saving the editor would write differently although the editor does not
// hold them: a header other than the program's, and unknown bytes that are not fill.
#include <QAction>
#include <QMenu>

#include "channel_editing/qt/memory_grid.h"
#include "plan_formats/plan_diff.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "shell/qt/compare_dialog.h"
#include "shell/qt/local_path.h"
#include "shell/qt/main_window.h"
#include "texts/message_style.h"
#include "texts/store_refusal.h"

namespace m742 {

void MainWindow::BuildCompareMenu(QMenu* file) {
    auto* compare = new QAction(this);
    compare->setObjectName("mnuCompare");
    connect(compare, &QAction::triggered, this, [this] { CompareWithFile(); });
    file->insertAction(findChild<QAction*>("mnuprint"), compare);
}

void MainWindow::CompareWithFile() {
    // An open entry is part of the editor, as for Save; a refused one stops the comparison.
    if (!m_memoryGrid->EndEntry()) {
        return;
    }
    // A cell the encoder refuses has no bytes to compare: say so, as Save would.
    const auto image = m742::EncodeImage(m_editor);
    if (!image.ok()) {
        ShowMessage(image.status().message, kStyleError, "");
        return;
    }
    const QString file = chooseFile(false);
    if (file.isEmpty()) {
        return;
    }
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    const auto content = ReadDataFileBytes(LocalPath(file));
    if (!content.ok()) {
        ShowMessage(content.status().message, kStyleError, "");
        return;
    }
    CompareDialog dialog(CompareDataFiles(DataFileBytes(image.value()), content.value(), lang),
                         file, m_editor.LanguageFlag, this);
    if (showCompareDialog) {
        showCompareDialog(dialog);
    } else {
        dialog.exec();
    }
}

}  // namespace m742
