#include "radio_sim/radio_sim.h"

#include <gtest/gtest.h>

namespace m742::sim {
namespace {

TEST(ParseFault, AcceptsEveryFaultAndBlockNotation) {
    const struct {
        const char* text;
        FaultKind kind;
        int address;
    } good[] = {
        {"silent", FaultKind::kSilent, 0},
        {"no-handshake-reply", FaultKind::kNoHandshakeReply, 0},
        {"bad-identify", FaultKind::kBadIdentify, 0},
        {"split-bytes", FaultKind::kSplitBytes, 0},
        {"bad-ack@0x3B0", FaultKind::kBadAck, 0x3B0},
        {"no-reply@3B0h", FaultKind::kNoReply, 0x3B0},
        {"hangup@944", FaultKind::kHangup, 944},
        {"garbage@0", FaultKind::kGarbage, 0},
        {"garbage@0x3f8", FaultKind::kGarbage, 0x3F8},
        {"corrupt-write@0x10", FaultKind::kCorruptWrite, 0x10},
        {"flood-16", FaultKind::kFlood16, 0},
        {"flood-noise", FaultKind::kFloodNoise, 0},
    };
    for (const auto& c : good) {
        const auto fault = ParseFault(c.text);
        ASSERT_TRUE(fault.has_value()) << c.text;
        EXPECT_EQ(fault->kind, c.kind) << c.text;
        EXPECT_EQ(fault->address, c.address) << c.text;
    }
    for (const char* bad :
         {"", "loud", "bad-ack", "silent@8", "bad-ack@", "bad-ack@0x3B1", "bad-ack@0x400",
          "bad-ack@-8", "hangup@12x", "garbage@0x", "corrupt-write", "flood-16@8", "flood"}) {
        EXPECT_FALSE(ParseFault(bad).has_value()) << bad;
    }
}

TEST(RadioSim, PasswordOptionFillsTheFirstSixteenBytes) {
    Options options;
    options.password = "123";
    const RadioSim radio(options);
    const RadioImage memory = radio.Memory();
    EXPECT_EQ(memory[0], '1');
    EXPECT_EQ(memory[2], '3');
    EXPECT_EQ(memory[3], 0xFF);
    EXPECT_EQ(memory[15], 0xFF);
}

}  // namespace
}  // namespace m742::sim
