#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <algorithm>
#include <functional>

#include "channel_editing/channel_plan.h"
#include "plan_formats/plan_diff.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "texts/diff_texts.h"
#include "texts/store_refusal.h"

namespace m742 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Channel 1 in use with every field set; channel 2 empty.
EditorState BasePlan() {
    EditorState editor = StartupEditor();
    SetMemoryRow(editor, 1, Row{"1", "460.12500", "88.5", "461.12500", "D023N", "", "", "", ""});
    SetListPositions(editor, 1, Positions{0, 0, 0, 0, 0, 0, 0, 1, 1});  // Off, Wide, Yes, High
    editor.ani = "123";
    return editor;
}

Bytes FileOf(const EditorState& editor) {
    const auto image = EncodeImage(editor, Lang::English);
    EXPECT_TRUE(image.ok()) << Worded(image.status().message, Lang::English);
    return DataFileBytes(image.value());
}

// One line of a comparison: "channels 1 rx_mhz: "460.12500" | "460.25000"", "image 3E0h: FF | 12".
std::vector<std::string> Lines(const PlanDiff& diff) {
    constexpr const char* kSections[] = {"channels", "debug",    "settings",
                                         "dialogs",  "password", "ani"};
    std::vector<std::string> lines;
    for (const PlanDifference& item : diff.items) {
        std::string line = kSections[static_cast<int>(item.section)];
        if (item.channel != 0) {
            line += " " + std::to_string(item.channel);
        }
        if (!item.field && item.section == DiffSection::kChannels) {
            line += " whole: " + std::to_string(item.fieldsA.size()) + " fields | " +
                    std::to_string(item.fieldsB.size()) + " fields";
        } else {
            line += " " + std::string(item.key()) + ": " + PlanValueText(item.a.plan) + " | " +
                    PlanValueText(item.b.plan);
        }
        lines.push_back(line);
    }
    for (const ByteDifference& bytes : diff.otherBytes) {
        lines.push_back(
            std::string(bytes.area == ByteArea::kHeader ? "header " : "image ") +
            ByteRangeName(bytes, Lang::English).substr(bytes.area == ByteArea::kHeader ? 12 : 8) +
            ": " + HexText(bytes.a) + " | " + HexText(bytes.b));
    }
    return lines;
}

struct DiffCase {
    std::string name;
    std::function<void(EditorState&)> editPlan;  // B's plan, from the base plan
    std::function<void(Bytes&)> editBytes;       // B's file, after encoding
    std::vector<std::string> lines;
};

void PrintTo(const DiffCase& c, std::ostream* os) {
    *os << c.name;
}

std::size_t At(int address) {
    return kDataFileHeaderSize + static_cast<std::size_t>(address);
}
const std::size_t kFlags1 = At(MemoryChannelAddress(1) + kFlagsOffset);

const DiffCase kCases[] = {
    {"equal", {}, {}, {}},
    {"channel fields",
     [](EditorState& e) {
         SetMemoryCellText(e, 1, 1, "460.25000");
         SetMemoryCellText(e, 1, 4, "Off");
         SetListPosition(MemoryChannelOf(e, 1), kColumnBandwidth, 1);
     },
     {},
     {R"(channels 1 rx_mhz: "460.12500" | "460.25000")", R"(channels 1 tx_tone: "D023N" | "off")",
      R"(channels 1 bandwidth: "wide" | "narrow")"}},
    // A channel in one plan only is one line, whatever else its record holds.
    {"channel in one plan only",
     [](EditorState& e) { ClearMemoryChannel(e, 1); },
     [](Bytes& b) { b[kFlags1] = 0x00; },
     {"channels 1 whole: 8 fields | 0 fields", "image 01Ch: FB | 00"}},
    {"channel in the other plan only",
     [](EditorState& e) {
         SetMemoryRow(e, 2, Row{"2", "470.00000", "Off", "470.00000", "Off", "", "", "", ""});
     },
     {},
     {"channels 2 whole: 0 fields | 8 fields"}},
    // Busy lock 00 reads as Off like 11: held bits, but no field differs.
    {"one value stored two ways",
     {},
     [](Bytes& b) { b[kFlags1] &= 0xFC; },
     {"image 01Ch: FB | F8"}},
    {"unknown bits beside a field",
     {},
     [](Bytes& b) { b[kFlags1] ^= 0x82; },
     {R"(channels 1 busy_lock: "off" | "carrier")", "image 01Ch: FB | 79"}},
    {"bytes of an empty channel",
     {},
     [](Bytes& b) { b[At(MemoryChannelAddress(2) + kTxOffset)] = 0x12; },
     {"image 024h: FF | 12"}},
    // The in-use marker follows the frequencies and is not told apart.
    {"debug channel",
     [](EditorState& e) { SetDebugCellText(e, 3, 2, ""); },
     {},
     {R"(debug 3 tx_mhz: "469.97500" | null)"}},
    {"settings and dialogs",
     [](EditorState& e) {
         e.settings.squelchLevel = 3;
         e.sideKeys.pf2Long = 0;
         e.powerLevels.high = 200;
     },
     {},
     {"settings squelch_level: 5 | 3", R"(dialogs pf2_long: "scan" | "off")",
      "dialogs high: 208 | 200"}},
    {"password and ANI",
     [](EditorState& e) {
         e.password = "1234";
         e.ani = "";
     },
     {},
     {R"(password password: "" | "1234")", R"(ani ani: "123" | "")"}},
    // Ranges keep to one 16-byte line; the header has its own offsets.
    {"other bytes",
     {},
     [](Bytes& b) {
         for (int address = 0x3DE; address <= 0x3E1; ++address) {
             b[At(address)] = 0x00;
         }
         b[7] = 'X';
         b[48] = 0;
         b[49] = 0;
     },
     {"header 07h: FF | 58", "header 30h–31h: FF FF | 00 00", "image 3DEh–3DFh: FF FF | 00 00",
      "image 3E0h–3E1h: FF FF | 00 00"}},
};

class PlanDiffTest : public ::testing::TestWithParam<DiffCase> {};

TEST_P(PlanDiffTest, ListsWhatDiffers) {
    const DiffCase& c = GetParam();
    const EditorState base = BasePlan();
    EditorState plan = base;
    if (c.editPlan) {
        c.editPlan(plan);
    }
    Bytes b = FileOf(plan);
    if (c.editBytes) {
        c.editBytes(b);
    }
    const PlanDiff diff = CompareDataFiles(FileOf(base), b);
    EXPECT_EQ(Lines(diff), c.lines);
    EXPECT_EQ(diff.equal(), c.lines.empty());
    // Turned around, the same lines with A and B swapped.
    const PlanDiff back = CompareDataFiles(b, FileOf(base));
    ASSERT_EQ(back.items.size(), diff.items.size());
    for (std::size_t i = 0; i < diff.items.size(); ++i) {
        EXPECT_EQ(back.items[i].a, diff.items[i].b);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanDiffTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

}  // namespace
}  // namespace m742
