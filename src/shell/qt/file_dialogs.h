// The program's file dialogs. They are Qt's own dialog, not the desktop's, so that they speak
// the interface language rather than the desktop's: Qt's texts come through the translations,
// and the list's sizes and dates are written in the interface language's locale (Qt's list
// writes them in the system's).
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class QFileDialog;
class QWidget;

namespace m742 {

struct FileDialogRequest {
    QString caption;
    QString filter;  // "M-742(*.DAT)"
    bool save = false;
    QString defaultSuffix;         // added to a name typed without one (Save only)
    bool confirmOverwrite = true;  // the dialog itself asks before a file is replaced
    QString folder;                // where the dialog opens; empty: the working folder
    QString fileName;              // the name filled in (Save only)
    QList<QUrl> places;            // folders added to the dialog's side bar
};

// Makes `dialog` one of the program's: Qt's own, its list in the interface language.
void FollowInterfaceLanguage(QFileDialog& dialog);

// Shows the dialog `request` describes over `parent`; the chosen file, or the empty text for
// Cancel.
QString ChooseFileName(QWidget* parent, const FileDialogRequest& request);

}  // namespace m742
