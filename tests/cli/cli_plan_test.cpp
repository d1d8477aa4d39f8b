// The channel plan in JSON (version 2): "dump --json" then "encode" gives the same file, the
// plan's values are the same in either language, refusals name the channel and key, and
// "encode --base" keeps what the program does not edit.
#include <cstdint>

#include "cli_runner.h"
#include "radio_data/codec.h"

namespace m742::cli_test {
namespace {

using nlohmann::json;

json Plan(const std::string& body) {
    json plan = json::parse(body);
    plan["format"] = "m742-plan";
    plan["version"] = 2;
    return plan;
}

// Every key of `expected` has its value in `actual`; arrays are compared whole.
void ExpectContains(const json& actual, const json& expected, const std::string& path = "") {
    for (const auto& item : expected.items()) {
        const std::string at = path + "/" + item.key();
        ASSERT_TRUE(actual.contains(item.key())) << at;
        if (item.value().is_object()) {
            ExpectContains(actual[item.key()], item.value(), at);
        } else {
            EXPECT_EQ(actual[item.key()], item.value()) << at;
        }
    }
}

struct PlanCase {
    const char* name;
    std::string plan;     // the plan encoded first
    std::string printed;  // what its dump then holds, when it differs from the plan
};

void PrintTo(const PlanCase& c, std::ostream* os) {
    *os << c.name;
}

const PlanCase kPlans[] = {
    {"password_and_ani", R"({"password": "1.2345", "ani": "12AB*#\u00fe"})", ""},
    {"odd_frequencies",
     R"({"channels": [
        {"channel": 1, "rx_mhz": "460.00100", "rx_tone": "off", "tx_mhz": "479.99999",
         "tx_tone": "off", "busy_lock": "off", "bandwidth": "wide", "scan": true, "power": "high"},
        {"channel": 8, "rx_mhz": "460.007"},
        {"channel": 16, "rx_mhz": "400.00000", "tx_mhz": "", "tx_tone": "D023N"}]})",
     R"({"channels": [
        {"channel": 1, "rx_mhz": "460.00100", "rx_tone": "off", "tx_mhz": "479.99999",
         "tx_tone": "off", "busy_lock": "off", "bandwidth": "wide", "scan": true, "power": "high"},
        {"channel": 8, "rx_mhz": "460.00625", "rx_tone": "off", "tx_mhz": "460.00625",
         "tx_tone": "off", "busy_lock": "off", "bandwidth": "wide", "scan": true, "power": "high"},
        {"channel": 16, "rx_mhz": "400.00000", "rx_tone": "off", "tx_mhz": "",
         "tx_tone": "D023N", "busy_lock": "off", "bandwidth": "wide", "scan": true,
         "power": "high"}]})"},
    {"tones_and_lists_at_their_ends",
     R"({"channels": [
        {"channel": 2, "rx_mhz": "450.00000", "rx_tone": "67.0", "tx_mhz": "450.00000",
         "tx_tone": "254.1", "busy_lock": "tone", "bandwidth": "narrow", "scan": false,
         "power": "low"},
        {"channel": 3, "rx_mhz": "450.00000", "rx_tone": "D777I", "tx_mhz": "450.00000",
         "tx_tone": "100.1", "busy_lock": "carrier", "bandwidth": "wide", "scan": true,
         "power": "high"}],
        "settings": {"ptt_id": "both", "squelch_level": 9, "beep": false, "tx_timeout_s": 300,
         "battery_save": false, "priority_channel": 16, "vox": false, "end_beep": true,
         "tail_elimination": "frequency", "vox_level": 9, "voice_prompt": "english"},
        "side_keys": {"pf1_short": "off", "pf1_long": "priority_scan", "pf2_short": "vox",
         "pf2_long": "reverse"},
        "dtmf": {"first_digit_delay_ms": 4500, "digit_interval_ms": 6400, "digit_delay_ms": 25},
        "power_levels": {"low": 0, "high": 255}})",
     ""},
    {"lists_at_their_starts",
     R"({"settings": {"ptt_id": "off", "squelch_level": 0, "tx_timeout_s": 0,
         "priority_channel": 1, "tail_elimination": "phase_120", "vox_level": 1,
         "voice_prompt": "off"},
        "dtmf": {"first_digit_delay_ms": 50, "digit_interval_ms": 25, "digit_delay_ms": 6400}})",
     ""},
    {"no_selection", R"({"settings": {"vox_level": null}})", ""},
    {"debug_channels",
     R"({"debug_channels": [{"channel": 1, "rx_mhz": "500.00000", "tx_mhz": ""},
                            {"channel": 16, "rx_mhz": "", "tx_mhz": "460.00100"},
                            {"channel": 9, "rx_mhz": "440.007", "tx_mhz": "441"}]})",
     R"({"debug_channels": [{"channel": 1, "rx_mhz": "500.00000", "tx_mhz": ""},
                            {"channel": 9, "rx_mhz": "440.00625", "tx_mhz": "441.00000"},
                            {"channel": 16, "rx_mhz": "", "tx_mhz": "460.00100"}]})"},
};

class PlanRoundTrip : public CliTest, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(PlanRoundTrip, DumpThenEncodeGivesTheSameFile) {
    Write("plan.json", Plan(GetParam().plan).dump());
    const CliResult encoded = Run({"encode", "plan.json", "a.dat"});
    ASSERT_EQ(encoded.status, 0) << encoded.err;

    const CliResult dumped = Run({"dump", "--json", "a.dat"});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    const json printed = json::parse(dumped.out);
    ExpectContains(printed,
                   Plan(GetParam().printed.empty() ? GetParam().plan : GetParam().printed));
    // Values do not follow the language.
    EXPECT_EQ(json::parse(Run({"dump", "--json", "--lang", "zh", "a.dat"}).out), printed);

    for (const char* lang : {"en", "zh"}) {
        ASSERT_EQ(Run({"encode", "--lang", lang, "-", "b.dat"}, dumped.out).status, 0);
        EXPECT_EQ(Read("b.dat"), Read("a.dat")) << lang;
    }
}

INSTANTIATE_TEST_SUITE_P(Plans, PlanRoundTrip, ::testing::ValuesIn(kPlans),
                         [](const auto& info) { return std::string(info.param.name); });

// Files as a radio may hold them, written byte by byte: each dumps and encodes back exactly.
struct FileCase {
    const char* name;
    std::vector<std::pair<std::size_t, std::string>> bytes;  // image address, bytes there
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

const FileCase kFiles[] = {
    // 460.00100 receive only, decode 88.5, an encode tone without TX, busy lock tone, narrow,
    // not scanned, low power.
    {"receive_only_off_raster",
     {{0x20, std::string("\x00\x01\x00\x46\xFF\xFF\xFF\xFF\x85\x08\x23\x80\xE6", 13)}}},
    {"password", {{0x000, "1.5"}}},
    {"six_digit_password", {{0x000, "123456"}}},
    {"vox_level_zero", {{0x3C7, std::string(1, '\0')}}},
    {"side_key_priority_scan_and_dtmf_ends", {{0x3C5, "\x80"}, {0x3C9, "\x59\xFF\x00"}}},
    {"ani_high_codes", {{0x3B0, "\x31\xFE\xA9"}}},
    // The in-use marker goes with a pair of frequencies only.
    {"debug_one_sided",
     {{0x110, std::string("\x00\x00\x01\x46\xFF\xFF\xFF\xFF", 8)}, {0x11D, "\xFF\xFF"}}},
};

class PlanOfFile : public CliTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(PlanOfFile, EncodesBackToTheSameBytes) {
    ASSERT_EQ(Run({"new", "start.dat"}).status, 0);
    std::string file = Read("start.dat");
    for (const auto& [address, bytes] : GetParam().bytes) {
        file.replace(50 + address, bytes.size(), bytes);
    }
    Write("radio.dat", file);
    const CliResult dumped = Run({"dump", "--json", "radio.dat"});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    const CliResult encoded = Run({"encode", "-", "again.dat"}, dumped.out);
    ASSERT_EQ(encoded.status, 0) << encoded.err;
    EXPECT_EQ(Read("again.dat"), file);
}

INSTANTIATE_TEST_SUITE_P(Files, PlanOfFile, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::string plan;  // the body; "format" and "version" are added unless it has them
    int status;
    std::string message;  // part of the stderr line
    const char* lang = "en";
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kChannel = R"("channel": 5, "rx_mhz": "460.00000")";

const RefusalCase kRefusals[] = {
    {"unknown_top_key", R"({"chanels": []})", 2, "plan.json: unknown key \"chanels\"; the keys"},
    {"long_key_shortened", "{\"" + std::string(300, 'k') + "\": 1}", 2,
     "unknown key \"" + std::string(37, 'k') + "...\"; the keys"},
    {"unknown_channel_key", "{\"channels\": [{" + kChannel + ", \"bandwith\": \"wide\"}]}", 2,
     "plan.json: channel 5: unknown key \"bandwith\"; the keys are channel, rx_mhz, rx_tone"},
    {"unknown_setting", R"({"dtmf": {"delay": 50}})", 2,
     "plan.json: dtmf: unknown key \"delay\"; the keys are first_digit_delay_ms"},
    {"word_not_in_list", "{\"channels\": [{" + kChannel + ", \"bandwidth\": \"medium\"}]}", 2,
     "plan.json: channel 5, bandwidth: \"medium\" is not allowed; one of wide, narrow"},
    {"word_not_in_list_zh", "{\"channels\": [{" + kChannel + ", \"power\": \"max\"}]}", 2,
     "plan.json：信道 5，power：\"max\" 不可用；low、high 之一", "zh"},
    {"position_for_word", R"({"side_keys": {"pf1_short": 3}})", 2,
     "side_keys.pf1_short: 3 is not allowed; one of off, monitor, scan"},
    {"text_for_number", R"({"settings": {"squelch_level": "5"}})", 2,
     "settings.squelch_level: \"5\" is not allowed; a whole number from 0 to 9, or null"},
    {"fraction", R"({"power_levels": {"high": 200.5}})", 2,
     "power_levels.high: 200.5 is not allowed; a whole number from 0 to 255"},
    {"off_step", R"({"settings": {"tx_timeout_s": 45}})", 2, "in steps of 30, or null"},
    {"null_in_a_dialog", R"({"dtmf": {"digit_delay_ms": null}})", 2,
     "dtmf.digit_delay_ms: null is not allowed"},
    {"number_for_frequency", R"({"channels": [{"channel": 5, "rx_mhz": 460.125}]})", 2,
     "channel 5, rx_mhz: 460.125 is not allowed; a frequency text"},
    {"channel_zero", R"({"channels": [{"channel": 0, "rx_mhz": "460"}]})", 2,
     "channels[0].channel: 0 is not allowed; a whole number from 1 to 16"},
    {"channel_17_debug", R"({"debug_channels": [{"channel": 17}]})", 2,
     "debug_channels[0].channel: 17 is not allowed"},
    {"channel_twice", "{\"channels\": [{" + kChannel + "}, {" + kChannel + "}]}", 2,
     "plan.json: channels[1]: channel 5 is listed twice"},
    {"channel_twice_zh", "{\"channels\": [{" + kChannel + "}, {" + kChannel + "}]}", 2,
     "channels[1]：信道 5 重复列出", "zh"},
    {"channel_without_rx", R"({"channels": [{"channel": 5}]})", 2,
     "channel 5: missing key \"rx_mhz\""},
    {"channels_not_a_list", R"({"channels": {"channel": 5}})", 2,
     "channels: {...} is not allowed; an array"},
    {"long_password", R"({"password": "1234567"})", 2, "password: \"1234567\" is not allowed"},
    {"long_ani", R"({"ani": "123456789"})", 2, "ani: \"123456789\" is not allowed"},
    {"other_version", R"({"format": "m742-plan", "version": 3})", 2, "version: 3 is not allowed"},
    {"other_format", R"({"format": "chirp", "version": 2})", 2, "format: \"chirp\" is not"},
    {"out_of_band", R"({"channels": [{"channel": 5, "rx_mhz": "480.00000"}]})", 1,
     "Beyond the frequency range (the band is 400–480 MHz) (channel 5, rx_mhz: \"480.00000\")"},
    {"out_of_band_zh", R"({"channels": [{"channel": 5, "rx_mhz": "399.9"}]})", 1,
     "超出频段范围（频段 400–480 MHz）（信道 5，rx_mhz：\"399.9\"）", "zh"},
};

class PlanRefusal : public CliTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PlanRefusal, NamesTheKeyAndWritesNothing) {
    const RefusalCase& c = GetParam();
    json plan = json::parse(c.plan);
    if (!plan.contains("format")) {
        plan = Plan(c.plan);
    }
    Write("plan.json", plan.dump());
    const CliResult result = Run({"encode", "--lang", c.lang, "plan.json", "out.dat"});
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(Listing(), std::vector<std::string>{"plan.json"});
}

INSTANTIATE_TEST_SUITE_P(Refusals, PlanRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// A data file of random bytes but for the header's model and version; seed 0 gives an erased
// radio (every image byte FFh).
std::string RandomFile(std::uint32_t seed) {
    std::string file(1074, '\xFF');
    for (std::size_t i = 16; seed != 0 && i < file.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        file[i] = static_cast<char>(seed >> 24);
    }
    file.replace(0, 16, std::string("ZMR47C\xFF\xFF\xFF\xFFV0100\xFF", 16));
    return file;
}

// A file's own dump encodes over it to the file itself, byte for byte, whatever it holds.
TEST_F(CliTest, EncodeOverABaseOfItsOwnDumpGivesTheFileBack) {
    for (std::uint32_t seed : {0u, 7u, 8u, 9u, 10u, 11u}) {
        SCOPED_TRACE(seed);
        const std::string old = RandomFile(seed);
        Write("old.dat", old);
        const CliResult dumped = Run({"dump", "--json", "old.dat"});
        ASSERT_EQ(dumped.status, 0) << dumped.err;
        Write("plan.json", dumped.out);
        const CliResult result = Run({"encode", "--base", "old.dat", "plan.json", "new.dat"});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(Read("new.dat"), old);
    }
    // A base from another program, with a header of its own, is taken and keeps it.
    std::string other = RandomFile(12);
    other.replace(0, 16, "OTHER PROGRAM 01");
    Write("other.dat", other);
    Write("plan.json", R"({"format": "m742-plan", "version": 2, "channels": []})");
    const CliResult result = Run({"encode", "--base", "other.dat", "plan.json", "new.dat"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("new.dat").substr(0, 50), other.substr(0, 50));
}

// Whatever OLD.dat holds, its own plan with one change encodes over it: the header and every
// bit the program does not edit survive, and so does every value the plan leaves as it was,
// even one the window would refuse.
TEST_F(CliTest, EncodeOverABaseKeepsWhatThePlanDoesNotSay) {
    const ImageMask& modeled = ModeledBits();
    for (std::uint32_t seed : {7u, 8u, 9u}) {
        SCOPED_TRACE(seed);
        const std::string old = RandomFile(seed);
        Write("old.dat", old);
        json plan = json::parse(Run({"dump", "--json", "old.dat"}).out);
        plan["settings"]["squelch_level"] = 3;
        Write("plan.json", plan.dump());
        const CliResult result = Run({"encode", "--base", "old.dat", "plan.json", "new.dat"});
        ASSERT_EQ(result.status, 0) << result.err;
        const std::string file = Read("new.dat");
        ASSERT_EQ(file.size(), 1074u);
        EXPECT_EQ(file.substr(0, 50), old.substr(0, 50));
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const auto unknown = [&](const std::string& bytes) {
                return static_cast<std::uint8_t>(bytes[50 + i]) & ~modeled[i] & 0xFF;
            };
            EXPECT_EQ(unknown(file), unknown(old)) << i;
        }
        EXPECT_EQ(json::parse(Run({"dump", "--json", "new.dat"}).out), plan);
    }
}

// A plan with the password left out keeps OLD.dat's; channels left out are emptied, and a
// channel in use keeps the keys the plan leaves out.
TEST_F(CliTest, EncodeOverABaseStartsFromItsPlan) {
    Write("old.json", Plan(R"({"password": "4321", "channels": [
        {"channel": 1, "rx_mhz": "460.00000", "tx_mhz": "", "busy_lock": "tone"},
        {"channel": 2, "rx_mhz": "461.00000"}]})")
                          .dump());
    ASSERT_EQ(Run({"encode", "old.json", "old.dat"}).status, 0);
    Write("plan.json", Plan(R"({"channels": [{"channel": 1, "rx_mhz": "462.00000"}]})").dump());
    ASSERT_EQ(Run({"encode", "--base", "old.dat", "plan.json", "new.dat"}).status, 0);
    const json plan = json::parse(Run({"dump", "--json", "new.dat"}).out);
    EXPECT_EQ(plan["password"], "4321");
    ASSERT_EQ(plan["channels"].size(), 1u);
    EXPECT_EQ(plan["channels"][0]["rx_mhz"], "462.00000");
    EXPECT_EQ(plan["channels"][0]["tx_mhz"], "");
    EXPECT_EQ(plan["channels"][0]["busy_lock"], "tone");
    // Without --base the same plan starts from the start-up plan: no password.
    ASSERT_EQ(Run({"encode", "plan.json", "fresh.dat"}).status, 0);
    EXPECT_EQ(Read("fresh.dat").substr(50, 4), "\xFF\xFF\xFF\xFF");
}

}  // namespace
}  // namespace m742::cli_test
