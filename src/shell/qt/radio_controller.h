// The commands that talk to the radio, for the main window: read and write over the port the
// "Com Port" menu chose (port_menu.h), the exchange's listener and timers, the backups kept of
// every read and write, and the verify after a write. The window shows what the exchange reports in
// its status line, and its failures in message boxes.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "radio_data/backups.h"
#include "radio_data/image.h"
#include "radio_link/exchange.h"
#include "radio_link/qt/exchange_timers.h"
#include "shell/qt/port_menu.h"

namespace m742 {

class EditorDocument;
class MainWindow;
class PlanFileController;
struct EditorState;

class RadioController : public QObject, public ExchangeListener {
public:
    RadioController(MainWindow& window, PlanFileController& planFiles, ExchangeIntervals intervals);
    ~RadioController() override;
    RadioController(const RadioController&) = delete;
    RadioController& operator=(const RadioController&) = delete;

    void ReadRadio();
    void WriteRadio();
    // The port the exchanges use, as the "Com Port" menu chooses it.
    PortMenu& ports() { return m_ports; }

    // "Verify after write" in the Programming menu, kept in the user's settings.
    bool VerifyAfterWrite() const;
    void SetVerifyAfterWrite(bool verify);

    Exchange& exchange() { return *m_exchange; }

    // ExchangeListener
    bool PowerUnlocked() const override;
    std::string Password() const override;
    Outcome<RadioImage> ImageToWrite() override;
    void SetIdle(bool idle) override;
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override;
    void ShowStatus(const Message& status) override;
    void BlinkStatus() override;
    void HideStatus() override;
    void ShowProgress(int bytes) override;
    void SetProgressVisible(bool visible) override;
    void ImageRead(const RadioImage& image) override;
    void ExchangeFinished(ExchangeOutcome outcome) override;
    void ExchangeFailed(ExchangeOutcome outcome, const Message& reason) override;

private:
    // Closes the grid's frequency editor, then starts the exchange.
    void Start(ExchangeMode mode);
    void KeepBackupOf(const RadioImage& image, BackupKind kind);
    void StartVerify();
    void FinishVerify(ExchangeOutcome outcome);
    void ShowLater(const QString& text);

    MainWindow& m_window;
    PlanFileController& m_planFiles;
    EditorDocument& m_document;
    const EditorState& m_editor;
    int m_writeStep = -1;                 // the undo step whose plan a running write sends
    std::optional<RadioImage> m_writing;  // what a running write sends

    PortMenu m_ports;
    std::unique_ptr<Exchange> m_exchange;
    std::unique_ptr<QtExchangeTimers> m_timers;

    QString m_backupWarning;           // shown once the exchange has ended
    std::optional<RadioImage> m_sent;  // what a write sent, kept for its verify
    bool m_sentUnlocked = false;       // whether that write included the power parameters
    bool m_verifying = false;          // the read running is a verify's read-back
    std::optional<RadioImage> m_readBack;
};

}  // namespace m742
