// The read and write exchanges with the radio: an event-driven state machine. Bytes that
// arrive and timer ticks go in; frames, status texts and progress come out. Nothing here
// blocks or waits, so every timing rule can be driven tick by tick.
//
// Frames (tool -> radio unless marked):
//   handshake     02h 'P' 'R' 'O' 'G' 'R' 'C'
//   reply         (radio) any bytes whose hex text holds "16"
//   identify      'M' 02h
//   reply         (radio) 8 bytes whose hex text holds "00FFFFFF00"
//   acknowledge   06h, both ways
//   read request  'R' AH AL 08h
//   block         'W' AH AL 08h D0..D7 (radio -> tool when reading, tool -> radio when writing)
//   end           'E'
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/image.h"
#include "radio_link/port.h"
#include "radio_link/port_selection.h"
#include "texts/store_refusal.h"

namespace m742 {

enum class ExchangeTimer {
    kHandshakeRepeat,  // one repeat of the handshake
    kWatchdog,         // communication watchdog
    kStatusBlink,      // blinking status and the pause before the commands return
};
inline constexpr int kHandshakeRepeatInterval = 200;  // ms
inline constexpr int kWatchdogInterval = 300;         // ms
inline constexpr int kStatusBlinkInterval = 200;      // ms

enum class ExchangeOutcome {
    kNone,                // nothing ended yet
    kCompleted,           // every block moved
    kPasswordRefused,     // the radio's password differs from the password box
    kEncodeRefused,       // the editor could not be turned into an image
    kCommunicationError,  // watchdog, or the port failed
    kPortNotOpen,         // the exchange could not start
};

// What the exchange needs of the main window.
class ExchangeWindow {
public:
    virtual ~ExchangeWindow() = default;
    virtual int PowerUnlock() const = 0;           // 1 while the power levels are unlocked
    virtual std::string PasswordText() const = 0;  // Text2
    virtual void HideFrequencyEditor() = 0;        // Text1 of the memory grid
    virtual void SetStatusText(const Message& caption) = 0;  // Label20
    virtual void SetStatusVisible(bool visible) = 0;
    virtual bool StatusVisible() const = 0;
    virtual void SetProgress(int value) = 0;  // ProgressBar1, 0 to 1024
    virtual void SetProgressVisible(bool visible) = 0;
    // Toolbar1, the "Programming" menu and the read and write buttons.
    virtual void SetCommandsEnabled(bool enabled) = 0;
    virtual void SetTimerEnabled(ExchangeTimer timer, bool enabled) = 0;
    virtual int ShowMessage(const Message& text, int style, std::string_view title) = 0;
    // The editor as an image, or the empty text after the window has told the user why not.
    virtual ImageHex EncodeImage() = 0;
    virtual void DecodeImage(const ImageHex& image) = 0;
    virtual void ShowDebugChannel() = 0;
    // What to say when the port would not open (before its cause): the window asks the user
    // to choose one in the "Com Port" menu; the command-line tool names its option.
    virtual Message PortNotOpenText() const;
    // Told once when an exchange has ended, however it ended.
    virtual void ExchangeFinished(ExchangeOutcome) {}
};

class Exchange {
public:
    Exchange(SerialControl& port, PortSelection& ports, ExchangeWindow& window);

    void ReadRadio();
    void WriteRadio();

    // The bytes the port received since the last call, all of them.
    void OnBytesReceived(std::span<const std::uint8_t> bytes);
    void OnHandshakeTick();
    void OnWatchdogTick();
    void OnStatusBlinkTick();

    // The port failed under a running exchange (the device vanished): ends it at once, as
    // the watchdog would.
    void PortLost();

    // The exchange state, for the views and the tests.
    char Mode = 'R';         // 'R' read, 'W' write
    std::int16_t Phase = 1;  // 1 handshake and identification, 0 block transfer
    std::int16_t BlockAddr = 0;
    std::string BlockAddrHex;           // address of the block last requested or sent, 4 digits
    std::string RecvHex;                // bytes received since the last transmission, as hex text
    std::vector<std::uint8_t> SendBuf;  // the last transmission
    std::string ReadHex;                // blocks read so far
    ImageHex WriteHex;                  // the image being written
    bool ExchangeEnded = true;
    std::int16_t WatchdogTicks = 0;
    std::int16_t RetryTicks = 0;
    std::int16_t LingerTicks = 0;
    // Identify requests sent in this exchange.
    std::int16_t IdentifyCount = 0;

    ExchangeOutcome outcome() const { return m_outcome; }
    // A write that has sent blocks: once it stops, the radio may hold part of the new plan.
    bool BlocksSent() const { return Mode == 'W' && Phase == 0 && BlockAddr > 0; }

private:
    void Start(char mode);
    void SendBuffer();
    void Send(std::vector<std::uint8_t> frame);
    void OnHandshakePhase();
    void OnWriteTransfer();
    void OnReadTransfer();
    // Ends the exchange with the end frame; the caller has set what it shows.
    void End(ExchangeOutcome outcome);
    void CommunicationError();
    void SetBlockAddrHex();

    SerialControl& m_port;
    PortSelection& m_ports;
    ExchangeWindow& m_window;
    ExchangeOutcome m_outcome = ExchangeOutcome::kNone;
    // Counts exchanges: a message box runs the event loop, and the exchange it was shown
    // for may have ended, and another begun, before it returns.
    unsigned m_generation = 0;
};

// A reply holding 16h asks for the identify request again (the radio may answer the repeated
// handshake too, or put 16h in its identify reply), but only this often: a line that keeps
// sending 16h must not keep the exchange alive past the watchdog.
inline constexpr int kIdentifyRepeats = 2;

// What a write sends: the blocks from 000h up to kChannelBlocksEnd (channels, debug channels),
// from kSettingsBlocksStart up to kSettingsBlocksEnd (the settings), and from kPowerBlocksStart
// to the end of the image (voice prompt language, power levels) only while the power parameters
// are unlocked. A read brings the whole image.
inline constexpr int kChannelBlocksEnd = 0x210;
inline constexpr int kSettingsBlocksStart = 0x3B0;
inline constexpr int kSettingsBlocksEnd = 0x3D0;
inline constexpr int kPowerBlocksStart = 0x3F0;

// Tick counts. The handshake-repeat timer repeats the handshake once, kHandshakeRepeatTicks
// ticks after the first; RetryTicks set to kRetryStopped means the identify request has gone and
// the repeat is off. The watchdog ends the exchange after kWatchdogTicks ticks without a
// transmission; the status blink keeps blinking for kLingerTicks ticks after the end before the
// commands come back.
inline constexpr int kHandshakeRepeatTicks = 10;
inline constexpr int kRetryStopped = 50;
inline constexpr int kWatchdogTicks = 10;
inline constexpr int kLingerTicks = 10;

// The end frame is the only thing sent once an exchange has ended.
inline constexpr std::uint8_t kEndFrame = 0x45;
inline constexpr std::uint8_t kAcknowledge = 0x06;

}  // namespace m742
