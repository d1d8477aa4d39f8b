#include "texts/grid_cells.h"

#include <gtest/gtest.h>

namespace m742 {
namespace {

using Row = std::array<std::string, kMemoryColumns>;

Row MemoryRow(const RadioPlan& plan, int row, Lang lang) {
    Row cells;
    for (int column = 0; column < kMemoryColumns; ++column) {
        cells[static_cast<std::size_t>(column)] = MemoryCellText(plan, row, column, lang);
    }
    return cells;
}

// The plan holds values; the grids word them in the language they are shown in.
TEST(MemoryCellText, ShowsOffAndTheListsInTheLanguageAsked) {
    RadioPlan plan;
    MemoryChannelOf(plan, 1) = {Frequency{46000000}, Frequency{46000000}, ToneOff{},
                                CtcssTone{885},      BusyLock::kCarrier,  Bandwidth::kNarrow,
                                ScanList::kLeftOut,  TxPower::kHigh};
    MemoryChannelOf(plan, 2) = {Frequency{45000000},   {},
                                DcsCode{0x023, false}, {},
                                BusyLock::kTone,       Bandwidth::kWide,
                                ScanList::kAdded,      TxPower::kLow};
    MemoryChannelOf(plan, 3).power = TxPower::kHigh;  // not in use: its lists show nothing

    EXPECT_EQ(MemoryRow(plan, 1, Lang::Chinese),
              (Row{"1", "460.00000", "关闭", "460.00000", "88.5", "载波", "窄", "否", "高"}));
    EXPECT_EQ(MemoryRow(plan, 2, Lang::Chinese),
              (Row{"2", "450.00000", "D023N", "", "", "亚音", "宽", "是", "低"}));
    EXPECT_EQ(MemoryRow(plan, 3, Lang::Chinese), (Row{"3", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(MemoryRow(plan, 1, Lang::English), (Row{"1", "460.00000", "Off", "460.00000", "88.5",
                                                      "Carrier", "Narrow", "No", "High"}));
    EXPECT_EQ(MemoryCellText(plan, 2, kColumnEncodeTone, Lang::English), "");
}

}  // namespace
}  // namespace m742
