// Every read keeps a copy of what the radio held and every write a copy of what it is about to
// send, in the folder the command-line tool uses. With "Verify after write" on, a completed
// write is followed by a read of the radio whose image is compared with what was sent; the
// editor keeps its contents.
#include "shell/qt/radio_controller.h"

#include <QAction>
#include <QSettings>
#include <QTimer>
#include <utility>

#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/qt/memory_grid.h"
#include "radio_data/codec.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/main_window.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/status_line.h"
#include "shell/qt/user_settings.h"
#include "shell/qt/window_menus.h"
#include "texts/backup_texts.h"
#include "texts/message_style.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"
#include "texts/verify_report.h"
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

RadioController::RadioController(MainWindow& window, PlanFileController& planFiles,
                                 ExchangeIntervals intervals)
    : m_window(window),
      m_planFiles(planFiles),
      m_document(window.document()),
      m_editor(window.editor()),
      m_ports(window) {
    QtSerialControl& port = m_ports.serialPort();
    m_exchange = std::make_unique<Exchange>(port, m_ports.selection(), *this);
    m_timers = std::make_unique<QtExchangeTimers>(*m_exchange, intervals);
    port.onReceived = [this](std::span<const std::uint8_t> bytes) {
        m_exchange->OnBytesReceived(bytes);
    };
    port.onLost = [this] { m_exchange->PortLost(); };
}

RadioController::~RadioController() = default;

void RadioController::ReadRadio() {
    // A read keeps the password it is checked against.
    if (!m_planFiles.MaySaveChanges([](EditorState& editor, const EditorState& saved) {
            editor.password = saved.password;
        })) {
        return;
    }
    Start(ExchangeMode::kRead);
}

void RadioController::WriteRadio() {
    if (!m_window.channels().memoryGrid().EndEntry()) {
        return;
    }
    Start(ExchangeMode::kWrite);
}

void RadioController::Start(ExchangeMode mode) {
    m_window.channels().memoryGrid().HideFrequencyEditor();
    mode == ExchangeMode::kRead ? m_exchange->ReadRadio() : m_exchange->WriteRadio();
}

bool RadioController::VerifyAfterWrite() const {
    return m_window.menus().verifyItem().isChecked();
}

void RadioController::SetVerifyAfterWrite(bool verify) {
    m_window.menus().verifyItem().setChecked(verify);
    m_window.userSettings().setValue(kVerifyAfterWriteKey, verify);
    m_window.userSettings().sync();
}

// ExchangeListener

bool RadioController::PowerUnlocked() const {
    return m_window.dialogs().powerLock().PowerUnlock() != 0;
}

std::string RadioController::Password() const {
    return m_editor.password;
}

Outcome<RadioImage> RadioController::ImageToWrite() {
    auto image = m742::EncodeImage(m_editor, m_window.language());
    if (image.ok()) {
        KeepBackupOf(image.value(), BackupKind::kBeforeWrite);
        m_writeStep = m_document.undoStack().index();
        m_writing = image.value();
    }
    return image;
}

void RadioController::SetIdle(bool idle) {
    m_window.SetCommandsEnabled(idle);
}

void RadioController::SetTimerEnabled(ExchangeTimer timer, bool enabled) {
    m_timers->SetEnabled(timer, enabled);
}

void RadioController::ShowStatus(const Message& status) {
    m_window.statusLine().SetText(Worded(status, m_window.language()));
}

void RadioController::BlinkStatus() {
    StatusLine& line = m_window.statusLine();
    line.SetTextVisible(!line.TextVisible());
}

void RadioController::HideStatus() {
    m_window.statusLine().SetTextVisible(false);
}

void RadioController::ShowProgress(int bytes) {
    m_window.statusLine().SetProgress(bytes);
}

void RadioController::SetProgressVisible(bool visible) {
    m_window.statusLine().SetProgressVisible(visible);
}

void RadioController::ImageRead(const RadioImage& image) {
    if (m_verifying) {
        m_readBack = image;  // a verify's read-back leaves the editor alone
    } else {
        EditorState read = m_editor;
        m742::DecodeImage(image, read);
        m_document.Commit({EditKind::kRead, 0, 0, {}}, read);
        m_document.MarkSaved();
        m_planFiles.SetCaptionTo({});  // the plan read is no file's: Save to Current File is off
    }
    KeepBackupOf(image, BackupKind::kRead);
    m_window.channels().debugGrid().ShowDebugChannel();
}

// The last the exchange tells: the box may wait for the user in an event loop of its own.
void RadioController::ExchangeFailed(ExchangeOutcome outcome, const Message& reason) {
    m_window.ShowMessage(reason,
                         outcome == ExchangeOutcome::kPortNotOpen ? kStyleNotice : kStyleError, "");
}

void RadioController::ExchangeFinished(ExchangeOutcome outcome) {
    // A completed write leaves the radio holding the plan it sent: unless the plan has changed
    // since, there is nothing left to save.
    const bool write = m_exchange->mode() == ExchangeMode::kWrite;
    if (outcome == ExchangeOutcome::kCompleted && write &&
        m_writeStep == m_document.undoStack().index()) {
        m_document.MarkSaved();
    }
    m_writeStep = -1;
    const std::optional<RadioImage> written = std::exchange(m_writing, std::nullopt);
    switch (outcome) {
        case ExchangeOutcome::kCompleted:
            m_window.statusLine().ShowOutcome(write ? &kWriteDone : &kReadDone);
            break;
        case ExchangeOutcome::kPasswordRefused:
            m_window.statusLine().ShowOutcome(&kPasswordRefusedOutcome);
            break;
        case ExchangeOutcome::kEncodeRefused:
            m_window.statusLine().ShowOutcome(&kWriteNotSent);
            break;
        case ExchangeOutcome::kCommunicationError:
            m_window.statusLine().ShowOutcome(write ? &kWriteFailed : &kReadFailed);
            break;
        case ExchangeOutcome::kPortNotOpen:
            m_window.statusLine().ShowOutcome(&kPortNotOpenOutcome);
            break;
        case ExchangeOutcome::kNone:
            break;
    }
    if (m_verifying) {
        m_verifying = false;
        FinishVerify(outcome);
    } else if (outcome == ExchangeOutcome::kCompleted && write && VerifyAfterWrite()) {
        m_sent = written;
        m_sentUnlocked = m_window.dialogs().powerLock().PowerUnlock() == 1;
        QTimer::singleShot(kVerifyPauseMs, this, [this] { StartVerify(); });
    }
    if (!m_backupWarning.isEmpty()) {
        ShowLater(m_backupWarning);
        m_backupWarning.clear();
    }
}

// Backups and the verify after a write.

void RadioController::KeepBackupOf(const RadioImage& image, BackupKind kind) {
    const Lang lang = m_window.language();
    const KeptBackup kept = KeepBackup(m_window.backupFolder(), image, kind, BackupStampNow());
    if (kept.ok()) {
        return;
    }
    // Told once the exchange has ended: the radio is waiting now.
    const Bilingual& text = kind == BackupKind::kRead ? kReadBackupNotKept : kWriteBackupNotKept;
    m_backupWarning =
        Of(FillText(text.in(lang), {m_window.backupFolder().string(), Worded(*kept.reason, lang)}));
}

// After the exchange's own ending and its own message, if it has one.
void RadioController::ShowLater(const QString& text) {
    QTimer::singleShot(
        0, this, [this, text] { m_window.ShowMessage(text.toStdString(), kStyleWarning, ""); });
}

void RadioController::StartVerify() {
    if (!m_sent) {
        return;
    }
    m_verifying = true;
    m_readBack.reset();
    m_exchange->ReadRadio();
}

void RadioController::FinishVerify(ExchangeOutcome outcome) {
    const std::optional<RadioImage> sent = std::exchange(m_sent, std::nullopt);
    const Lang lang = m_window.language();
    if (outcome != ExchangeOutcome::kCompleted || !sent || !m_readBack) {
        m_window.statusLine().ShowOutcome(&kVerifyNotDoneOutcome);
        ShowLater(Of(kVerifyNotDone.in(lang)));
        return;
    }
    const std::vector<std::string> differences =
        WriteDifferences(*sent, *m_readBack, m_sentUnlocked, lang);
    m_readBack.reset();
    if (differences.empty()) {
        m_window.statusLine().SetText(kVerifyPassed.in(lang));
        m_window.statusLine().ShowOutcome(&kVerifyPassed);
        return;
    }
    m_window.statusLine().SetText(kVerifyFailedStatus.in(lang));
    m_window.statusLine().ShowOutcome(&kVerifyFailedStatus);
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
