// Every way a command can fail: the exit status, one line on stderr that says why, nothing on
// stdout, and no output file created or changed.
#include <algorithm>

#include "cli_runner.h"

namespace m742::cli_test {
namespace {

using nlohmann::json;

struct FailureCase {
    std::string name;
    std::vector<std::string> args;
    std::string state;  // the content of state.json, if any
    int status;
    std::string message;  // part of the stderr line
    std::string output;   // an output file that must be neither created nor changed
};

// Names the case in test output instead of its bytes.
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

template <typename Edit>
std::string State(Edit edit) {
    json state = StartupJson();
    edit(state);
    return state.dump();
}

const std::vector<std::string> kEncode{"encode", "state.json", "out.dat"};

std::vector<FailureCase> FailureCases() {
    const std::string valid = State([](json&) {});
    // clang-format off
    return {
        // Usage.
        {"no_command", {}, "", 2, "no command given (see m742-cli --help)", ""},
        {"unknown_command", {"frob", "out.dat"}, "", 2, "unknown command \"frob\"", ""},
        {"unknown_option", {"new", "--json", "out.dat"}, "", 2,
         "new: unknown option \"--json\" (see m742-cli new --help)", "out.dat"},
        {"unknown_language", {"new", "--lang", "fr", "out.dat"}, "", 2,
         "--lang takes en or zh, not \"fr\"", "out.dat"},
        {"missing_operand", {"encode", "state.json"}, valid, 2, "encode: missing OUT.dat", ""},
        {"plan_version_without_json", {"dump", "--plan-version", "1", "plan.dat"}, "", 2,
         "dump: --plan-version goes with --json", ""},
        {"plan_version_unknown", {"dump", "--json", "--plan-version", "3", "plan.dat"}, "", 2,
         "dump: --plan-version takes 1 or 2, not \"3\"", ""},
        {"extra_operand", {"new", "out.dat", "more.dat"}, "", 2,
         "unexpected argument \"more.dat\"", "out.dat"},

        // Files. The core's messages name the file.
        {"dump_missing_file", {"dump", "none.dat"}, "", 2,
         "Cannot open \"none.dat\": the file does not exist.", ""},
        {"dump_short_file", {"dump", "short.dat"}, "", 2,
         "\"short.dat\" is not an M-742 data file: it holds 100 bytes", ""},
        {"dump_directory", {"dump", "."}, "", 2, "Cannot read \".\"", ""},
        {"new_into_missing_folder", {"new", "nowhere/out.dat"}, "", 2,
         "Cannot save \"nowhere/out.dat\"", ""},
        {"new_onto_directory", {"new", "."}, "", 2, "Cannot save \".\"", ""},
        {"encode_missing_state", {"encode", "none.json", "out.dat"}, "", 2,
         "Cannot open \"none.json\": the file does not exist.", "out.dat"},
        {"encode_into_missing_folder", {"encode", "state.json", "nowhere/out.dat"}, valid, 2,
         "Cannot save \"nowhere/out.dat\"", ""},
        // A CSV file is read and written as a data file is, with the same messages.
        {"import_csv_missing_file", {"import-csv", "none.csv", "out.dat"}, "", 2,
         "m742-cli: Cannot open \"none.csv\": the file does not exist.\n", "out.dat"},
        {"import_csv_directory", {"import-csv", ".", "out.dat"}, "", 2,
         "m742-cli: Cannot read \".\": not a regular file.\n", "out.dat"},
        {"import_csv_too_large", {"import-csv", "state.json", "out.dat"}, std::string(1100000, ' '),
         2, "m742-cli: \"state.json\" is too large for a channel list (more than 1048576 bytes).\n",
         "out.dat"},
        {"export_csv_into_missing_folder", {"export-csv", "mine.dat", "nowhere/out.csv"}, "", 2,
         "m742-cli: Cannot save \"nowhere/out.csv\": No such file or directory. The file was not "
         "changed.\n", ""},
        {"export_csv_onto_directory", {"export-csv", "mine.dat", "."}, "", 2,
         "m742-cli: Cannot save \".\": not a regular file. The file was not changed.\n", ""},

        // Files that are no data files never reach a radio, a CSV, a report or a comparison;
        // nothing replaces a data file with a file of another kind.
        {"write_json_plan", {"write", "--port", "COM1", "state.json"}, valid, 2,
         "\"state.json\" is not an M-742 data file: it looks like a JSON file. If it is a channel "
         "plan as \"m742-cli dump --json\" prints it, \"m742-cli encode\" saves it", ""},
        {"write_csv", {"write", "--port", "COM1", "--port", "COM2", "list.csv"}, "", 2,
         "it looks like a CHIRP CSV channel list, which File → \"Import Channels…\" and "
         "\"m742-cli import-csv\" read.", ""},
        {"export_swapped", {"export-csv", "list.csv", "mine.dat"}, "", 2,
         "\"list.csv\" is not an M-742 data file", "mine.dat"},
        {"export_over_data_file", {"export-csv", "mine.dat", "other.dat"}, "", 2,
         "Cannot save \"other.dat\": it is an M-742 data file, which this would replace", ""},
        {"report_over_data_file", {"report", "--pdf", "other.dat", "mine.dat"}, "", 2,
         "Cannot save \"other.dat\": it is an M-742 data file", ""},
        {"diff_json", {"diff", "mine.dat", "state.json"}, valid, 2,
         "\"state.json\" is not an M-742 data file", ""},
        {"dump_zh", {"dump", "--lang", "zh", "list.csv"}, "", 2,
         "“list.csv”不是 M-742 数据文件：它看来是 CHIRP CSV 信道表", ""},

        // Options that cannot mean what they say.
        {"port_without_value", {"write", "--port", "--verify", "mine.dat"}, "", 2,
         "write: option --port needs a value (PORT), not the option \"--verify\"", ""},
        {"backup_dir_and_no_backup",
         {"read", "--port", "COM1", "--no-backup", "--backup-dir", "b", "out.dat"}, "", 2,
         "read: --backup-dir and --no-backup exclude each other", "out.dat"},
        {"password_too_long", {"read", "--port", "COM1", "--password", "1234567", "out.dat"}, "", 2,
         "read: --password takes at most 6 characters, digits and \".\" only", "out.dat"},
        {"password_letters", {"read", "--port", "COM1", "--password", "12ab", "out.dat"}, "", 2,
         "read: --password takes at most 6", "out.dat"},
        {"version_with_argument", {"--version", "extra"}, "", 2,
         "--version takes no argument, not \"extra\"", ""},

        // Bad JSON: the file, the key path and what is wrong.
        {"json_syntax", kEncode, R"({"memory": [)", 2, "state.json: not valid JSON: ", "out.dat"},
        {"json_unknown_key", kEncode, R"({"memroy": []})", 2,
         "state.json: memroy: unknown key", "out.dat"},
        {"json_unknown_setting", kEncode, R"({"settings": {"Combo5": 0}})", 2,
         "state.json: settings.Combo5: unknown key", "out.dat"},
        {"json_row_count", kEncode, State([](json& s) { s["memory"].erase(15); }), 2,
         "state.json: memory: must hold 16 rows, not 15", "out.dat"},
        {"json_row_length", kEncode, State([](json& s) { s["debug"][3] = {"460.00000"}; }), 2,
         "state.json: debug[3] (channel 4): must hold 2", "out.dat"},
        {"json_cell_type", kEncode, State([](json& s) { s["memory"][0][2] = 88.5; }), 2,
         "state.json: memory[0][2] (channel 1, TX Frequency): must be a string, not 88.5",
         "out.dat"},
        {"json_position_range", kEncode, R"({"settings": {"Combo2": 7}})", 2,
         "state.json: settings.Combo2: 7 is not a position of its list (-1 to 3)", "out.dat"},
        {"json_position_type", kEncode, R"({"settings": {"Combo4": "5"}})", 2,
         "state.json: settings.Combo4: must be a whole number, not \"5\"", "out.dat"},
        {"json_cell_list_range", kEncode, State([](json& s) { s["CellListIndex"][0][0] = 3; }), 2,
         "state.json: CellListIndex[0][0] (channel 1, Busy Lock): 3 is not a position of its "
         "list (-1 to 2)", "out.dat"},
        {"json_side_key_unset", kEncode, R"({"globals": {"SideKeyPf1Short": -1}})", 2,
         "globals.SideKeyPf1Short: -1 is not a position of its list (0 to 7)", "out.dat"},
        {"json_dtmf_range", kEncode, R"({"globals": {"DtmfFirstDelay": 90}})", 2,
         "globals.DtmfFirstDelay: 90 is not a position of its list (0 to 89)", "out.dat"},
        {"json_power_range", kEncode, R"({"globals": {"PowerHigh": 256}})", 2,
         "globals.PowerHigh: 256 is not a power level (0 to 255)", "out.dat"},
        {"json_password_letter", kEncode, R"({"Text2": "12a"})", 2,
         "Text2: the password holds only digits and \".\", not \"a\"", "out.dat"},
        {"json_ani_code", kEncode, R"({"Text3": "12\u00FF"})", 2,
         "Text3: \"ÿ\" (U+00FF) cannot be stored", "out.dat"},

        // Cells the encoder refuses: exit 1, its message in the language asked for, the cell.
        {"refused_frequency", kEncode, State([](json& s) { s["memory"][0][0] = "46.1"; }), 1,
         "Frequency input is incorrect, please correct! (memory channel 1, RX Frequency: "
         "\"46.1\")", "out.dat"},
        {"refused_frequency_zh", {"encode", "--lang", "zh", "state.json", "out.dat"},
         State([](json& s) { s["memory"][0][0] = "46.1"; }), 1,
         "频率输入有误，请改正！（记忆信道 1，接收频率：“46.1”）", "out.dat"},
        {"refused_tone", kEncode,
         State([](json& s) { s["memory"][2] = {"460.00000", "88.x", "", "", "", "", "", ""}; }),
         1, "QT/DQT input is incorrect, please correct! (memory channel 3, QT/DQT Dec", "out.dat"},
    };
    // clang-format on
}

class Failure : public CliTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, ExitsWithOneLineAndLeavesFilesAlone) {
    const FailureCase& c = GetParam();
    if (!c.state.empty()) {
        Write("state.json", c.state);
    }
    Write("short.dat", std::string(100, '\xFF'));
    Write("list.csv", "Location,Name,Frequency\r\n1,,460.125000\r\n");
    Write("mine.dat", DataFileOf(std::vector<unsigned char>(1024, 0xFF)));
    Write("other.dat", DataFileOf(std::vector<unsigned char>(1024, 0x00)));
    const auto before = Listing();
    std::vector<std::string> contents;
    for (const std::string& name : before) {
        contents.push_back(Read(name));
    }

    const CliResult result = Run(c.args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(Listing(), before) << "a file was created or a temporary file left behind";
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(Read(before[i]), contents[i]) << before[i] << " was changed";
    }

    if (!c.output.empty()) {
        const std::string previous = "an older file, not to be touched";
        Write(c.output, previous);
        EXPECT_EQ(Run(c.args).status, c.status);
        EXPECT_EQ(Read(c.output), previous);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Failure, ::testing::ValuesIn(FailureCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace m742::cli_test
