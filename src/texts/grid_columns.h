// The channel grids' columns: which field of a channel each shows. The memory grid shows the
// channel number, then a memory channel's fields in their own order; the debug grid the number
// and the two frequencies.
#pragma once

#include "radio_data/lists.h"
#include "radio_data/radio_plan.h"

namespace m742 {

// The memory grid's columns: 0 the channel number, 1 RX frequency, 2 decode tone, 3 TX
// frequency, 4 encode tone, 5 busy lock, 6 bandwidth, 7 add scan, 8 TX power.
inline constexpr int kMemoryColumns = 9;
inline constexpr int kColumnChannel = 0;
inline constexpr int kColumnRx = 1;
inline constexpr int kColumnDecodeTone = 2;
inline constexpr int kColumnTx = 3;
inline constexpr int kColumnEncodeTone = 4;
inline constexpr int kColumnBusyLock = 5;  // the first of the four list columns
inline constexpr int kColumnBandwidth = 6;
inline constexpr int kColumnAddScan = 7;
inline constexpr int kColumnTxPower = 8;  // the last list column
inline constexpr int kFirstListColumn = kColumnBusyLock;
inline constexpr int kLastListColumn = kColumnTxPower;
inline constexpr int kListColumnCount = kLastListColumn - kFirstListColumn + 1;
constexpr bool IsToneColumn(int column) {
    return column == kColumnDecodeTone || column == kColumnEncodeTone;
}
constexpr bool IsListColumn(int column) {
    return column >= kFirstListColumn && column <= kLastListColumn;
}
// The debug grid's columns: 0 the channel number, 1 RX and 2 TX frequency.
inline constexpr int kDebugColumns = 3;
inline constexpr int kDebugColumnRx = 1;
inline constexpr int kDebugColumnTx = 2;

// The field memory grid column `column` (1-8) shows, and the column of a field.
constexpr ChannelField FieldOfColumn(int column) {
    return kChannelFields[static_cast<std::size_t>(column - 1)];
}
constexpr int ColumnOf(ChannelField field) {
    return static_cast<int>(field) + 1;
}
// The field debug grid column 1 or 2 shows.
constexpr ChannelField DebugFieldOfColumn(int column) {
    return column == kDebugColumnTx ? ChannelField::kTx : ChannelField::kRx;
}
constexpr int DebugColumnOf(ChannelField field) {
    return field == ChannelField::kTx ? kDebugColumnTx : kDebugColumnRx;
}

// The list position a list column (5-8) shows, setting it, and the column's list.
inline ListPosition ListPositionOf(const MemoryChannel& channel, int column) {
    return ListPositionOf(channel, FieldOfColumn(column));
}
inline void SetListPosition(MemoryChannel& channel, int column, ListPosition position) {
    SetListPosition(channel, FieldOfColumn(column), position);
}
inline ListId GridColumnList(int column) {
    return ChannelFieldList(FieldOfColumn(column));
}

}  // namespace m742
