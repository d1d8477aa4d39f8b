#include "fake_link.h"

namespace m742::testing {

Bytes RadioAnswer(const Bytes& frame, RadioImage& memory) {
    if (frame.empty()) {
        return {};
    }
    switch (frame[0]) {
        case 0x02:
            return {0x06, 0x16};
        case 'M':
            return {'M', '7', '4', 0x00, 0xFF, 0xFF, 0xFF, 0x00};
        case 0x06:
            return {0x06};
        case 'R': {
            const int address = frame[1] << 8 | frame[2];
            Bytes block = {'W', frame[1], frame[2], 8};
            block.insert(block.end(), memory.begin() + address, memory.begin() + address + 8);
            return block;
        }
        case 'W': {
            const int address = frame[1] << 8 | frame[2];
            std::copy(frame.begin() + 4, frame.end(), memory.begin() + address);
            return {0x06};
        }
        default:
            return {};
    }
}

void Link::Feed(const Bytes& bytes, std::size_t piece) {
    if (piece == 0) {
        exchange.OnBytesReceived(bytes);
        return;
    }
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const std::size_t n = std::min(piece, bytes.size() - at);
        exchange.OnBytesReceived(std::span(bytes).subspan(at, n));
    }
}

void Link::Converse(RadioImage& memory, std::size_t piece, int maxFrames) {
    std::size_t answered = 0;
    while (!exchange.ended() && maxFrames-- > 0 && port.sent.size() > answered) {
        answered = port.sent.size();
        Feed(RadioAnswer(port.sent.back(), memory), piece);
    }
}

}  // namespace m742::testing
