#include "radio_link/exchange.h"

#include <algorithm>
#include <array>
#include <utility>

#include "radio_data/text_codes.h"
#include "texts/backup_texts.h"
#include "texts/exchange_texts.h"
#include "texts/message_text.h"

namespace m742 {

namespace {

const std::vector<std::uint8_t> kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'C'};
const std::vector<std::uint8_t> kIdentify = {'M', 0x02};
// The radio answers the handshake with bytes among which is 16h.
constexpr std::uint8_t kHandshakeReplyByte = 0x16;
// It answers the identify request with 8 bytes that hold these five in a row.
constexpr std::size_t kIdentifyReplyLength = 8;
constexpr std::array<std::uint8_t, 5> kIdentifyMarker = {0x00, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::uint8_t kReadRequest = 'R';
constexpr std::uint8_t kBlock = 'W';
constexpr int kBlockLength = 8;
// 'W' AH AL 08h and the eight data bytes.
constexpr std::size_t kBlockHeaderLength = 4;
constexpr std::size_t kBlockFrameLength = kBlockHeaderLength + kBlockLength;
constexpr int kImageEnd = 0x400;
// The radio keeps its password in the first six bytes, FFh where there is none.
constexpr std::size_t kPasswordLength = 6;
// No reply is longer than a block.
constexpr std::size_t kLongestReply = kBlockFrameLength;

std::uint8_t High(int address) {
    return static_cast<std::uint8_t>(address >> 8);
}

std::uint8_t Low(int address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

bool IsAcknowledge(const std::vector<std::uint8_t>& reply) {
    return reply.size() == 1 && reply[0] == kAcknowledge;
}

}  // namespace

Exchange::Exchange(SerialControl& port, PortSelection& ports, ExchangeListener& listener)
    : m_port(port), m_ports(ports), m_listener(listener) {}

Message ExchangeListener::PortNotOpenText() const {
    return Text(kPortNotOpen);
}

void Exchange::ReadRadio() {
    Start(ExchangeMode::kRead);
}

void Exchange::WriteRadio() {
    Start(ExchangeMode::kWrite);
}

void Exchange::Start(ExchangeMode mode) {
    m_mode = mode;
    m_phase = Phase::kIdentify;
    m_ports.OpenCom();
    if (!m_port.PortOpen()) {
        const OpenError error = m_port.LastOpenError();
        Message message;
        if (error == OpenError::kBusy && m_ports.PortNumber() != 0) {
            // Held by another program: what choosing the port in the menu says.
            message =
                ComPortMessage(m_ports.PortNumber(), error, m_port.DeviceName(), PresentComPorts());
        } else {
            message = m_listener.PortNotOpenText();
            Message cause = OpenFailureCause(error, m_ports.PortNumber(), m_port.DeviceName(),
                                             PresentComPorts());
            if (!cause.empty()) {
                message =
                    Concatenated({Inner(std::move(message)), "\n\n", Inner(std::move(cause))});
            }
        }
        m_outcome = ExchangeOutcome::kPortNotOpen;
        m_listener.ExchangeFinished(m_outcome);
        m_listener.ExchangeFailed(m_outcome, message);
        return;
    }
    m_outcome = ExchangeOutcome::kNone;
    m_listener.SetIdle(false);
    m_ended = false;
    m_blockAddress = 0;
    m_retryTicks = 0;
    m_lingerTicks = 0;
    m_identifyRequests = 0;
    Send(kHandshake);
    if (m_ended) {
        return;  // the port failed at once
    }
    m_listener.ShowStatus(Text(mode == ExchangeMode::kRead ? kReadingStatus : kWritingStatus));
    m_listener.SetTimerEnabled(ExchangeTimer::kStatusBlink, true);
    m_listener.SetTimerEnabled(ExchangeTimer::kWatchdog, true);
    m_listener.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, true);
}

void Exchange::Send(std::vector<std::uint8_t> frame) {
    m_lastSent = std::move(frame);
    SendAgain();
}

// Every transmission starts the reply afresh and the watchdog's count from 0.
void Exchange::SendAgain() {
    m_received.clear();
    m_watchdogTicks = 0;
    if (!m_port.Output(m_lastSent) && !m_ended) {
        // A transmission that cannot go out will never be answered: end now rather than
        // wait for the watchdog.
        CommunicationError();
    }
}

void Exchange::OnBytesReceived(std::span<const std::uint8_t> bytes) {
    // Bytes beyond the longest reply never make one, so a flood need not grow the reply
    // without end: its tail is kept, still too long to be a reply.
    if (m_received.size() > 4 * kLongestReply) {
        m_received.erase(m_received.begin(),
                         m_received.end() - static_cast<std::ptrdiff_t>(2 * kLongestReply));
    }
    m_received.insert(m_received.end(), bytes.begin(), bytes.end());
    if (m_ended) {
        // A lone acknowledge, or anything else, after the end: nothing more to do. The port
        // is closed at every ending, so nothing else should come.
        return;
    }
    m_listener.ShowProgress(m_blockAddress);
    if (m_phase == Phase::kIdentify) {
        OnIdentifyPhase();
    } else if (m_mode == ExchangeMode::kWrite) {
        OnWriteTransfer();
    } else {
        OnReadTransfer();
    }
}

void Exchange::OnIdentifyPhase() {
    const bool handshakeReply =
        std::find(m_received.begin(), m_received.end(), kHandshakeReplyByte) != m_received.end();
    if (handshakeReply && m_identifyRequests <= kIdentifyRepeats) {
        m_retryTicks = kRetryStopped;
        ++m_identifyRequests;
        Send(kIdentify);
        return;
    }
    if (m_received.size() != kIdentifyReplyLength ||
        std::search(m_received.begin(), m_received.end(), kIdentifyMarker.begin(),
                    kIdentifyMarker.end()) == m_received.end()) {
        return;  // more bytes may follow
    }
    if (m_mode == ExchangeMode::kWrite) {
        Outcome<RadioImage> image = m_listener.ImageToWrite();
        if (m_ended) {
            return;  // a listener that let the watchdog end it meanwhile
        }
        if (!image.ok()) {
            BreakOff(ExchangeOutcome::kEncodeRefused, image.status().message);
            return;
        }
        m_imageToWrite = image.value();
    }
    m_listener.ShowProgress(0);
    m_listener.SetProgressVisible(true);
    m_phase = Phase::kTransfer;
    m_blockAddress = 0;
    m_bytesRead.clear();
    Send({kAcknowledge});
}

void Exchange::OnWriteTransfer() {
    if (!IsAcknowledge(m_received)) {
        return;
    }
    // The write skips 210h-3AFh and 3D0h-3EFh, and the last 16 bytes (voice prompt language
    // and power levels) unless the power parameters are unlocked.
    if (m_blockAddress == kChannelBlocksEnd) {
        m_blockAddress = kSettingsBlocksStart;
    }
    if (m_blockAddress == kSettingsBlocksEnd) {
        m_blockAddress = kPowerBlocksStart;
    }
    if (!m_listener.PowerUnlocked() && m_blockAddress == kPowerBlocksStart) {
        m_blockAddress = kImageEnd;
    }
    if (m_blockAddress >= kImageEnd) {
        m_listener.ShowStatus(Text(kWriteSucceeded));
        m_listener.SetProgressVisible(false);
        Close(ExchangeOutcome::kCompleted);
        m_listener.ExchangeFinished(m_outcome);
        return;
    }
    SendNextBlock();
}

void Exchange::SendNextBlock() {
    std::vector<std::uint8_t> frame = {kBlock, High(m_blockAddress), Low(m_blockAddress),
                                       kBlockLength};
    const auto data = m_imageToWrite.begin() + m_blockAddress;
    frame.insert(frame.end(), data, data + kBlockLength);
    m_blockAddress += kBlockLength;
    Send(std::move(frame));
}

void Exchange::SendReadRequest() {
    const std::vector<std::uint8_t> request = {kReadRequest, High(m_blockAddress),
                                               Low(m_blockAddress), kBlockLength};
    m_blockAddress += kBlockLength;
    Send(request);
}

void Exchange::OnReadTransfer() {
    // Every block up to the one requested has arrived: then the radio's acknowledge is due,
    // before that the block. A stray acknowledge while a block is due, or a block that comes
    // twice, would shift the image; both are left unanswered.
    const bool blockDue =
        m_bytesRead.size() + kBlockLength == static_cast<std::size_t>(m_blockAddress);
    if (IsAcknowledge(m_received)) {
        if (blockDue) {
            return;
        }
        if (m_blockAddress < kImageEnd) {
            SendReadRequest();
            return;
        }
        RadioImage image{};
        std::copy(m_bytesRead.begin(), m_bytesRead.end(), image.begin());
        m_listener.ImageRead(image);
        m_listener.ShowStatus(Text(kReadSucceeded));
        m_listener.SetProgressVisible(false);
        Close(ExchangeOutcome::kCompleted);
        m_listener.ExchangeFinished(m_outcome);
        return;
    }
    // A block is known by its length, its 'W' and its address; its length byte is taken as
    // it comes, as it always has been.
    const int requested = m_blockAddress - kBlockLength;
    if (!blockDue || m_received.size() != kBlockFrameLength || m_received[0] != kBlock ||
        m_received[1] != High(requested) || m_received[2] != Low(requested)) {
        return;  // more bytes may follow
    }
    const auto data = m_received.begin() + kBlockHeaderLength;
    if (requested == 0) {
        std::string password;
        std::for_each(data, data + kPasswordLength, [&password](std::uint8_t code) {
            if (code != 0xFF) {
                password += CharacterOfCode(code);
            }
        });
        if (password != m_listener.Password()) {
            m_listener.ShowStatus(Text(kPasswordInvalid));
            m_listener.SetProgressVisible(false);
            Close(ExchangeOutcome::kPasswordRefused);
            m_listener.ExchangeFinished(m_outcome);
            return;
        }
    }
    m_bytesRead.insert(m_bytesRead.end(), data, m_received.end());
    Send({kAcknowledge});
}

void Exchange::Close(ExchangeOutcome outcome) {
    m_ended = true;
    m_outcome = outcome;
    m_listener.SetTimerEnabled(ExchangeTimer::kWatchdog, false);
    m_listener.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, false);
    Send({kEndFrame});
    m_port.SetPortOpen(false);
}

void Exchange::BreakOff(ExchangeOutcome outcome, const Message& reason) {
    m_listener.HideStatus();
    m_listener.SetTimerEnabled(ExchangeTimer::kStatusBlink, false);
    m_listener.SetProgressVisible(false);
    Close(outcome);
    m_listener.SetIdle(true);
    m_listener.ExchangeFinished(outcome);
    m_listener.ExchangeFailed(outcome, reason);
}

void Exchange::OnHandshakeTick() {
    if (m_retryTicks == kRetryStopped) {
        m_retryTicks = 0;
        m_listener.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, false);
        return;
    }
    if (++m_retryTicks == kHandshakeRepeatTicks) {
        m_retryTicks = 0;
        SendAgain();  // the handshake once more, 2 s after the first
        m_listener.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, false);
    }
}

void Exchange::OnWatchdogTick() {
    if (++m_watchdogTicks <= kWatchdogTicks) {
        return;
    }
    m_watchdogTicks = 0;
    CommunicationError();
}

void Exchange::CommunicationError() {
    if (m_ended) {
        return;
    }
    Message message = Text(kCommunicationError);
    // Blocks already sent may be stored: the radio no longer holds its old plan for sure.
    if (BlocksSent()) {
        message = Concatenated({Inner(std::move(message)), "\n\n", &kPartlyWrittenNote});
    }
    BreakOff(ExchangeOutcome::kCommunicationError, message);
}

void Exchange::PortLost() {
    CommunicationError();
}

void Exchange::OnStatusBlinkTick() {
    m_listener.BlinkStatus();
    if (m_ended) {
        ++m_lingerTicks;
    }
    if (m_lingerTicks > kLingerTicks) {
        m_lingerTicks = 0;
        m_listener.HideStatus();
        m_listener.SetTimerEnabled(ExchangeTimer::kStatusBlink, false);
        m_listener.SetIdle(true);
    }
}

}  // namespace m742
