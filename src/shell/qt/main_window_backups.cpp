// The main window's backups and its verify after a write. Every read keeps a copy of what the
// radio held and every write a copy of what it is about to send, in the folder the
// command-line tool uses; "Open backup" opens one of them as "Open" opens a file. With
// "Verify after write" on, a completed write is followed by a read of the radio whose image
// is compared with what was sent; the editor keeps its contents.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTimer>

#include "radio_link/write_verify.h"
#include "shell/qt/backup_dialog.h"
#include "shell/qt/main_window.h"
#include "shell/qt/user_settings.h"
#include "texts/backup_texts.h"
#include "texts/message_style.h"
#include "texts/message_text.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {

// Between a write's end frame and the read-back's handshake: the radio finishes storing.
constexpr int kVerifyPauseMs = 500;
// A radio that lost its whole plan differs everywhere; the box shows this many lines.
constexpr std::size_t kDifferencesShown = 20;

QString Of(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

void MainWindow::BuildBackupMenus(QMenu* file, QMenu* programming) {
    auto* open = new QAction(this);
    open->setObjectName("mnuOpenBackup");
    connect(open, &QAction::triggered, this, [this] { OpenBackup(); });
    file->insertAction(findChild<QAction*>("mnuAssave"), open);

    m_verify = new QAction(this);
    m_verify->setObjectName("mnuVerify");
    m_verify->setCheckable(true);
    m_verify->setChecked(m_settings->value(kVerifyAfterWriteKey, false).toBool());
    connect(m_verify, &QAction::triggered, this,
            [this](bool checked) { SetVerifyAfterWrite(checked); });
    programming->addSeparator();
    programming->addAction(m_verify);
}

bool MainWindow::VerifyAfterWrite() const {
    return m_verify->isChecked();
}

void MainWindow::SetVerifyAfterWrite(bool verify) {
    m_verify->setChecked(verify);
    m_settings->setValue(kVerifyAfterWriteKey, verify);
    m_settings->sync();
}

void MainWindow::OpenBackup() {
    HideFrequencyEditor();
    if (!MaySaveChanges()) {
        return;
    }
    BackupDialog dialog(m_backupFolder, m_editor.LanguageFlag, this);
    const bool chosen =
        showBackupDialog ? showBackupDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (chosen && !dialog.chosenFile().isEmpty()) {
        OpenFile(dialog.chosenFile());
    }
}

void MainWindow::KeepBackupOf(const RadioImage& image, BackupKind kind) {
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    const KeptBackup kept = KeepBackup(m_backupFolder, image, kind, BackupStampNow());
    if (kept.ok()) {
        return;
    }
    // Told once the exchange has ended: the radio is waiting now.
    const Bilingual& text = kind == BackupKind::kRead ? kReadBackupNotKept : kWriteBackupNotKept;
    m_backupWarning =
        Of(FillText(text.in(lang), {m_backupFolder.string(), Worded(*kept.reason, lang)}));
}

bool MainWindow::TakeReadBack(const ImageHex& image) {
    if (!m_verifying) {
        return false;
    }
    m_readBack = ImageFromHex(image);
    if (m_readBack) {
        KeepBackupOf(*m_readBack, BackupKind::kRead);
    }
    return true;
}

void MainWindow::ExchangeFinished(ExchangeOutcome outcome) {
    // A completed write leaves the radio holding the plan it sent: unless the plan has changed
    // since, there is nothing left to save.
    if (outcome == ExchangeOutcome::kCompleted && m_exchange->Mode == 'W' &&
        m_writeStep == m_document->undoStack().index()) {
        m_document->MarkSaved();
    }
    m_writeStep = -1;
    const bool write = m_exchange->Mode == 'W';
    switch (outcome) {
        case ExchangeOutcome::kCompleted:
            ShowOutcome(write ? &kWriteDone : &kReadDone);
            break;
        case ExchangeOutcome::kPasswordRefused:
            ShowOutcome(&kPasswordRefusedOutcome);
            break;
        case ExchangeOutcome::kEncodeRefused:
            ShowOutcome(&kWriteNotSent);
            break;
        case ExchangeOutcome::kCommunicationError:
            ShowOutcome(write ? &kWriteFailed : &kReadFailed);
            break;
        case ExchangeOutcome::kPortNotOpen:
            ShowOutcome(&kPortNotOpenOutcome);
            break;
        case ExchangeOutcome::kNone:
            break;
    }
    if (m_verifying) {
        m_verifying = false;
        FinishVerify(outcome);
    } else if (outcome == ExchangeOutcome::kCompleted && m_exchange->Mode == 'W' &&
               VerifyAfterWrite()) {
        m_sent = ImageFromHex(m_exchange->WriteHex);
        m_sentUnlocked = PowerUnlock() == 1;
        QTimer::singleShot(kVerifyPauseMs, this, [this] { StartVerify(); });
    }
    if (!m_backupWarning.isEmpty()) {
        ShowLater(m_backupWarning);
        m_backupWarning.clear();
    }
}

// After the exchange's own ending and its own message, if it has one.
void MainWindow::ShowLater(const QString& text) {
    QTimer::singleShot(0, this,
                       [this, text] { ShowMessage(text.toStdString(), kStyleWarning, ""); });
}

void MainWindow::StartVerify() {
    if (!m_sent) {
        return;
    }
    m_verifying = true;
    m_readBack.reset();
    m_exchange->ReadRadio();
}

void MainWindow::FinishVerify(ExchangeOutcome outcome) {
    const std::optional<RadioImage> sent = std::exchange(m_sent, std::nullopt);
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    if (outcome != ExchangeOutcome::kCompleted || !sent || !m_readBack) {
        ShowOutcome(&kVerifyNotDoneOutcome);
        ShowLater(Of(kVerifyNotDone.in(lang)));
        return;
    }
    const std::vector<std::string> differences =
        WriteDifferences(*sent, *m_readBack, m_sentUnlocked, lang);
    m_readBack.reset();
    if (differences.empty()) {
        SetStatusText(kVerifyPassed.in(lang));
        ShowOutcome(&kVerifyPassed);
        return;
    }
    SetStatusText(kVerifyFailedStatus.in(lang));
    ShowOutcome(&kVerifyFailedStatus);
    QString report =
        Of(FillText(kVerifyDifferences.in(lang), {std::to_string(differences.size())}));
    report += "\n";
    for (std::size_t i = 0; i < differences.size() && i < kDifferencesShown; ++i) {
        report += "\n" + Of(differences[i]);
    }
    if (differences.size() > kDifferencesShown) {
        report += "\n" + Of(FillText(kMoreDifferences.in(lang),
                                     {std::to_string(differences.size() - kDifferencesShown)}));
    }
    ShowLater(report);
}

}  // namespace m742
