#include "radio_link/exchange.h"

#include <utility>

#include "radio_data/status.h"
#include "radio_data/text_codes.h"
#include "texts/backup_texts.h"
#include "texts/exchange_texts.h"
#include "texts/message_style.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"

namespace m742 {

namespace {

const std::vector<std::uint8_t> kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'C'};
const std::vector<std::uint8_t> kIdentify = {'M', 0x02};
constexpr std::uint8_t kReadRequest = 'R';
constexpr std::uint8_t kBlock = 'W';
constexpr std::uint8_t kBlockLength = 8;
constexpr int kImageEnd = 0x400;
// No reply is longer than a block: 12 bytes, 24 hex digits.
constexpr std::size_t kLongestReply = 24;

std::string Hex(std::uint8_t byte) {
    return Hex2(static_cast<std::int16_t>(byte));
}

int HexByte(std::string_view digits) {
    return std::stoi(std::string(digits), nullptr, 16);
}

}  // namespace

Exchange::Exchange(SerialControl& port, PortSelection& ports, ExchangeWindow& window)
    : m_port(port), m_ports(ports), m_window(window) {}

Message ExchangeWindow::PortNotOpenText() const {
    return Text(kPortNotOpen);
}

void Exchange::ReadRadio() {
    Start('R');
}

void Exchange::WriteRadio() {
    Start('W');
}

void Exchange::Start(char mode) {
    m_ports.OpenCom();
    m_window.HideFrequencyEditor();
    if (!m_port.PortOpen()) {
        const OpenError error = m_port.LastOpenError();
        Message message;
        if (error == OpenError::kBusy && m_ports.PortNumber() != 0) {
            // Held by another program: what choosing the port in the menu says.
            message =
                ComPortMessage(m_ports.PortNumber(), error, m_port.DeviceName(), PresentComPorts());
        } else {
            message = m_window.PortNotOpenText();
            Message cause = OpenFailureCause(error, m_ports.PortNumber(), m_port.DeviceName(),
                                             PresentComPorts());
            if (!cause.empty()) {
                message =
                    Concatenated({Inner(std::move(message)), "\n\n", Inner(std::move(cause))});
            }
        }
        m_outcome = ExchangeOutcome::kPortNotOpen;
        m_window.ShowMessage(message, kStyleNotice, "");
        m_window.ExchangeFinished(m_outcome);
        return;
    }
    ++m_generation;
    m_outcome = ExchangeOutcome::kNone;
    m_window.SetCommandsEnabled(false);
    RecvHex.clear();
    Mode = mode;
    ExchangeEnded = false;
    Phase = 1;
    RetryTicks = 0;
    LingerTicks = 0;
    IdentifyCount = 0;
    Send(kHandshake);
    if (ExchangeEnded) {
        return;  // the port failed at once
    }
    m_window.SetStatusText(Text(mode == 'R' ? kReadingStatus : kWritingStatus));
    m_window.SetTimerEnabled(ExchangeTimer::kStatusBlink, true);
    m_window.SetTimerEnabled(ExchangeTimer::kWatchdog, true);
    m_window.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, true);
}

void Exchange::Send(std::vector<std::uint8_t> frame) {
    SendBuf = std::move(frame);
    SendBuffer();
}

void Exchange::SendBuffer() {
    RecvHex.clear();
    WatchdogTicks = 0;
    if (!m_port.Output(SendBuf) && !ExchangeEnded) {
        // A transmission that cannot go out will never be answered: end now rather than
        // wait for the watchdog.
        CommunicationError();
    }
}

void Exchange::OnBytesReceived(std::span<const std::uint8_t> bytes) {
    // A text longer than any reply never matches one again, so a flood of bytes need not
    // grow it without end: its tail is kept, still too long to match and holding no 16h that
    // was not there.
    if (RecvHex.size() > 4 * kLongestReply) {
        RecvHex.erase(0, RecvHex.size() - 2 * kLongestReply);
    }
    for (std::uint8_t byte : bytes) {
        RecvHex += Hex(byte);
    }
    if (ExchangeEnded) {
        // A lone acknowledge, or anything else, after the end: nothing more to do. The port
        // is closed at every ending, so nothing else should come.
        return;
    }
    m_window.SetProgress(BlockAddr);
    if (Phase == 1) {
        OnHandshakePhase();
    } else if (Mode == 'W') {
        OnWriteTransfer();
    } else {
        OnReadTransfer();
    }
}

void Exchange::OnHandshakePhase() {
    if (IdentifyCount <= kIdentifyRepeats && RecvHex.find("16") != std::string::npos) {
        RetryTicks = kRetryStopped;
        ++IdentifyCount;
        Send(kIdentify);
        return;
    }
    if (RecvHex.size() != 16 || RecvHex.find("00FFFFFF00") == std::string::npos) {
        return;  // more bytes may follow
    }
    if (Mode == 'W') {
        const unsigned generation = m_generation;
        WriteHex = m_window.EncodeImage();
        if (generation != m_generation || ExchangeEnded) {
            return;  // ended (or replaced) while the encoder's message was open
        }
        if (!ImageFromHex(WriteHex)) {
            WriteHex.clear();
            End(ExchangeOutcome::kEncodeRefused);
            m_window.SetStatusVisible(false);
            m_window.SetTimerEnabled(ExchangeTimer::kStatusBlink, false);
            m_window.SetCommandsEnabled(true);
            return;
        }
    }
    m_window.SetProgress(0);
    m_window.SetProgressVisible(true);
    Phase = 0;
    BlockAddr = 0;
    ReadHex.clear();
    Send({kAcknowledge});
}

void Exchange::SetBlockAddrHex() {
    BlockAddrHex = Hex(static_cast<std::uint8_t>(BlockAddr >> 8)) +
                   Hex(static_cast<std::uint8_t>(BlockAddr & 0xFF));
}

void Exchange::OnWriteTransfer() {
    if (RecvHex != "06") {
        return;
    }
    // The write skips 210h-3AFh and 3D0h-3EFh, and the last 16 bytes (voice prompt language
    // and power levels) unless the power parameters are unlocked.
    if (BlockAddr == kChannelBlocksEnd) {
        BlockAddr = kSettingsBlocksStart;
    }
    if (BlockAddr == kSettingsBlocksEnd) {
        BlockAddr = kPowerBlocksStart;
    }
    if (m_window.PowerUnlock() == 0 && BlockAddr == kPowerBlocksStart) {
        BlockAddr = kImageEnd;
    }
    if (BlockAddr >= kImageEnd) {
        m_window.SetStatusText(Text(kWriteSucceeded));
        m_window.SetProgressVisible(false);
        End(ExchangeOutcome::kCompleted);
        return;
    }
    SetBlockAddrHex();
    std::vector<std::uint8_t> frame = {kBlock, static_cast<std::uint8_t>(BlockAddr >> 8),
                                       static_cast<std::uint8_t>(BlockAddr & 0xFF), kBlockLength};
    for (int i = 0; i < kBlockLength; ++i) {
        const auto at = static_cast<std::size_t>(2 * BlockAddr + 2 * i);
        frame.push_back(
            static_cast<std::uint8_t>(HexByte(std::string_view(WriteHex).substr(at, 2))));
    }
    BlockAddr = static_cast<std::int16_t>(BlockAddr + kBlockLength);
    Send(std::move(frame));
}

void Exchange::OnReadTransfer() {
    // ReadHex holds every block up to the one last requested once it has arrived: then the
    // radio's acknowledge is due, before that the block. A stray acknowledge while a block
    // is due, or a block that comes twice, would shift the image; both are left unanswered.
    const bool blockDue = ReadHex.size() + 16 == 2 * static_cast<std::size_t>(BlockAddr);
    if (RecvHex == "06") {
        if (blockDue) {
            return;
        }
        if (BlockAddr < kImageEnd) {
            SetBlockAddrHex();
            const std::vector<std::uint8_t> request = {
                kReadRequest, static_cast<std::uint8_t>(BlockAddr >> 8),
                static_cast<std::uint8_t>(BlockAddr & 0xFF), kBlockLength};
            BlockAddr = static_cast<std::int16_t>(BlockAddr + kBlockLength);
            Send(request);
            return;
        }
        m_window.DecodeImage(ReadHex);
        m_window.SetStatusText(Text(kReadSucceeded));
        m_window.ShowDebugChannel();
        m_window.SetProgressVisible(false);
        End(ExchangeOutcome::kCompleted);
        return;
    }
    if (!blockDue || RecvHex.size() != 24 || RecvHex.compare(0, 2, "57") != 0 ||
        RecvHex.compare(2, 4, BlockAddrHex) != 0) {
        return;  // more bytes may follow
    }
    if (BlockAddrHex == "0000") {
        // The radio keeps its password in the first six bytes, FFh where there is none.
        std::string password;
        for (std::size_t i = 0; i < 6; ++i) {
            const auto code = static_cast<std::uint8_t>(HexByte(RecvHex.substr(8 + 2 * i, 2)));
            if (code != 0xFF) {
                password += CharacterOfCode(code);
            }
        }
        if (password != m_window.PasswordText()) {
            m_window.SetStatusText(Text(kPasswordInvalid));
            m_window.SetProgressVisible(false);
            End(ExchangeOutcome::kPasswordRefused);
            return;
        }
    }
    ReadHex += RecvHex.substr(8, 16);
    Send({kAcknowledge});
}

void Exchange::End(ExchangeOutcome outcome) {
    ExchangeEnded = true;
    m_outcome = outcome;
    m_window.SetTimerEnabled(ExchangeTimer::kWatchdog, false);
    m_window.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, false);
    Send({kEndFrame});
    m_port.SetPortOpen(false);
    m_window.ExchangeFinished(outcome);
}

void Exchange::OnHandshakeTick() {
    if (RetryTicks == kRetryStopped) {
        RetryTicks = 0;
        m_window.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, false);
        return;
    }
    if (++RetryTicks == kHandshakeRepeatTicks) {
        RetryTicks = 0;
        SendBuffer();  // the handshake once more, 2 s after the first
        m_window.SetTimerEnabled(ExchangeTimer::kHandshakeRepeat, false);
    }
}

void Exchange::OnWatchdogTick() {
    if (++WatchdogTicks <= kWatchdogTicks) {
        return;
    }
    WatchdogTicks = 0;
    CommunicationError();
}

void Exchange::CommunicationError() {
    if (ExchangeEnded) {
        return;
    }
    RecvHex.clear();
    m_window.SetStatusVisible(false);
    m_window.SetTimerEnabled(ExchangeTimer::kStatusBlink, false);
    m_window.SetProgressVisible(false);
    // Blocks already sent may be stored: the radio no longer holds its old plan for sure.
    const bool partlyWritten = BlocksSent();
    End(ExchangeOutcome::kCommunicationError);
    Message message = Text(kCommunicationError);
    if (partlyWritten) {
        message = Concatenated({Inner(std::move(message)), "\n\n", &kPartlyWrittenNote});
    }
    m_window.ShowMessage(message, kStyleError, "");
    m_window.SetCommandsEnabled(true);
}

void Exchange::PortLost() {
    CommunicationError();
}

void Exchange::OnStatusBlinkTick() {
    m_window.SetStatusVisible(!m_window.StatusVisible());
    if (ExchangeEnded) {
        ++LingerTicks;
    }
    if (LingerTicks > kLingerTicks) {
        LingerTicks = 0;
        m_window.SetStatusVisible(false);
        m_window.SetTimerEnabled(ExchangeTimer::kStatusBlink, false);
        m_window.SetCommandsEnabled(true);
    }
}

}  // namespace m742
