// The verify after a write compares the ranges the write exchange sends.
#include <gtest/gtest.h>

#include "fake_link.h"
#include "radio_data/layout.h"

namespace m742::testing {
namespace {

TEST(WrittenRanges, AreTheBlocksTheWriteExchangeSends) {
    for (const int unlocked : {0, 1}) {
        Link link;
        link.listener.powerUnlocked = unlocked == 1;
        RadioImage image = BlankImage();
        link.listener.encode = [&] { return image; };
        RadioImage radio = BlankImage();
        link.exchange.WriteRadio();
        link.Converse(radio);
        ASSERT_EQ(link.exchange.outcome(), ExchangeOutcome::kCompleted);
        std::vector<int> sent;
        for (const Bytes& frame : link.port.sent) {
            if (frame.size() == 12 && frame[0] == 'W') {
                sent.push_back(frame[1] << 8 | frame[2]);
            }
        }
        std::vector<int> expected;
        for (const AddressRange& range : WrittenRanges(unlocked == 1)) {
            for (int block = range.first; block < range.end; block += 8) {
                expected.push_back(block);
            }
        }
        EXPECT_EQ(sent, expected) << "unlocked " << unlocked;
    }
}

}  // namespace
}  // namespace m742::testing
