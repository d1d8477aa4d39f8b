// "encode" and "dump --json" undo each other: a state encodes to the bytes the radio expects,
// decodes to the same state, and every dump, even of a damaged file, encodes back.
#include <cstdint>

#include "cli_runner.h"

namespace m742::cli_test {
namespace {

using nlohmann::json;

struct RoundTripCase {
    const char* name;
    void (*edit)(json& state);
    std::size_t address;  // image bytes the state must give
    std::string expected;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

// The states are written as the decoder shows them (texts of columns 5-8 matching their
// positions, no encode tone without a TX frequency), so that they come back unchanged.
const RoundTripCase kStates[] = {
    {"channels",
     [](json& s) {
         s["memory"][0] = {"460.12500", "88.5", "460.12500", "D023N", "Off", "Wide", "Yes", "High"};
         s["CellListIndex"][0] = {0, 0, 1, 1};
         s["memory"][1] = {"479.99750", "D754I", "", "", "QT/DQT", "Narrow", "No", "Low"};
         s["CellListIndex"][1] = {2, 1, 0, 0};
         s["memory"][15] = {"400.00000", "Off",  "410.00000", "254.1",
                            "Carrier",   "Wide", "Yes",       "Low"};
         s["CellListIndex"][15] = {1, 0, 1, 0};
         s["debug"][0] = {"", ""};
         s["debug"][12] = {"440.00000", "441.12500"};
     },
     0x010, std::string("\x00\x25\x01\x46\x00\x25\x01\x46\x85\x08\x23\x80\xFB\xFF\xFF\xFF", 16)},
    {"settings",
     [](json& s) {
         s["settings"] = {{"Combo2", 3},  {"Combo3", 10}, {"Combo4", 9},  {"Combo6", 0},
                          {"Combo7", 15}, {"Combo9", 0},  {"Combo10", 1}, {"Combo11", 3},
                          {"Combo12", 1}, {"Combo13", 8}, {"Combo14", 2}, {"Combo1", 0}};
         s["globals"] = {{"SideKeyPf1Short", 3}, {"SideKeyPf1Long", 0},  {"SideKeyPf2Short", 7},
                         {"SideKeyPf2Long", 6},  {"DtmfFirstDelay", 89}, {"DtmfInterval", 255},
                         {"DtmfDelay", 0},       {"PowerLow", 0},        {"PowerHigh", 255}};
     },
     0x3C5, std::string("\x80\x76\x09", 3)},
    {"ani_and_no_selection",
     [](json& s) {
         s["Text3"] = "12AB*";
         s["settings"]["Combo13"] = -1;  // a stored level 0 leaves the box without a selection
     },
     0x3B0, "12AB*\xFF\xFF\xFF"},
};

class RoundTrip : public CliTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, EncodeThenDumpGivesTheStateAndTheSameBytes) {
    json state = StartupJson();
    GetParam().edit(state);
    Write("state.json", state.dump());
    const CliResult encoded = Run({"encode", "state.json", "a.dat"});
    ASSERT_EQ(encoded.status, 0) << encoded.err;
    const std::string file = Read("a.dat");
    ASSERT_EQ(file.size(), 1074u);
    EXPECT_EQ(file.substr(50 + GetParam().address, GetParam().expected.size()),
              GetParam().expected);

    const CliResult dumped = Run({"dump", "--json", "--plan-version", "1", "a.dat"});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    EXPECT_EQ(json::parse(dumped.out), state);

    // The dump, through standard input, encodes to the same file; so does a Chinese dump.
    ASSERT_EQ(Run({"encode", "-", "b.dat"}, dumped.out).status, 0);
    EXPECT_EQ(Read("b.dat"), file);
    const CliResult chinese =
        Run({"dump", "--json", "--plan-version", "1", "--lang", "zh", "a.dat"});
    ASSERT_EQ(chinese.status, 0);
    ASSERT_EQ(Run({"encode", "-", "c.dat"}, chinese.out).status, 0);
    EXPECT_EQ(Read("c.dat"), file);
}

INSTANTIATE_TEST_SUITE_P(States, RoundTrip, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return std::string(info.param.name); });

// Images a damaged radio or a foreign file may hold: the decoder shows any of them, and what
// it shows must always encode back (exit 0), then stay the same through another round.
TEST_F(CliTest, EveryDumpEncodesBack) {
    std::vector<std::vector<unsigned char>> images{std::vector<unsigned char>(1024, 0x00),
                                                   std::vector<unsigned char>(1024, 0xFF)};
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        std::vector<unsigned char> image(1024);
        for (unsigned char& byte : image) {
            seed = seed * 1664525u + 1013904223u;
            byte = static_cast<unsigned char>(seed >> 24);
        }
        images.push_back(image);
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (const char* lang : {"en", "zh"}) {
            SCOPED_TRACE(testing::Message() << "image " << i << " " << lang);
            Write("damaged.dat", DataFileOf(images[i]));
            const CliResult first =
                Run({"dump", "--json", "--plan-version", "1", "--lang", lang, "damaged.dat"});
            ASSERT_EQ(first.status, 0) << first.err;
            const CliResult once = Run({"encode", "--lang", lang, "-", "once.dat"}, first.out);
            ASSERT_EQ(once.status, 0) << once.err;
            const CliResult second =
                Run({"dump", "--json", "--plan-version", "1", "--lang", lang, "once.dat"});
            ASSERT_EQ(Run({"encode", "--lang", lang, "-", "twice.dat"}, second.out).status, 0);
            EXPECT_EQ(Read("twice.dat"), Read("once.dat"));
        }
    }
}

TEST_F(CliTest, PasswordIsStoredButNeverReadBack) {
    Write("state.json", R"({"Text2": "12.34"})");
    ASSERT_EQ(Run({"encode", "state.json", "a.dat"}).status, 0);
    EXPECT_EQ(Read("a.dat").substr(50, 16), "12.34" + std::string(11, '\xFF'));
    EXPECT_EQ(json::parse(Run({"dump", "--json", "--plan-version", "1", "a.dat"}).out)["Text2"],
              "");
}

}  // namespace
}  // namespace m742::cli_test
