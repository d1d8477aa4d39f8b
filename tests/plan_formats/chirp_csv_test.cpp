#include "plan_formats/chirp_csv.h"
#include "radio_data/layout.h"
#include "texts/csv_report.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <gtest/gtest.h>

#include "channel_editing/channel_operations.h"
#include "channel_editing/channel_plan.h"
#include "plan_formats/base_plan.h"
#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "texts/store_refusal.h"

namespace m742 {
namespace {

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// Channels are written and compared as the channel menu copies them, in English: RX, decode
// tone, TX, encode tone, busy lock, band, add scan, power.
EditorState PlanWith(int row, std::string_view channel) {
    EditorState editor = StartupEditor();
    if (PasteChannels(editor, row, channel)) {
        ADD_FAILURE() << "cannot paste " << channel;
    }
    return editor;
}

// The row's cells 1-8 as the grid shows them in English, tab-separated, with a line end.
std::string Channel(const EditorState& editor, int row) {
    std::string line;
    for (int column = kColumnRx; column <= kLastListColumn; ++column) {
        line += MemoryCellText(editor, row, column, Lang::English);
        line += column == kLastListColumn ? '\n' : '\t';
    }
    return line;
}

// ---------------------------------------------------------------------------------------------
// Export: one channel, the row written.

struct ExportCase {
    const char* name;
    const char* channel;
    const char* row;  // without the line end
};

class ExportRow : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportRow, IsChirpsRow) {
    const CsvExport csv = ExportChirpCsv(PlanWith(3, GetParam().channel));
    EXPECT_EQ(csv.text, std::string(kHeader) + GetParam().row + "\r\n");
    EXPECT_EQ(csv.channels, 1);
    EXPECT_TRUE(csv.leftOut.empty());
}

// clang-format off
const ExportCase kExportCases[] = {
    {"Simplex", "460.125\tOff\t460.125\tOff\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"},
    {"ToneNarrowNoScanLow", "460.00625\tOff\t465.00625\t100.0\tCarrier\tNarrow\tNo\tLow",
     "3,,460.006250,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,1.0W,,,,,"},
    {"Tsql", "460.125\t123.0\t450.125\t123.0\tOff\tWide\tYes\tHigh",
     "3,,460.125000,-,10.000000,TSQL,123.0,123.0,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"},
    {"DtcsTxInverted", "460.125\tD023N\t460.125\tD023I\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,DTCS,88.5,88.5,023,RN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"},
    {"ToneToTone", "460.125\t67.0\t460.125\t88.5\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,Cross,88.5,67.0,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"},
    {"RxToneOnly", "460.125\t67.0\t460.125\tOff\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,FM,5.00,,4.0W,,,,,"},
    {"RxDtcsOnly", "460.125\tD754I\t460.125\tOff\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,Cross,88.5,88.5,023,NR,754,->DTCS,FM,5.00,,4.0W,,,,,"},
    {"TxDtcsOnly", "460.125\tOff\t460.125\tD754N\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,Cross,88.5,88.5,754,NN,023,DTCS->,FM,5.00,,4.0W,,,,,"},
    {"ToneToDtcs", "460.125\tD025N\t460.125\t77.0\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,Cross,77.0,88.5,023,NN,025,Tone->DTCS,FM,5.00,,4.0W,,,,,"},
    {"DtcsToDtcs", "460.125\tD025N\t460.125\tD754I\tOff\tWide\tYes\tHigh",
     "3,,460.125000,,0.000000,Cross,88.5,88.5,754,RN,025,DTCS->DTCS,FM,5.00,,4.0W,,,,,"},
    {"SeventyApartIsAnOffset", "400.0\tOff\t470.0\tOff\tOff\tWide\tYes\tHigh",
     "3,,400.000000,+,70.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"},
    {"FurtherApartIsSplit", "479.9\tOff\t409.875\tOff\tOff\tWide\tYes\tHigh",
     "3,,479.900000,split,409.875000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(ChirpCsv, ExportRow, ::testing::ValuesIn(kExportCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChirpCsv, ExportLeavesOutWhatItCannotWrite) {
    EditorState editor = PlanWith(1, "460.125\tOff\t460.125\tOff\tOff\tWide\tYes\tHigh");
    PasteChannels(editor, 2, "461.125\tOff\t461.125\tOff\tOff\tWide\tYes\tHigh");
    SetMemoryCellText(editor, 2, kColumnEncodeTone, "D9A3N");  // what a damaged file decodes to
    const CsvExport csv = ExportChirpCsv(editor);
    EXPECT_EQ(csv.channels, 1);
    ASSERT_EQ(csv.leftOut.size(), 1U);
    EXPECT_EQ(Worded(csv.leftOut.front(), Lang::English),
              "Channel 2: QT/DQT Enc \"D9A3N\" cannot be "
              "written to a CHIRP CSV file; the channel was "
              "left out.");
    EXPECT_EQ(ExportChirpCsv(StartupEditor()).text, kHeader);
}

// ---------------------------------------------------------------------------------------------
// Import: rows written by hand from CHIRP's format, one channel each, and what becomes of it.

struct ImportCase {
    const char* name;
    const char* row;      // under kHeader, without the line end
    const char* channel;  // as copied, or empty when the row is skipped
    const char* note;     // the reason it was skipped, or the adjustment
};

class ImportRow : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportRow, FollowsTheWindowsRules) {
    const ImportCase& c = GetParam();
    const auto import =
        ImportChirpCsv(std::string(kHeader) + c.row + "\r\n", StartupEditor(), "in.csv");
    ASSERT_TRUE(import.ok()) << Worded(import.status().message, Lang::English);
    const CsvImport& result = import.value();
    const std::vector<CsvRowNote>& notes = *c.channel != '\0' ? result.adjusted : result.skipped;
    if (*c.note == '\0') {
        EXPECT_TRUE(notes.empty()) << Worded(notes.front().text, Lang::English);
    } else {
        ASSERT_EQ(notes.size(), 1U);
        EXPECT_EQ(notes.front().line, 2);
        EXPECT_EQ(Worded(notes.front().text, Lang::English), c.note);
    }
    if (*c.channel == '\0') {
        EXPECT_TRUE(result.channels.empty());
    } else {
        EXPECT_EQ(result.channels, std::vector<int>{5});
        EXPECT_EQ(Channel(result.editor, 5), std::string(c.channel) + "\n");
    }
}

// clang-format off
const ImportCase kImportCases[] = {
    // Taken.
    {"Tone", "5,Rpt,460.125000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,",
     "460.12500\tOff\t465.12500\t100.0\tOff\tWide\tYes\tHigh", ""},
    {"TsqlTakesCToneBothWays", "5,,460.125,,0,TSQL,88.5,123.0,023,NN,023,Tone->Tone,NFM,12.50,S,1.0W,,,,,",
     "460.12500\t123.0\t460.12500\t123.0\tOff\tNarrow\tNo\tLow", ""},
    {"DtcsTakesDtcsCodeBothWays", "5,,460.125,-,10,DTCS,88.5,88.5,23,RN,754,Tone->Tone,FM,5.00,P,5W,,,,,",
     "460.12500\tD023N\t450.12500\tD023I\tOff\tWide\tYes\tHigh", ""},
    {"CrossDtcsToTone", "5,,460.125,split,470.5,Cross,88.5,67.0,754,RN,023,DTCS->Tone,FM,5.00,,0.5W,,,,,",
     "460.12500\t67.0\t470.50000\tD754I\tOff\tWide\tYes\tLow", ""},
    {"CrossToDtcs", "5,,460.125,,0,Cross,88.5,88.5,023,NR,025,->DTCS,FM,5.00,,2.5W,,,,,",
     "460.12500\tD025I\t460.12500\tOff\tOff\tWide\tYes\tHigh", ""},
    {"DuplexOffReceivesOnly", "5,,460.125,off,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
     "460.12500\tOff\t\t\tOff\tWide\tYes\tHigh", ""},
    {"PowerWordAndEmpty", "5,,460.125,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,",
     "460.12500\tOff\t460.12500\tOff\tOff\tWide\tYes\tLow", ""},
    {"Snapped", "5,,460.007000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
     "460.00625\tOff\t460.00625\tOff\tOff\tWide\tYes\tHigh",
     "RX Frequency 460.007000 MHz is stored as 460.00625 on the channel raster"},
    // Skipped, for what the window would refuse or the radio cannot hold.
    {"LocationSeventeen", "17,,460.125,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "Location must be 1 to 16"},
    {"BandTop", "5,,480.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "Frequency \"480.000000\": Beyond the frequency range (the band is 400–480 MHz)"},
    {"OffsetOutOfBand", "5,,475.000000,+,10,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "Offset \"10\": TX 485.000000 MHz: Beyond the frequency range (the band is 400–480 MHz)"},
    {"NoNumber", "5,,46O.125,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "Frequency \"46O.125\": Frequency input is incorrect, please correct!"},

    {"TsqlR", "5,,460.125,,0,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "Tone \"TSQL-R\": the radio cannot hold it"},
    {"ToneOffTheList", "5,,460.125,,0,Tone,88.4,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "rToneFreq \"88.4\": not in the radio's tone list"},
    {"CodeOffTheList", "5,,460.125,,0,DTCS,88.5,88.5,024,NN,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "DtcsCode \"024\": not in the radio's tone list"},
    {"Am", "5,,460.125,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,,,,,,", "",
     "Mode \"AM\": the radio cannot hold it"},
    {"Polarity", "5,,460.125,,0,DTCS,88.5,88.5,023,NX,023,Tone->Tone,FM,5.00,,,,,,,", "",
     "DtcsPolarity \"NX\": not a value of this column"},
    {"Power", "5,,460.125,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,lots,,,,,", "",
     "Power \"lots\": not a value of this column"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(ChirpCsv, ImportRow, ::testing::ValuesIn(kImportCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Whole files in the forms other tools and older CHIRP versions write.
TEST(ChirpCsv, ImportReadsTheDialects) {
    const char* kSemicolons =
        "\xEF\xBB\xBFLocation;Frequency;Duplex;Offset;Tone;rToneFreq;Power\n"
        "1;460,125000;+;5,000000;Tone;88,5;1,0W\n";
    const char* kReordered =
        "# exported by hand\r\n"
        "\r\n"
        "Comment,Tone,Frequency,Extra,Location,Mode,cToneFreq\r\n"
        "\"a, \"\"quoted\"\"\r\ncomment\",TSQL,460.125000,x,1,NFM,71.9\r\n"
        "# 2,,,\r\n";
    const char* kOlder =  // no RxDtcsCode, CrossMode or Power
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode,TStep,Skip,Comment\n"
        "1,,460.125000,,0.000000,Cross,100.0,71.9,023,NN,FM,5.00,,\n";
    const std::pair<const char*, const char*> cases[] = {
        {kSemicolons, "460.12500\tOff\t465.12500\t88.5\tOff\tWide\tYes\tLow\n"},
        {kReordered, "460.12500\t71.9\t460.12500\t71.9\tOff\tNarrow\tYes\tHigh\n"},
        {kOlder, "460.12500\t71.9\t460.12500\t100.0\tOff\tWide\tYes\tHigh\n"},
    };
    for (const auto& [text, channel] : cases) {
        const auto import = ImportChirpCsv(text, StartupEditor(), "in.csv");
        ASSERT_TRUE(import.ok()) << Worded(import.status().message, Lang::English);
        EXPECT_TRUE(import.value().skipped.empty()) << text;
        EXPECT_EQ(import.value().channels, std::vector<int>{1}) << text;
        EXPECT_EQ(Channel(import.value().editor, 1), channel) << text;
    }
}

TEST(ChirpCsv, ImportRefusesWhatIsNoChirpCsv) {
    const std::pair<const char*, const char*> cases[] = {
        {"Location,Name\r\n1,a\r\n",
         "\"x.csv\" is not a CHIRP CSV file: it has no header line with the columns "
         "Location and Frequency."},
        {"Location,Frequency\r\n1,460.125\r\n2,\"460.5\r\n",
         "\"x.csv\" is not a CHIRP CSV file: the quoted field on line 3 is never closed."},
    };
    for (const auto& [text, message] : cases) {
        const auto import = ImportChirpCsv(text, StartupEditor(), "x.csv");
        ASSERT_FALSE(import.ok()) << text;
        EXPECT_EQ(Worded(import.status().message, Lang::English), message);
    }
}

// The file is the channel list: other channels go, the busy lock and everything else stays.
TEST(ChirpCsv, ImportReplacesTheChannelsOfItsBase) {
    EditorState base = PlanWith(2,
                                "450.0\tOff\t450.0\tOff\tCarrier\tWide\tYes\tHigh\n"
                                "451.0\tOff\t451.0\tOff\tQT/DQT\tWide\tYes\tHigh\n"
                                "452.0\tOff\t452.0\tOff\tOff\tWide\tYes\tHigh\n");
    base.password = "1234";
    base.settings.squelchLevel = 7;
    const std::string text =
        std::string(kHeader) +
        "2,,460.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
        "9,,461.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
        "3,,499.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
        "9,,462.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
        "3,,463.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n";
    const auto import = ImportChirpCsv(text, base, "in.csv");
    ASSERT_TRUE(import.ok());
    const CsvImport& result = import.value();
    // A skipped row claims no channel: channel 3's second row is taken.
    EXPECT_EQ(result.channels, (std::vector<int>{2, 9, 3}));
    EXPECT_EQ(Channel(result.editor, 2),
              "460.00000\tOff\t460.00000\tOff\tCarrier\tWide\tYes\tHigh\n");
    EXPECT_EQ(Channel(result.editor, 9), "461.00000\tOff\t461.00000\tOff\tOff\tWide\tYes\tHigh\n");
    EXPECT_EQ(Channel(result.editor, 3),
              "463.00000\tOff\t463.00000\tOff\tQT/DQT\tWide\tYes\tHigh\n");
    EXPECT_FALSE(ChannelInUse(result.editor, 4));  // not in the file
    EXPECT_EQ(result.editor.password, "1234");
    EXPECT_EQ(result.editor.settings, base.settings);
    EXPECT_EQ(result.editor.debug, base.debug);
    EXPECT_EQ(ImportReport(result, Lang::English),
              (std::vector<std::string>{
                  "Imported 3 channels, skipped 2 rows.", "Rows skipped:",
                  "Line 4 (Location 3): Frequency \"499.000000\": Beyond the frequency range (the "
                  "band is 400–480 MHz)",
                  "Line 5 (Location 9): channel 9 was already given on line 3"}));
    EXPECT_EQ(ImportReport(result, Lang::Chinese).front(), "已导入 3 个信道，跳过 2 行。");
}

// Export then import gives the same plan; a data file's own password comes with its plan.
TEST(ChirpCsv, ExportThenImportGivesTheSameChannels) {
    EditorState plan = PlanWith(1,
                                "460.125\t88.5\t460.125\t88.5\tCarrier\tNarrow\tNo\tLow\n"
                                "450.00625\tD023N\t455.00625\tD023I\tOff\tWide\tYes\tHigh\n"
                                "401\tOff\t479\t100.0\tQT/DQT\tWide\tNo\tHigh\n"
                                "462\t67.0\t467\tD754N\tOff\tNarrow\tYes\tLow\n"
                                "430\tD025I\t430\t77.0\tOff\tWide\tYes\tHigh\n"
                                "445\tOff\t\t\tOff\tWide\tYes\tHigh\n"  // receive only
                                "446\t71.9\t\t100.0\tOff\tNarrow\tYes\tLow\n");
    plan.password = "1234";
    const auto image = EncodeImage(plan, Lang::English);
    ASSERT_TRUE(image.ok());
    EXPECT_EQ(PasswordOfImage(image.value()), "1234");
    const EditorState base = EditorOfImage(image.value());
    const auto import = ImportChirpCsv(ExportChirpCsv(base).text, base, "in.csv");
    ASSERT_TRUE(import.ok());
    EXPECT_TRUE(import.value().skipped.empty() && import.value().adjusted.empty());
    EXPECT_EQ(import.value().editor, base);
}

}  // namespace
}  // namespace m742
