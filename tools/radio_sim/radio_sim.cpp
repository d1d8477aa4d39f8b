#include "radio_sim/radio_sim.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <random>

#include "radio_data/data_file.h"
#include "texts/message_text.h"

namespace m742::sim {

namespace {

// Frame lengths by their first byte; anything else is line noise and dropped.
int FrameLength(std::uint8_t first) {
    switch (first) {
        case 0x02:
            return 7;  // handshake 02h "PROGRC"
        case 'M':
            return 2;  // identify
        case 0x06:
            return 1;  // acknowledge
        case 'R':
            return 4;  // read request
        case 'W':
            return 12;  // block
        case 'E':
            return 1;  // end
        default:
            return 0;
    }
}

const std::vector<std::uint8_t> kHandshakeReply = {0x06, 0x16};
// The model, then the marker 00 FF FF FF 00 the tool looks for.
const std::vector<std::uint8_t> kIdentifyReply = {'M', '7', '4', 0x00, 0xFF, 0xFF, 0xFF, 0x00};
const std::vector<std::uint8_t> kBadIdentifyReply = {'M', '7', '4', 0x00, 0xFF, 0xFF, 0x00, 0x00};

void WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

}  // namespace

std::optional<Fault> ParseFault(std::string_view text) {
    const struct {
        std::string_view name;
        FaultKind kind;
        bool needsBlock;
    } kinds[] = {
        {"silent", FaultKind::kSilent, false},
        {"no-handshake-reply", FaultKind::kNoHandshakeReply, false},
        {"bad-identify", FaultKind::kBadIdentify, false},
        {"split-bytes", FaultKind::kSplitBytes, false},
        {"bad-ack", FaultKind::kBadAck, true},
        {"no-reply", FaultKind::kNoReply, true},
        {"hangup", FaultKind::kHangup, true},
        {"garbage", FaultKind::kGarbage, true},
        {"corrupt-write", FaultKind::kCorruptWrite, true},
        {"flood-16", FaultKind::kFlood16, false},
        {"flood-noise", FaultKind::kFloodNoise, false},
    };
    const auto at = text.find('@');
    const std::string_view name = text.substr(0, at);
    for (const auto& k : kinds) {
        if (k.name != name || k.needsBlock != (at != std::string_view::npos)) {
            continue;
        }
        Fault fault{k.kind, 0};
        if (!k.needsBlock) {
            return fault;
        }
        std::string block(text.substr(at + 1));
        int base = 10;
        if (block.size() > 2 && block[0] == '0' && (block[1] == 'x' || block[1] == 'X')) {
            block = block.substr(2);
            base = 16;
        } else if (!block.empty() && (block.back() == 'h' || block.back() == 'H')) {
            block.pop_back();
            base = 16;
        }
        char* end = nullptr;
        const long address = std::strtol(block.c_str(), &end, base);
        if (block.empty() || *end != '\0' || address < 0 || address > 0x3F8 || address % 8 != 0) {
            return std::nullopt;
        }
        fault.address = static_cast<int>(address);
        return fault;
    }
    return std::nullopt;
}

RadioSim::RadioSim(Options options) : m_options(std::move(options)), m_memory(m_options.memory) {
    if (m_options.password) {
        for (std::size_t i = 0; i < 16; ++i) {
            m_memory[i] = i < m_options.password->size()
                              ? static_cast<std::uint8_t>((*m_options.password)[i])
                              : 0xFF;
        }
    }
}

RadioSim::~RadioSim() {
    Stop();
}

std::string RadioSim::Start(std::string* error) {
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0 || ::pipe(m_wake) != 0) {
        if (error != nullptr) {
            *error = std::strerror(errno);
        }
        return {};
    }
    // Programs started later (the tool under test) must not inherit the line, or it would
    // never hang up.
    for (int fd : {m_master, m_slave, m_wake[0], m_wake[1]}) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    if (Floods()) {
        // A flood nobody reads must not block the simulator: what does not fit is dropped.
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    // Raw bytes both ways. The simulator keeps the slave side open itself, so the line stays
    // up between the tool's openings.
    termios mode{};
    ::tcgetattr(m_slave, &mode);
    ::cfmakeraw(&mode);
    ::tcsetattr(m_slave, TCSANOW, &mode);
    m_thread = std::thread([this] { Run(); });
    return name;
}

void RadioSim::Stop() {
    if (m_thread.joinable()) {
        const char stop = 'q';
        WriteAll(m_wake[1], reinterpret_cast<const std::uint8_t*>(&stop), 1);
        m_thread.join();
    }
    for (int* fd : {&m_master, &m_slave, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

RadioImage RadioSim::Memory() const {
    std::lock_guard lock(m_mutex);
    return m_memory;
}

void RadioSim::Run() {
    std::vector<std::uint8_t> pending;
    for (;;) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        const int timeoutMs = m_floodStart ? 5 : -1;
        if (::poll(fds, m_master >= 0 ? 2 : 1, timeoutMs) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if ((fds[1].revents & POLLIN) != 0 || m_master < 0) {
            return;
        }
        Flood();
        if (fds[0].revents == 0) {
            continue;
        }
        std::uint8_t buffer[512];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            // The other side is closed for a moment (EIO); wait for it to open again.
            ::usleep(1000);
            continue;
        }
        const auto arrived = Clock::now();
        m_bytesIn += static_cast<std::size_t>(n);
        pending.insert(pending.end(), buffer, buffer + n);
        Handle(pending, arrived);
        if (m_master < 0) {
            return;  // hung up
        }
    }
}

bool RadioSim::Floods() const {
    return m_options.fault.kind == FaultKind::kFlood16 ||
           m_options.fault.kind == FaultKind::kFloodNoise;
}

void RadioSim::Flood() {
    if (!m_floodStart) {
        return;
    }
    const auto due = static_cast<std::size_t>((Clock::now() - *m_floodStart) / kByteTime);
    std::vector<std::uint8_t> bytes(std::min<std::size_t>(due - m_floodSent, 512), 0x16);
    if (m_options.fault.kind == FaultKind::kFloodNoise) {
        for (auto& byte : bytes) {
            m_noise = m_noise * 1103515245u + 12345u;
            byte = static_cast<std::uint8_t>(m_noise >> 16);
        }
    }
    WriteAll(m_master, bytes.data(), bytes.size());
    m_floodSent += bytes.size();
    m_bytesOut += bytes.size();
}

void RadioSim::Handle(std::vector<std::uint8_t>& pending, Clock::time_point arrived) {
    while (!pending.empty()) {
        const int length = FrameLength(pending.front());
        if (length == 0) {
            pending.erase(pending.begin());
            continue;
        }
        if (pending.size() < static_cast<std::size_t>(length)) {
            return;
        }
        const std::vector<std::uint8_t> frame(pending.begin(), pending.begin() + length);
        pending.erase(pending.begin(), pending.begin() + length);
        if (!Answer(frame, arrived)) {
            return;
        }
    }
}

bool RadioSim::FaultAt(FaultKind kind, int address) const {
    return m_options.fault.kind == kind && m_options.fault.address == address;
}

bool RadioSim::Answer(const std::vector<std::uint8_t>& frame, Clock::time_point arrived) {
    // When the frame's last byte would have come off a real line.
    Clock::time_point frameEnd = arrived;
    if (m_options.pacing) {
        frameEnd =
            std::max(arrived, m_lineFree) + static_cast<std::int64_t>(frame.size()) * kByteTime;
        m_lineFree = frameEnd;
    }
    if (m_options.fault.kind == FaultKind::kSilent) {
        return true;
    }
    if (Floods()) {
        if (frame.front() == 0x02 && !m_floodStart) {
            m_floodStart = Clock::now();
            m_floodSent = 0;
        } else if (frame.front() == 'E') {
            m_floodStart.reset();
            ++m_endFrames;
        }
        return true;
    }
    const int address = frame.size() >= 3 ? frame[1] << 8 | frame[2] : -1;
    switch (frame.front()) {
        case 0x02:
            if (m_options.fault.kind != FaultKind::kNoHandshakeReply) {
                Reply(kHandshakeReply, frameEnd);
            }
            return true;
        case 'M':
            Reply(m_options.fault.kind == FaultKind::kBadIdentify ? kBadIdentifyReply
                                                                  : kIdentifyReply,
                  frameEnd);
            return true;
        case 0x06:
            Reply({0x06}, frameEnd);
            return true;
        case 'E':
            if (m_wroteBlocks) {
                m_wroteBlocks = false;
                SaveMemory();
            }
            ++m_endFrames;  // after the save: whoever waits for the end finds the file
            return true;
        default:
            break;
    }
    // A block: a read request or written data.
    if (FaultAt(FaultKind::kHangup, address)) {
        ::close(m_master);
        m_master = -1;
        ::close(m_slave);
        m_slave = -1;
        return false;
    }
    if (FaultAt(FaultKind::kNoReply, address)) {
        return true;
    }
    if (FaultAt(FaultKind::kGarbage, address)) {
        std::mt19937 random(static_cast<unsigned>(address));
        std::vector<std::uint8_t> noise(12);
        for (auto& byte : noise) {
            byte = static_cast<std::uint8_t>(random() % 256);
        }
        noise[0] = 0x5A;  // never a block nor an acknowledge
        Reply(noise, frameEnd);
        return true;
    }
    if (address < 0 || address > 0x3F8 || frame[3] != 8) {
        return true;  // not a block this radio has
    }
    if (frame.front() == 'R') {
        std::vector<std::uint8_t> block = {'W', frame[1], frame[2], 8};
        {
            std::lock_guard lock(m_mutex);
            block.insert(block.end(), m_memory.begin() + address, m_memory.begin() + address + 8);
        }
        Reply(block, frameEnd);
        return true;
    }
    {
        std::lock_guard lock(m_mutex);
        std::copy(frame.begin() + 4, frame.end(), m_memory.begin() + address);
        if (FaultAt(FaultKind::kCorruptWrite, address)) {
            m_memory[static_cast<std::size_t>(address)] ^= 0x01;
        }
    }
    m_wroteBlocks = true;
    Reply({static_cast<std::uint8_t>(FaultAt(FaultKind::kBadAck, address) ? 0x15 : 0x06)},
          frameEnd);
    return true;
}

void RadioSim::Reply(const std::vector<std::uint8_t>& bytes, Clock::time_point frameEnd) {
    auto start = frameEnd + std::chrono::milliseconds(m_options.latencyMs);
    if (!m_options.pacing && m_options.fault.kind != FaultKind::kSplitBytes) {
        std::this_thread::sleep_until(start);
        WriteAll(m_master, bytes.data(), bytes.size());
        m_bytesOut += bytes.size();
        return;
    }
    const auto gap = m_options.pacing ? std::chrono::nanoseconds(kByteTime)
                                      : std::chrono::nanoseconds(std::chrono::milliseconds(2));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        // Each byte leaves when a real line would have carried it.
        std::this_thread::sleep_until(start + static_cast<std::int64_t>(i + 1) * gap);
        WriteAll(m_master, &bytes[i], 1);
        ++m_bytesOut;
    }
    m_lineFree = start + static_cast<std::int64_t>(bytes.size()) * gap;
}

void RadioSim::SaveMemory() {
    if (m_options.saveTo.empty()) {
        return;
    }
    // Runs on the radio's own thread after a write: nobody to hand the failure to but the log.
    const Status saved = WriteDataFile(m_options.saveTo, Memory());
    if (!saved.ok()) {
        std::cerr << "m742-radio-sim: the memory was not saved: "
                  << m742::Worded(saved.message, m742::Lang::English) << '\n';
    }
}

}  // namespace m742::sim
