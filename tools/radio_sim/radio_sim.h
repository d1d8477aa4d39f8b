// A simulated M-742 on a pseudo-terminal: it answers the programming protocol from its own
// 1024-byte memory, at the true wire speed if asked, and can misbehave on purpose.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "radio_data/image.h"

namespace m742::sim {

enum class FaultKind {
    kNone,
    kSilent,            // answers nothing at all
    kNoHandshakeReply,  // ignores the handshake
    kBadIdentify,       // an identify reply without the model marker
    kBadAck,            // NAK (15h) instead of the acknowledge at a block
    kNoReply,           // no answer to a block's request or data
    kSplitBytes,        // every reply byte on its own, 2 ms apart
    kHangup,            // the line goes away at a block
    kGarbage,           // noise instead of the answer at a block
    // Acknowledges a written block but stores its first byte with the lowest bit flipped, as
    // a radio whose memory does not keep what it was sent.
    kCorruptWrite,
    // From the handshake to the end frame, a stream at the line speed and no answer: like a
    // radio stuck sending its handshake reply, or another device on the line.
    kFlood16,     // 16h bytes
    kFloodNoise,  // random bytes
};

struct Fault {
    FaultKind kind = FaultKind::kNone;
    int address = 0;  // the block the fault strikes at
};

// "bad-ack@0x3B0", "no-reply@944", "split-bytes", ...; nothing for an unknown fault.
std::optional<Fault> ParseFault(std::string_view text);

struct Options {
    RadioImage memory = BlankImage();
    std::optional<std::string> password;  // replaces bytes 000h-00Fh
    std::filesystem::path saveTo;         // memory saved here after each write exchange
    bool pacing = true;                   // 9600 baud 8N1: about 1.04 ms a byte each way
    int latencyMs = 0;                    // before each reply
    Fault fault;
};

class RadioSim {
public:
    explicit RadioSim(Options options);
    ~RadioSim();
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    // Opens the pseudo-terminal and starts answering. Returns the device path to open, or
    // the empty text (with `error` set) when no pseudo-terminal could be had.
    std::string Start(std::string* error = nullptr);
    void Stop();

    RadioImage Memory() const;
    int EndFrames() const { return m_endFrames.load(); }
    // Bytes that crossed the line, both directions, since the start.
    std::size_t BytesMoved() const { return m_bytesIn.load() + m_bytesOut.load(); }

    static constexpr std::chrono::nanoseconds kByteTime{1'041'667};  // 10 bits at 9600 baud

private:
    using Clock = std::chrono::steady_clock;

    void Run();
    void Handle(std::vector<std::uint8_t>& pending, Clock::time_point arrived);
    // Answers one complete frame; returns false when the line was hung up.
    bool Answer(const std::vector<std::uint8_t>& frame, Clock::time_point arrived);
    void Reply(const std::vector<std::uint8_t>& bytes, Clock::time_point frameEnd);
    bool FaultAt(FaultKind kind, int address) const;
    bool Floods() const;
    // Sends the flood bytes that are due by now.
    void Flood();
    void SaveMemory();

    Options m_options;
    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    mutable std::mutex m_mutex;  // guards m_memory
    RadioImage m_memory;
    bool m_wroteBlocks = false;
    Clock::time_point m_lineFree{};
    std::optional<Clock::time_point> m_floodStart;  // while flooding
    std::size_t m_floodSent = 0;
    std::uint32_t m_noise = 1;
    std::atomic<int> m_endFrames{0};
    std::atomic<std::size_t> m_bytesIn{0};
    std::atomic<std::size_t> m_bytesOut{0};
};

}  // namespace m742::sim
