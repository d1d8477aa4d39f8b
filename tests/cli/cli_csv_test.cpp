// export-csv and import-csv: CHIRP CSV files in and out of data files, their messages and exit
// statuses.
#include "cli_runner.h"

namespace m742::cli_test {
namespace {

using nlohmann::json;

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

class CsvCommands : public CliTest {
protected:
    // A data file with two channels, a squelch grade of 2 and the radio password 1234.
    void WritePlan(std::string_view name) {
        json state = StartupJson();
        state["memory"][0] = {"460.12500", "88.5", "465.12500", "88.5",
                              "Carrier",   "Wide", "Yes",       "High"};
        state["CellListIndex"][0] = {1, 0, 1, 1};
        state["memory"][6] = {"401.00000", "D023I",  "479.00000", "Off",
                              "Off",       "Narrow", "No",        "Low"};
        state["CellListIndex"][6] = {0, 1, 0, 0};
        state["settings"]["Combo4"] = 2;
        state["Text2"] = "1234";
        Write("state.json", state.dump());
        ASSERT_EQ(Run({"encode", "state.json", std::string(name)}).status, 0);
        // A header byte and image bytes the program does not know, which --base keeps.
        std::string bytes = Read(std::string(name));
        bytes[20] = 'X';
        bytes[50 + 0x3E0] = '\x5A';
        Write(std::string(name), bytes);
    }
};

TEST_F(CsvCommands, ExportThenImportOverTheSameFileGivesItBack) {
    WritePlan("plan.dat");
    const CliResult exported = Run({"export-csv", "plan.dat", "plan.csv"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(Read("plan.csv"),
              std::string(kHeader) +
                  "1,,460.125000,+,5.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"
                  "\r\n"
                  "7,,401.000000,split,479.000000,Cross,88.5,88.5,023,NR,023,->DTCS,NFM,5.00,S,"
                  "1.0W,,,,,\r\n");
    EXPECT_EQ(Run({"export-csv", "plan.dat", "-"}).out, Read("plan.csv"));

    const CliResult imported = Run({"import-csv", "plan.csv", "copy.dat", "--base", "plan.dat"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Imported 2 channels, skipped 0 rows.\n");
    EXPECT_EQ(imported.err, "");
    EXPECT_EQ(Read("copy.dat"), Read("plan.dat"));  // password and busy lock included

    // Without --base: the start-up plan with the file's channels, busy lock Off.
    ASSERT_EQ(Run({"import-csv", "plan.csv", "fresh.dat"}).status, 0);
    ASSERT_EQ(Run({"import-csv", "-", "stdin.dat"}, Read("plan.csv")).status, 0);
    EXPECT_EQ(Read("stdin.dat"), Read("fresh.dat"));
    const json fresh = json::parse(Run({"dump", "--json", "fresh.dat"}).out);
    EXPECT_EQ(fresh["channels"][0]["busy_lock"], "off");
    EXPECT_EQ(fresh["settings"]["squelch_level"], 5);
}

struct StatusCase {
    const char* name;
    std::string csv;
    std::vector<std::string> options;
    int status;
    const char* out;
    const char* err;
    bool written;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.name;
}

const StatusCase kStatusCases[] = {
    {"skippedRowsAreSaidAndTheRestSaved",
     std::string(kHeader) + "3,,460.125,,0,,,,,,,,FM,,,,,,,,\r\n17,,460.5,,0,,,,,,,,FM,,,,,,,,\r\n"
                            "4,,460.5,,0,TSQL-R,88.5,88.5,,,,,FM,,,,,,,,\r\n",
     {},
     1,
     "Imported 1 channel, skipped 2 rows.\n",
     "m742-cli: in.csv: Line 3 (Location 17): Location must be 1 to 16\n"
     "m742-cli: in.csv: Line 4 (Location 4): Tone \"TSQL-R\": the radio cannot hold it\n",
     true},
    {"inChinese",
     std::string(kHeader) + "3,,460.125,,0,,,,,,,,AM,,,,,,,,\r\n",
     {"--lang", "zh"},
     1,
     "已导入 0 个信道，跳过 1 行。\n",
     "m742-cli: in.csv: 第 2 行（Location 3）：Mode“AM”：对讲机无法保存\n",
     true},
    {"noChirpCsv",
     "Name,Freq\r\nA,460.125\r\n",
     {},
     2,
     "",
     "m742-cli: \"in.csv\" is not a CHIRP CSV file: it has no header line with the columns "
     "Location and Frequency.\n",
     false},
    {"missingBase",
     std::string(kHeader),
     {"--base", "none.dat"},
     2,
     "",
     "m742-cli: Cannot open \"none.dat\": the file does not exist.\n",
     false},
};

class CsvStatus : public CliTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CsvStatus, ImportTellsWhatItDid) {
    const StatusCase& c = GetParam();
    Write("in.csv", c.csv);
    std::vector<std::string> args{"import-csv", "in.csv", "out.dat"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(Read("out.dat").size(), c.written ? 1074U : 0U);
}

INSTANTIATE_TEST_SUITE_P(Cli, CsvStatus, ::testing::ValuesIn(kStatusCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace m742::cli_test
