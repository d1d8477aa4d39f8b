#include "shell/qt/backup_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "radio_data/backups.h"
#include "texts/backup_texts.h"

namespace m742 {

namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

BackupDialog::BackupDialog(const std::filesystem::path& folder, std::int16_t languageFlag,
                           QWidget* parent)
    : QDialog(parent) {
    const Lang lang = LanguageOf(languageFlag);
    const auto text = [lang](const Bilingual& texts) {
        const std::string_view t = texts.in(lang);
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    };
    setObjectName("frmBackups");
    setWindowTitle(text(kBackupDialogTitle));
    auto* layout = new QVBoxLayout(this);

    m_list = new QTreeWidget(this);
    m_list->setObjectName("lstBackups");
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({text(kBackupDateHeading), text(kBackupTimeHeading),
                             text(kBackupKindHeading), text(kBackupChannelsHeading)});
    for (const BackupEntry& backup : ListBackups(folder)) {
        QString channels;
        if (!backup.readable) {
            channels = text(kBackupUnreadable);
        } else if (backup.firstChannels.empty()) {
            channels = text(kBackupNoChannels);
        } else {
            for (const std::string& rx : backup.firstChannels) {
                channels += (channels.isEmpty() ? "" : ", ") + QString::fromStdString(rx);
            }
        }
        auto* item = new QTreeWidgetItem(
            m_list,
            {QString::fromStdString(backup.date()), QString::fromStdString(backup.time()),
             text(backup.kind == BackupKind::kRead ? kBackupKindRead : kBackupKindBeforeWrite),
             channels});
        item->setData(0, kPathRole, QString::fromStdString(backup.path.string()));
        item->setToolTip(0, QString::fromStdString(backup.path.filename().string()));
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    m_empty = new QLabel(text(kNoBackupsYet), this);
    m_empty->setObjectName("lblNoBackups");
    layout->addWidget(m_empty);
    const QString place = QString::fromStdString(folder.string());
    auto* where = new QLabel(text(kBackupsKeptIn).replace("%1", place), this);
    where->setObjectName("lblBackupFolder");
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);
    layout->addWidget(where);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(text(kOkButton), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName("cmdOK");
    QPushButton* cancel = buttons->addButton(text(kCancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cmdCancel");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { accept(); });

    const bool none = m_list->topLevelItemCount() == 0;
    m_list->setVisible(!none);
    m_empty->setVisible(none);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(!m_list->selectedItems().isEmpty()); });
    if (none) {
        m_ok->setEnabled(false);
        cancel->setDefault(true);
    } else {
        m_list->setCurrentItem(m_list->topLevelItem(0));
        m_list->setFocus();
    }
    resize(none ? 420 : 640, none ? 160 : 380);
}

QString BackupDialog::chosenFile() const {
    const QList<QTreeWidgetItem*> chosen = m_list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.front()->data(0, kPathRole).toString();
}

}  // namespace m742
