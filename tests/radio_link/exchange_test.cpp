#include "radio_link/exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "fake_link.h"

namespace m742::testing {
namespace {

const Bytes kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'C'};
const Bytes kIdentify = {'M', 0x02};
const Bytes kIdentifyReply = {'M', '7', '4', 0x00, 0xFF, 0xFF, 0xFF, 0x00};
const Bytes kEnd = {0x45};

RadioImage PatternImage() {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 31 + 7);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        image[i] = 0xFF;  // no password
    }
    return image;
}

std::vector<int> BlockAddresses(const std::vector<Bytes>& sent, std::uint8_t kind) {
    std::vector<int> addresses;
    for (const Bytes& frame : sent) {
        if (frame.size() >= 4 && frame[0] == kind) {
            addresses.push_back(frame[1] << 8 | frame[2]);
        }
    }
    return addresses;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> addresses;
    for (int a = from; a <= to; a += 8) {
        addresses.push_back(a);
    }
    return addresses;
}

TEST(Exchange, PortThatWillNotOpenStopsBeforeAnything) {
    Link link;
    link.port.canOpen = false;
    link.port.openError = OpenError::kPermissionDenied;
    link.exchange.ReadRadio();
    EXPECT_TRUE(link.port.sent.empty());
    ASSERT_EQ(link.listener.failures.size(), 1u);
    EXPECT_EQ(link.listener.failures[0].second, ExchangeOutcome::kPortNotOpen);
    EXPECT_EQ(link.listener.failures[0].first.rfind(
                  "Communication port not open, please first selection menu 'Com Port' to open "
                  "its serial ports!",
                  0),
              0u);
    EXPECT_NE(link.listener.failures[0].first.find("dialout"), std::string::npos);
    EXPECT_TRUE(link.listener.idle);
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kPortNotOpen);
}

// A port held by another program gets the message of the Com Port menu, not the one that asks
// to choose a port.
TEST(Exchange, BusyPortSaysSo) {
    Link link;
    link.port.canOpen = false;
    link.port.openError = OpenError::kBusy;
    link.exchange.WriteRadio();
    ASSERT_EQ(link.listener.failures.size(), 1u);
    EXPECT_NE(link.listener.failures[0].first.find("have been other programs use"),
              std::string::npos)
        << link.listener.failures[0].first;
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kPortNotOpen);
}

// A whole read, with the replies delivered whole, byte by byte and in odd pieces.
class ReadInPieces : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ReadInPieces, MovesTheWholeImage) {
    Link link;
    RadioImage radio = PatternImage();
    link.exchange.ReadRadio();
    EXPECT_FALSE(link.listener.idle);
    EXPECT_EQ(link.listener.status, "Communication...... ");
    EXPECT_TRUE(link.listener.Timer(ExchangeTimer::kWatchdog));
    EXPECT_TRUE(link.listener.Timer(ExchangeTimer::kStatusBlink));
    EXPECT_TRUE(link.listener.Timer(ExchangeTimer::kHandshakeRepeat));
    EXPECT_EQ(link.port.sent.front(), kHandshake);

    link.Converse(radio, GetParam());

    ASSERT_TRUE(link.exchange.ended());
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCompleted);
    EXPECT_EQ(BlockAddresses(link.port.sent, 'R'), Range(0, 0x3F8));
    ASSERT_TRUE(link.listener.decoded.has_value());
    EXPECT_EQ(*link.listener.decoded, radio);
    EXPECT_EQ(link.listener.status, "Read frequency success!");
    EXPECT_EQ(link.listener.progress, 1024);
    EXPECT_FALSE(link.listener.progressVisible);
    EXPECT_EQ(link.LastSent(), kEnd);
    EXPECT_FALSE(link.port.open);
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kWatchdog));
    EXPECT_TRUE(link.listener.failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Pieces, ReadInPieces, ::testing::Values(0u, 1u, 5u));

TEST(Exchange, LingersElevenTicksBeforeTheCommandsReturn) {
    Link link;
    RadioImage radio = PatternImage();
    link.exchange.ReadRadio();
    link.Converse(radio);
    ASSERT_EQ(link.exchange.outcome(), ExchangeOutcome::kCompleted);
    for (int tick = 1; tick <= 10; ++tick) {
        link.exchange.OnStatusBlinkTick();
        EXPECT_FALSE(link.listener.idle) << tick;
    }
    link.exchange.OnStatusBlinkTick();
    EXPECT_TRUE(link.listener.idle);
    EXPECT_FALSE(link.listener.statusVisible);
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kStatusBlink));
}

TEST(Exchange, PasswordMustMatchTheBox) {
    const struct {
        Bytes stored;  // the radio's first six bytes
        const char* box;
        bool accepted;
    } cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", true},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "1", false},
        {{'1', '2', '3', 0xFF, 0xFF, 0xFF}, "123", true},
        {{'1', '2', '3', 0xFF, 0xFF, 0xFF}, "1234", false},
        {{'1', '2', '3', 0xFF, 0xFF, 0xFF}, "12", false},
        {{0xFF, '1', 0xFF, '2', '3', 0xFF}, "123", true},
        {{'1', '2', '.', '4', '5', '6'}, "12.456", true},
    };
    for (const auto& c : cases) {
        Link link;
        link.listener.password = c.box;
        RadioImage radio = PatternImage();
        std::copy(c.stored.begin(), c.stored.end(), radio.begin());
        link.exchange.ReadRadio();
        link.Converse(radio);
        ASSERT_TRUE(link.exchange.ended()) << c.box;
        EXPECT_EQ(link.listener.decoded.has_value(), c.accepted) << c.box;
        EXPECT_EQ(link.listener.status,
                  c.accepted ? "Read frequency success!" : "The password is invalid!");
        EXPECT_EQ(link.LastSent(), kEnd);
        EXPECT_FALSE(link.port.open);
        if (!c.accepted) {
            EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kPasswordRefused);
            EXPECT_EQ(BlockAddresses(link.port.sent, 'R'), Range(0, 0));
        }
    }
}

TEST(Exchange, WriteSendsTheLockedOrUnlockedRanges) {
    for (int unlocked : {0, 1}) {
        Link link;
        link.listener.powerUnlocked = unlocked == 1;
        const RadioImage editor = PatternImage();
        link.listener.encode = [&] { return editor; };
        RadioImage radio = BlankImage();
        link.exchange.WriteRadio();
        EXPECT_EQ(link.listener.status, "Is communication, please later …… ");
        link.Converse(radio);

        ASSERT_EQ(link.exchange.outcome(), ExchangeOutcome::kCompleted) << unlocked;
        std::vector<int> expected = Range(0, 0x208);
        for (int a : Range(0x3B0, 0x3C8)) {
            expected.push_back(a);
        }
        if (unlocked) {
            expected.push_back(0x3F0);
            expected.push_back(0x3F8);
        }
        EXPECT_EQ(BlockAddresses(link.port.sent, 'W'), expected);
        for (int a = 0; a < 1024; ++a) {
            const bool sent = std::find(expected.begin(), expected.end(), a & ~7) != expected.end();
            EXPECT_EQ(radio[a], sent ? editor[a] : 0xFF) << a;
        }
        EXPECT_EQ(link.listener.status, "Write frequency success!");
        EXPECT_EQ(link.LastSent(), kEnd);
        EXPECT_FALSE(link.port.open);
    }
}

TEST(Exchange, WriteThatCannotBeEncodedSendsNoBlock) {
    Link link;
    link.listener.encode = [] { return FakeListener::Refused(); };
    RadioImage radio = BlankImage();
    link.exchange.WriteRadio();
    link.Converse(radio);
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kEncodeRefused);
    EXPECT_TRUE(BlockAddresses(link.port.sent, 'W').empty());
    EXPECT_EQ(link.LastSent(), kEnd);
    EXPECT_FALSE(link.port.open);
    EXPECT_TRUE(link.listener.idle);
    EXPECT_FALSE(link.listener.statusVisible);
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kStatusBlink));
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kWatchdog));
    EXPECT_EQ(
        link.listener.failures,
        (std::vector<std::pair<std::string, ExchangeOutcome>>{
            {"Frequency input is incorrect, please correct!", ExchangeOutcome::kEncodeRefused}}));
}

// A failure is told last, once the exchange has ended -- the end frame gone, the port closed,
// the timers off, the commands back and the outcome told -- so that whoever shows it may show
// a box that waits.
TEST(Exchange, FailureIsToldOnceTheExchangeHasEnded) {
    const struct {
        const char* what;
        ExchangeOutcome outcome;
    } cases[] = {
        {"port not open", ExchangeOutcome::kPortNotOpen},
        {"image refused", ExchangeOutcome::kEncodeRefused},
        {"radio silent", ExchangeOutcome::kCommunicationError},
    };
    for (const auto& c : cases) {
        Link link;
        link.port.canOpen = c.outcome != ExchangeOutcome::kPortNotOpen;
        link.listener.encode = [] { return FakeListener::Refused(); };
        std::vector<bool> ended;
        link.listener.whenFailed = [&] {
            ended = {link.exchange.ended(),
                     !link.port.open,
                     link.listener.idle,
                     !link.listener.Timer(ExchangeTimer::kWatchdog),
                     !link.listener.Timer(ExchangeTimer::kStatusBlink),
                     link.listener.finished == std::vector<ExchangeOutcome>{c.outcome}};
        };
        link.exchange.WriteRadio();
        if (c.outcome == ExchangeOutcome::kEncodeRefused) {
            link.Feed({0x06, 0x16});
            link.Feed(kIdentifyReply);
        }
        for (int tick = 0; tick < 11; ++tick) {
            link.exchange.OnWatchdogTick();
        }
        EXPECT_EQ(ended, std::vector<bool>(6, true)) << c.what;
        EXPECT_EQ(link.listener.failures.size(), 1u) << c.what;
        EXPECT_EQ(link.listener.finished, std::vector<ExchangeOutcome>{c.outcome}) << c.what;
        if (c.outcome != ExchangeOutcome::kPortNotOpen) {
            EXPECT_EQ(link.LastSent(), kEnd) << c.what;
        }
    }
}

TEST(Exchange, WatchdogFiresAfterElevenQuietTicks) {
    Link link;
    link.exchange.ReadRadio();
    link.Feed({0x06, 0x16});  // a transmission (the identify request) resets the count
    for (int tick = 1; tick <= 10; ++tick) {
        link.exchange.OnWatchdogTick();
    }
    EXPECT_FALSE(link.exchange.ended());
    EXPECT_EQ(link.LastSent(), kIdentify);
    link.exchange.OnWatchdogTick();
    EXPECT_TRUE(link.exchange.ended());
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCommunicationError);
    EXPECT_EQ(link.LastSent(), kEnd);
    EXPECT_FALSE(link.port.open);
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kWatchdog));
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kStatusBlink));
    ASSERT_EQ(link.listener.failures.size(), 1u);
    EXPECT_EQ(link.listener.failures[0],
              std::make_pair(std::string("Communication error, please check the intercom fault, "
                                         "attachment and serial choice!"),
                             ExchangeOutcome::kCommunicationError));
    EXPECT_TRUE(link.listener.idle);
    // Once ended, nothing more: no second message.
    link.exchange.OnWatchdogTick();
    EXPECT_EQ(link.listener.failures.size(), 1u);
}

// A line that keeps sending 16h or noise cannot hold an exchange open: the identify request
// goes at most three times, within the first ticks, and the watchdog fires 11 ticks after the
// last. Noise holds the byte 16h about once in a tick's bytes, so its three requests take a few
// ticks more than a flood of 16h.
TEST(Exchange, EndlessBytesCannotKeepTheExchangeAlive) {
    // Mode, noise instead of 16h, bytes a receive event (288 bytes between ticks: 9600 baud),
    // the most ticks before the last identify request.
    const std::tuple<char, bool, std::size_t, int> cases[] = {
        {'R', false, 1, 0}, {'W', false, 32, 0}, {'R', true, 1, 2}, {'W', true, 16, 2}};
    for (const auto& [mode, noise, piece, identifyTicks] : cases) {
        Link link;
        link.listener.encode = [] { return PatternImage(); };
        mode == 'R' ? link.exchange.ReadRadio() : link.exchange.WriteRadio();
        std::mt19937 random(42);
        int ticks = 0;
        int lastIdentify = -1;  // the tick of the last identify request
        for (; ticks < 60 && !link.exchange.ended(); ++ticks) {
            Bytes bytes(288, 0x16);
            if (noise) {
                std::generate(bytes.begin(), bytes.end(), [&] { return random() & 0xFF; });
            }
            const auto identifies = [&] {
                return std::count(link.port.sent.begin(), link.port.sent.end(), kIdentify);
            };
            const auto before = identifies();
            link.Feed(bytes, piece);
            lastIdentify = identifies() > before ? ticks : lastIdentify;
            if (link.listener.Timer(ExchangeTimer::kHandshakeRepeat)) {
                link.exchange.OnHandshakeTick();
            }
            link.exchange.OnWatchdogTick();
        }
        EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCommunicationError) << mode << noise;
        EXPECT_LE(lastIdentify, identifyTicks) << mode << noise;
        EXPECT_EQ(ticks, lastIdentify + 11) << mode << noise;
        EXPECT_EQ(std::count(link.port.sent.begin(), link.port.sent.end(), kIdentify), 3);
    }
}

TEST(Exchange, HandshakeIsRepeatedOnceAfterTwoSeconds) {
    Link link;
    link.exchange.ReadRadio();
    for (int tick = 1; tick <= 9; ++tick) {
        link.exchange.OnHandshakeTick();
    }
    EXPECT_EQ(link.port.sent.size(), 1u);
    link.exchange.OnHandshakeTick();
    EXPECT_EQ(link.port.sent, (std::vector<Bytes>{kHandshake, kHandshake}));
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kHandshakeRepeat));

    Link answered;
    answered.exchange.ReadRadio();
    answered.Feed({0x06, 0x16});
    answered.exchange.OnHandshakeTick();
    EXPECT_FALSE(answered.listener.Timer(ExchangeTimer::kHandshakeRepeat));
    EXPECT_EQ(answered.port.sent, (std::vector<Bytes>{kHandshake, kIdentify}));
}

// The handshake reply is any reply with a byte 16h in it; two bytes whose hexadecimal digits
// put 1 and 6 side by side (01h 61h, 01h 6Ah) hold none.
TEST(Exchange, HandshakeReplyHoldsTheByte16h) {
    const struct {
        Bytes reply;
        bool identifySent;
    } cases[] = {
        {{0x16}, true},        {{0x06, 0x16, 0x33}, true}, {{0x06}, false},
        {{0x01, 0x61}, false}, {{0x01, 0x6A}, false},      {{0x61, 0x01}, false},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {1u, 0u}) {
            Link link;
            link.exchange.ReadRadio();
            link.Feed(c.reply, piece);
            EXPECT_EQ(link.LastSent() == kIdentify, c.identifySent)
                << ::testing::PrintToString(c.reply) << " in pieces of " << piece;
        }
    }
}

TEST(Exchange, IdentifyReplyIsCheckedForLengthAndMarker) {
    const struct {
        Bytes reply;
        Bytes expectedLast;
    } cases[] = {
        {kIdentifyReply, {0x06}},
        {{0x01, 0x02, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x03}, {0x06}},
        {{'M', '7', '4', 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00}, kIdentify},  // 9 bytes
        {{'M', '7', '4', 0x00, 0xFF, 0xFF, 0x00, 0x00}, kIdentify},        // no marker
        // Its hexadecimal digits hold "00FFFFFF00", but a nibble off the bytes.
        {{0x20, 0x0F, 0xFF, 0xFF, 0xF0, 0x01, 0x02, 0x03}, kIdentify},
        // "16" in an identify reply is taken for the handshake reply once more.
        {{0x16, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00}, kIdentify},
    };
    for (const auto& c : cases) {
        Link link;
        link.exchange.ReadRadio();
        link.Feed({0x06, 0x16});
        const std::size_t before = link.port.sent.size();
        link.Feed(c.reply, 3);
        EXPECT_EQ(link.LastSent(), c.expectedLast);
        // The progress shows from the identification on.
        if (c.expectedLast == kIdentify) {
            EXPECT_FALSE(link.listener.progressVisible);
            EXPECT_EQ(link.port.sent.size(), before + (c.reply[0] == 0x16 ? 1 : 0));
        } else {
            EXPECT_EQ(link.listener.progress, 0);
            EXPECT_TRUE(link.listener.progressVisible);
        }
    }
}

TEST(Exchange, WrongBlocksAndAcknowledgesAreIgnored) {
    const Bytes wrongReplies[] = {
        {'W', 0x00, 0x08, 8, 1, 2, 3, 4, 5, 6, 7, 8},  // another block's address
        {'X', 0x00, 0x00, 8, 1, 2, 3, 4, 5, 6, 7, 8},  // not a block
        {'W', 0x00, 0x00, 8, 1, 2, 3, 4, 5, 6, 7},     // short
        {0x15},                                        // NAK
        {0x06, 0x06},
    };
    for (const Bytes& reply : wrongReplies) {
        Link link;
        link.exchange.ReadRadio();
        link.Feed({0x06, 0x16});
        link.Feed(kIdentifyReply);
        link.Feed({0x06});  // the radio's acknowledge: the first request goes out
        ASSERT_EQ(link.LastSent(), (Bytes{'R', 0x00, 0x00, 8}));
        const std::size_t before = link.port.sent.size();
        link.Feed(reply);
        EXPECT_EQ(link.port.sent.size(), before);
        for (int tick = 0; tick < 11; ++tick) {
            link.exchange.OnWatchdogTick();
        }
        EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCommunicationError);
        EXPECT_FALSE(link.listener.decoded.has_value());
    }
}

// A stray acknowledge while a block is due, or a block that comes twice, would shift every
// later byte of the image: neither is taken, and the watchdog ends the read.
TEST(Exchange, StrayAcknowledgeOrRepeatedBlockCannotShiftTheImage) {
    const Bytes block0 = {'W', 0x00, 0x00, 8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::vector<Bytes> strays[] = {
        {{0x06}},          // instead of block 0
        {block0, block0},  // block 0 again after the tool's acknowledge
    };
    for (const auto& replies : strays) {
        Link link;
        link.exchange.ReadRadio();
        link.Feed({0x06, 0x16});
        link.Feed(kIdentifyReply);
        link.Feed({0x06});
        ASSERT_EQ(link.LastSent(), (Bytes{'R', 0x00, 0x00, 8}));
        for (const Bytes& reply : replies) {
            link.Feed(reply);
        }
        link.Feed({0x06});  // would ask for the next block
        EXPECT_NE(link.LastSent(), (Bytes{'R', 0x00, 0x08, 8}));
        EXPECT_LE(link.exchange.bytesRead().size(), 8u);
    }
}

TEST(Exchange, LoneAcknowledgeAfterTheEndIsIgnored) {
    Link link;
    RadioImage radio = PatternImage();
    link.exchange.ReadRadio();
    link.Converse(radio);
    const std::size_t frames = link.port.sent.size();
    link.Feed({0x06});
    EXPECT_EQ(link.port.sent.size(), frames);
}

TEST(Exchange, FailedTransmissionEndsAtOnce) {
    Link link;
    link.exchange.ReadRadio();
    link.Feed({0x06, 0x16});
    link.port.outputWorks = false;
    link.Feed(kIdentifyReply);  // the acknowledge cannot go out
    EXPECT_TRUE(link.exchange.ended());
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCommunicationError);
    EXPECT_EQ(link.LastSent(), kEnd);  // attempted
    EXPECT_FALSE(link.port.open);
    EXPECT_EQ(link.listener.failures.size(), 1u);
    EXPECT_TRUE(link.listener.idle);
}

TEST(Exchange, LostDeviceEndsAtOnceAndOnlyOnce) {
    Link link;
    link.exchange.WriteRadio();
    link.exchange.PortLost();
    link.exchange.PortLost();
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCommunicationError);
    EXPECT_EQ(link.listener.failures.size(), 1u);
    EXPECT_FALSE(link.listener.Timer(ExchangeTimer::kHandshakeRepeat));
    EXPECT_FALSE(link.port.open);

    Link idle;
    idle.exchange.PortLost();
    EXPECT_TRUE(idle.listener.failures.empty());
}

// A listener that lets the watchdog tick while it makes the image: the exchange it ended must
// not go on.
TEST(Exchange, WatchdogWhileTheImageIsMadeWins) {
    Link link;
    link.listener.encode = [&link] {
        for (int tick = 0; tick < 11; ++tick) {
            link.exchange.OnWatchdogTick();
        }
        return PatternImage();
    };
    link.exchange.WriteRadio();
    link.Feed({0x06, 0x16});
    link.Feed(kIdentifyReply);
    EXPECT_EQ(link.exchange.outcome(), ExchangeOutcome::kCommunicationError);
    EXPECT_EQ(link.LastSent(), kEnd);
    EXPECT_EQ(link.listener.failures.size(), 1u);
    EXPECT_TRUE(BlockAddresses(link.port.sent, 'W').empty());
}

// Once a block has gone out the radio may hold part of the new plan: the communication error
// of a write says so after its own text; before that, and for a read, the text stays alone.
TEST(Exchange, WriteThatStopsAfterBlocksSaysThePlanIsPartlyWritten) {
    const std::string english =
        "Communication error, please check the intercom fault, attachment and serial choice!";
    const std::string chinese = "通信出错，请检查对讲机故障、连线及串口的选择！";
    const std::string englishNote =
        "\n\nThe write did not finish: the radio may now hold a partly written plan. Please "
        "write it again.";
    const std::string chineseNote = "\n\n写频没有完成：对讲机中可能是部分写入的数据，请重新写频。";
    const struct {
        char mode;
        int radioAcknowledges;  // -1: the identification never came
        std::int16_t languageFlag;
        std::string expected;
    } cases[] = {
        {'W', -1, 1, english},
        {'W', 0, 1, english},  // identified, the first block not sent yet
        {'W', 1, 1, english + englishNote},
        {'W', 40, 1, english + englishNote},
        {'W', 40, 0, chinese + chineseNote},
        {'R', 40, 1, english},
    };
    for (const auto& c : cases) {
        Link link;
        link.listener.languageFlag = c.languageFlag;
        link.listener.encode = [] { return PatternImage(); };
        c.mode == 'W' ? link.exchange.WriteRadio() : link.exchange.ReadRadio();
        if (c.radioAcknowledges >= 0) {
            link.Feed({0x06, 0x16});
            link.Feed(kIdentifyReply);
            for (int i = 0; i < c.radioAcknowledges; ++i) {
                link.Feed({0x06});
            }
        }
        link.exchange.PortLost();
        ASSERT_EQ(link.listener.failures.size(), 1u) << c.radioAcknowledges;
        EXPECT_EQ(link.listener.failures[0].first, c.expected)
            << c.mode << " " << c.radioAcknowledges;
    }
}

TEST(Exchange, ChineseTexts) {
    Link link;
    link.listener.languageFlag = 0;
    link.listener.password = "9";
    RadioImage radio = PatternImage();
    link.exchange.WriteRadio();
    EXPECT_EQ(link.listener.status, "正在通信,请稍后……");
    link.exchange.PortLost();
    EXPECT_EQ(link.listener.failures.back().first,
              "通信出错，请检查对讲机故障、连线及串口的选择！");
    link.exchange.ReadRadio();
    link.Converse(radio);
    EXPECT_EQ(link.listener.status, "口令不对！");
}

}  // namespace
}  // namespace m742::testing
