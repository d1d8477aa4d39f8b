#include "shell/qt/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStandardPaths>

namespace m742 {

namespace {

// The file list's columns, as QFileSystemModel has them.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

// Qt's file list, with each file's size and date written in the default locale, which the
// window sets to the interface language's.
class LocaleFileList : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr ||
            (index.column() != kSizeColumn && index.column() != kDateColumn)) {
            return QIdentityProxyModel::data(index, role);
        }
        const QModelIndex file = mapToSource(index);
        if (index.column() == kSizeColumn) {
            return files->isDir(file) ? QString() : QLocale().formattedDataSize(files->size(file));
        }
        return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
    }
};

}  // namespace

void FollowInterfaceLanguage(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new LocaleFileList(&dialog));
}

QString ChooseFileName(QWidget* parent, const FileDialogRequest& request) {
    // The working folder, as the original's dialogs. On Windows the Start menu starts the
    // program in its own folder, where the user may not write (C:\Program Files\M-742): then
    // the user's documents.
    QString folder = request.folder;
#ifdef _WIN32
    if (folder.isEmpty() && QDir::current() == QDir(QCoreApplication::applicationDirPath())) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
#endif
    QFileDialog dialog(parent, request.caption, folder, request.filter);
    FollowInterfaceLanguage(dialog);
    if (!request.places.isEmpty()) {
        dialog.setSidebarUrls(dialog.sidebarUrls() + request.places);
    }
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly);
    }
    if (request.save && !request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    // The name as the system writes it (C:\Users\... on Windows), in the title and the messages.
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? QDir::toNativeSeparators(dialog.selectedFiles().front())
               : QString();
}

}  // namespace m742
