// Feeds arbitrary byte streams and timer ticks (of enabled timers) to the exchange. It must never
// send anything but the protocol's frames, never send after its end frame, and always end -- by
// completion, refusal or the watchdog -- once the radio falls silent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "radio_link/fake_link.h"

namespace {

using m742::testing::Bytes;

bool IsBlockAddress(int address, bool unlockedWrite, char mode) {
    if (address < 0 || address > 0x3F8 || address % 8 != 0) {
        return false;
    }
    if (mode == 'R') {
        return true;
    }
    return address < 0x210 || (address >= 0x3B0 && address < 0x3D0) ||
           (unlockedWrite && address >= 0x3F0);
}

bool IsProtocolFrame(const Bytes& frame, bool unlocked, char mode) {
    static const Bytes kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'C'};
    static const Bytes kIdentify = {'M', 0x02};
    if (frame == kHandshake || frame == kIdentify || frame == Bytes{0x06} || frame == Bytes{0x45}) {
        return true;
    }
    const int address = frame.size() >= 3 ? frame[1] << 8 | frame[2] : -1;
    if (mode == 'R' && frame.size() == 4 && frame[0] == 'R' && frame[3] == 8) {
        return IsBlockAddress(address, unlocked, mode);
    }
    return mode == 'W' && frame.size() == 12 && frame[0] == 'W' && frame[3] == 8 &&
           IsBlockAddress(address, unlocked, mode);
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    m742::testing::Link link;
    const std::uint8_t setup = data[0];
    const char mode = (setup & 1) != 0 ? 'W' : 'R';
    link.listener.powerUnlocked = ((setup >> 1) & 1) != 0;
    link.listener.password = (setup & 4) != 0 ? "12" : "";
    const bool encodes = (setup & 8) == 0;
    link.listener.encode = [encodes] {
        return encodes ? m742::Outcome<m742::RadioImage>(m742::BlankImage())
                       : m742::testing::FakeListener::Refused();
    };
    if (mode == 'W') {
        link.exchange.WriteRadio();
    } else {
        link.exchange.ReadRadio();
    }

    // Events: 0-2 deliver 1-16 of the following bytes, 3 a watchdog tick, 4 a handshake
    // retry tick, 5 a status tick, others the radio's proper answer to the last frame.
    m742::RadioImage radio = m742::BlankImage();
    std::size_t at = 1;
    while (at < size) {
        const std::uint8_t event = data[at++];
        switch (event % 8) {
            case 0:
            case 1:
            case 2: {
                const std::size_t n = std::min<std::size_t>(event / 8 % 16 + 1, size - at);
                link.Feed(Bytes(data + at, data + at + n));
                at += n;
                break;
            }
            // A timer ticks only while it is enabled.
            case 3:
                if (link.listener.Timer(m742::ExchangeTimer::kWatchdog)) {
                    link.exchange.OnWatchdogTick();
                }
                break;
            case 4:
                if (link.listener.Timer(m742::ExchangeTimer::kHandshakeRepeat)) {
                    link.exchange.OnHandshakeTick();
                }
                break;
            case 5:
                if (link.listener.Timer(m742::ExchangeTimer::kStatusBlink)) {
                    link.exchange.OnStatusBlinkTick();
                }
                break;
            default:
                if (!link.port.sent.empty()) {
                    link.Feed(m742::testing::RadioAnswer(link.port.sent.back(), radio));
                }
                break;
        }
    }
    // The radio falls silent: the watchdog must end whatever is left.
    for (int tick = 0; tick < 12 && link.listener.Timer(m742::ExchangeTimer::kWatchdog); ++tick) {
        link.exchange.OnWatchdogTick();
    }
    Check(link.exchange.ended());
    Check(!link.port.open);
    Check(link.exchange.outcome() != m742::ExchangeOutcome::kNone);

    const auto& sent = link.port.sent;
    Check(!sent.empty() && sent.back() == Bytes{0x45});
    for (std::size_t i = 0; i < sent.size(); ++i) {
        Check(IsProtocolFrame(sent[i], link.listener.powerUnlocked, mode));
        // Nothing follows the end frame.
        Check(sent[i] != Bytes{0x45} || i + 1 == sent.size());
    }
    if (link.listener.decoded) {
        Check(link.exchange.outcome() == m742::ExchangeOutcome::kCompleted);
    }
    return 0;
}
