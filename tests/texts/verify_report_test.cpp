// The verify after a write: each difference is told by what it is about, in the interface
// language.
#include "texts/verify_report.h"
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include <gtest/gtest.h>

#include <functional>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "texts/store_refusal.h"

namespace m742::testing {
namespace {

// The plan written: two memory channels, a debug channel, password, ANI, settings.
RadioImage Plan() {
    EditorState plan = StartupEditor();
    auto channel = [&plan](int row, const char* rx, const char* dec, const char* tx,
                           const char* enc, std::array<std::int16_t, 4> lists) {
        SetMemoryCellText(plan, row, kColumnRx, rx);
        SetMemoryCellText(plan, row, kColumnDecodeTone, dec);
        SetMemoryCellText(plan, row, kColumnTx, tx);
        SetMemoryCellText(plan, row, kColumnEncodeTone, enc);
        for (int i = 0; i < 4; ++i) {
            SetListPosition(MemoryChannelOf(plan, row), kFirstListColumn + i,
                            lists[static_cast<std::size_t>(i)]);
        }
    };
    channel(1, "460.12500", "67.0", "461.12500", "D023N", {2, 1, 1, 1});
    channel(3, "460.12500", "Off", "", "", {0, 0, 0, 0});
    SetDebugCellText(plan, 2, 1, "470.00000");
    SetDebugCellText(plan, 2, 2, "470.50000");
    plan.password = "123";
    plan.ani = "123";
    plan.settings.squelchLevel = 7;
    const auto image = EncodeImage(plan, Lang::English);
    EXPECT_TRUE(image.ok());
    return image.value();
}

struct DifferenceCase {
    const char* what;
    std::function<void(RadioImage&)> change;  // what the radio holds instead
    bool unlocked;
    Lang lang;
    std::vector<std::string> expected;
};

void Set(RadioImage& image, int address, std::vector<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
}

TEST(WriteDifferences, TellWhatEachDifferenceIsAbout) {
    const DifferenceCase cases[] = {
        {"the same", [](RadioImage&) {}, true, Lang::English, {}},
        {"RX frequency",
         [](RadioImage& r) {
             Set(r, 0x30, {0x00, 0x00, 0x00, 0x46});
         },
         false,
         Lang::English,
         {"Channel 3: RX Frequency 460.12500 in the plan, 460.00000 in the radio"}},
        {"channel gone",
         [](RadioImage& r) {
             Set(r, 0x30, {0xFF, 0xFF, 0xFF, 0xFF});
         },
         false,
         Lang::English,
         {"Channel 3: RX Frequency 460.12500 in the plan, empty in the radio"}},
        {"decode tone and TX power",
         [](RadioImage& r) {
             Set(r, 0x18, {0x19, 0x07});
             r[0x1C] ^= 0x10;
         },
         false,
         Lang::English,
         {"Channel 1: QT/DQT Dec 67.0 in the plan, 71.9 in the radio",
          "Channel 1: TX-Power High in the plan, Low in the radio"}},
        {"flags fill bit and a fill byte",
         [](RadioImage& r) {
             r[0x1C] ^= 0x80;
             r[0x1E] = 0x00;
         },
         false,
         Lang::English,
         {"Address 01Ch: FEh in the plan, 7Eh in the radio",
          "Address 01Eh: FFh in the plan, 00h in the radio"}},
        {"debug channel TX",
         [](RadioImage& r) {
             Set(r, 0x124, {0x00, 0x25, 0x05, 0x47});
         },
         false,
         Lang::English,
         {"Debug channel 2: TX Frequency 470.50000 in the plan, 470.52500 in the radio"}},
        {"password and ANI",
         [](RadioImage& r) {
             r[0x002] = '4';
             r[0x3B2] = 0xFF;
         },
         false,
         Lang::English,
         {"Password: 123 in the plan, 124 in the radio", "ANI: 123 in the plan, 12 in the radio"}},
        {"two settings in one byte, one in the next",
         [](RadioImage& r) {
             r[0x3C0] ^= 0x03;
             r[0x3C1] = 2;
         },
         false,
         Lang::English,
         {"Beep: On in the plan, Off in the radio",
          "Battery Save: On in the plan, Off in the radio",
          "Squelch Grade: 7 Grade in the plan, 2 Grade in the radio"}},
        {"power level, locked: not written, not compared",
         [](RadioImage& r) {
             r[0x3F8] = 93;
             r[0x300] = 0;
             r[0x3E0] = 0;
         },
         false,
         Lang::English,
         {}},
        {"power level, unlocked",
         [](RadioImage& r) { r[0x3F8] = 93; },
         true,
         Lang::English,
         {"TX-Low Power: 92 in the plan, 93 in the radio"}},
        {"in Chinese",
         [](RadioImage& r) {
             Set(r, 0x18, {0x19, 0x07});
             Set(r, 0x30, {0xFF, 0xFF, 0xFF, 0xFF});
             Set(r, 0x124, {0x00, 0x25, 0x05, 0x47});
             r[0x3C1] = 2;
             r[0x3CD] = 0;
         },
         false,
         Lang::Chinese,
         {"信道 1：接收亚音频 写入的是 67.0，对讲机中是 71.9",
          "信道 3：接收频率 写入的是 460.12500，对讲机中是 空",
          "调试信道 2：发射频率 写入的是 470.50000，对讲机中是 470.52500",
          "静噪等级：写入的是 7 级，对讲机中是 2 级", "地址 3CDh：写入的是 FFh，对讲机中是 00h"}},
    };
    const RadioImage sent = Plan();
    for (const DifferenceCase& c : cases) {
        RadioImage radio = sent;
        c.change(radio);
        EXPECT_EQ(WriteDifferences(sent, radio, c.unlocked, c.lang), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace m742::testing
