// The read and write exchanges with the radio: an event-driven state machine. Bytes that
// arrive and timer ticks go in; frames go out to the port, and what there is to see -- the
// status text, the progress, the image read, a failure and the outcome -- goes to a listener.
// Nothing here blocks, waits or shows anything, so every timing rule can be driven tick by tick.
//
// Frames (tool -> radio unless marked):
//   handshake     02h 'P' 'R' 'O' 'G' 'R' 'C'
//   reply         (radio) bytes, one of them 16h
//   identify      'M' 02h
//   reply         (radio) 8 bytes, 00h FFh FFh FFh 00h among them
//   acknowledge   06h, both ways
//   read request  'R' AH AL 08h
//   block         'W' AH AL 08h D0..D7 (radio -> tool when reading, tool -> radio when writing)
//   end           'E'
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "radio_data/image.h"
#include "radio_data/status.h"
#include "radio_link/port.h"
#include "radio_link/port_selection.h"

namespace m742 {

enum class ExchangeMode { kRead, kWrite };

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

// What an exchange asks of whoever runs it (the window, the command-line tool, a test) and
// what it tells them. The exchange is in a consistent state whenever it calls. A listener
// neither feeds it bytes or ticks nor runs an event loop from within a call -- except in
// ExchangeFailed, the last call of a failed exchange, which may show a box that waits.
class ExchangeListener {
public:
    virtual ~ExchangeListener() = default;

    // Whether a write includes the voice prompt language and the power levels (3F0h-3FFh).
    virtual bool PowerUnlocked() const = 0;
    // What the radio's password must be for a read to go on past its first block.
    virtual std::string Password() const = 0;
    // The image a write sends, asked for once the radio has identified itself. A refusal ends
    // the write before its first block, and its message is the failure told.
    virtual Outcome<RadioImage> ImageToWrite() = 0;
    // What to say when the port would not open (before its cause): the window asks the user
    // to choose one in the "Com Port" menu; the command-line tool names its option.
    virtual Message PortNotOpenText() const;

    // False when an exchange begins; true once it has ended and its status has gone. Until
    // then no other exchange may begin.
    virtual void SetIdle(bool idle) = 0;
    virtual void SetTimerEnabled(ExchangeTimer timer, bool enabled) = 0;
    virtual void ShowStatus(const Message& status) = 0;
    // The status blinks: shown if hidden, hidden if shown.
    virtual void BlinkStatus() = 0;
    virtual void HideStatus() = 0;
    // The bytes moved so far, 0 to 1024.
    virtual void ShowProgress(int bytes) = 0;
    virtual void SetProgressVisible(bool visible) = 0;
    // A read brought the whole image, behind the right password.
    virtual void ImageRead(const RadioImage& image) = 0;
    // Told once when an exchange has ended, however it ended. The status may linger on after
    // it.
    virtual void ExchangeFinished(ExchangeOutcome outcome) = 0;
    // The exchange could not start, or broke off: the port would not open, the image to write
    // could not be made, or the radio stopped answering. `reason` is what to tell the user.
    // Told right after ExchangeFinished, when the exchange has nothing more to do.
    virtual void ExchangeFailed(ExchangeOutcome outcome, const Message& reason) = 0;
};

class Exchange {
public:
    Exchange(SerialControl& port, PortSelection& ports, ExchangeListener& listener);

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

    ExchangeMode mode() const { return m_mode; }
    // True while no exchange runs: none has begun, or the last one has sent its end frame.
    bool ended() const { return m_ended; }
    ExchangeOutcome outcome() const { return m_outcome; }
    // A write that has sent blocks: once it stops, the radio may hold part of the new plan.
    bool BlocksSent() const {
        return m_mode == ExchangeMode::kWrite && m_phase == Phase::kTransfer && m_blockAddress > 0;
    }
    // What a read has brought so far, block by block in address order.
    const std::vector<std::uint8_t>& bytesRead() const { return m_bytesRead; }

private:
    enum class Phase { kIdentify, kTransfer };  // handshake and identification; the blocks

    void Start(ExchangeMode mode);
    void Send(std::vector<std::uint8_t> frame);
    void SendAgain();
    void OnIdentifyPhase();
    void OnWriteTransfer();
    void OnReadTransfer();
    void SendReadRequest();
    void SendNextBlock();
    // Sends the end frame and closes the port; what the ending shows is the caller's.
    void Close(ExchangeOutcome outcome);
    // An ending with a message: the status goes at once and the commands come back.
    void BreakOff(ExchangeOutcome outcome, const Message& reason);
    void CommunicationError();

    SerialControl& m_port;
    PortSelection& m_ports;
    ExchangeListener& m_listener;
    ExchangeMode m_mode = ExchangeMode::kRead;
    Phase m_phase = Phase::kIdentify;
    bool m_ended = true;
    ExchangeOutcome m_outcome = ExchangeOutcome::kNone;
    // The next block to request or send, 0 to 400h in steps of 8; while a read waits for a
    // block, the one before it is the block requested.
    int m_blockAddress = 0;
    std::vector<std::uint8_t> m_received;  // every byte since the last transmission
    std::vector<std::uint8_t> m_lastSent;  // kept so that the handshake can go again
    std::vector<std::uint8_t> m_bytesRead;
    RadioImage m_imageToWrite{};
    int m_watchdogTicks = 0;  // since the last transmission
    int m_retryTicks = 0;     // of the handshake repeat; kRetryStopped once identify has gone
    int m_lingerTicks = 0;    // status blinks since the end
    int m_identifyRequests = 0;
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
// ticks after the first; its count set to kRetryStopped means the identify request has gone and
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
