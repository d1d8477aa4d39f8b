// The words of editing: the name of each step the editor can undo, the Undo and Redo menu
// captions that carry it, and the question asked before unsaved changes would be lost.
#pragma once

#include <string>

#include "radio_data/status.h"

namespace m742 {

enum class EditKind {
    kCell,                // a memory cell: `channel`, `column`
    kDeleteChannel,       // an emptied RX cell cleared the channel
    kDebugChannel,        // the debug panel's OK
    kDeleteDebugChannel,  // the debug grid's context menu
    kSetting,             // a list or box of the panel: `label` names its label
    kSideKeys,            // the side key dialog's OK
    kDtmf,                // the DTMF dialog's OK
    kPower,               // the power dialog's OK
    kBand,                // another band cleared the channels
    kNew,
    kOpen,
    kRead,
    // Channel operations on the selected rows of the memory grid.
    kCut,
    kPaste,
    kClear,
    kMoveUp,
    kMoveDown,
    kInsertChannel,   // `channel` is where the empty channel went
    kDeleteChannels,  // several channels deleted at once
    kFillDown,        // `column` is the column filled
    kImport,          // File -> Import Channels: the memory channels of a CSV file
};

// What one step did, in words for either language.
struct EditName {
    EditKind kind = EditKind::kCell;
    int channel = 0;    // 1-16 where a step names its channel
    int column = 0;     // the memory column where it names one
    std::string label;  // kSetting: the objectName of the setting's label, as "Label8"
    bool operator==(const EditName&) const = default;
};

// "edit channel 3 RX Frequency" / "编辑信道 3 接收频率".
std::string EditText(const EditName& name, Lang lang);

// "Undo" / "撤销" and "Redo" / "恢复", followed by the step when there is one.
std::string UndoCaption(const EditName* step, Lang lang);
std::string RedoCaption(const EditName* step, Lang lang);

// The items of the memory grid's channel menu.
enum class ChannelCommand {
    kCopy,
    kCut,
    kPaste,
    kPasteSameChannels,
    kClear,
    kMoveUp,
    kMoveDown,
    kInsert,
    kDelete,
    kFillDown
};
std::string ChannelCommandText(ChannelCommand command, Lang lang);

// "Save the changes to the channel plan?" / "是否保存对信道资料的修改？".
std::string SaveChangesQuestion(Lang lang);

// The grids' own messages and captions. A pasted cell refused: %1 the channel, %2 the
// column's heading, %3 the text, %4 why (one of the reasons below).
inline constexpr Bilingual kPasteRefusedText{"信道 %1 %2：无法粘贴“%3”：%4",
                                             "Channel %1, %2: \"%3\" cannot be pasted: %4"};
inline constexpr Bilingual kPasteNotAFrequency{"不是频率。", "not a frequency."};
// %1 and %2 the band's edges in MHz.
inline constexpr Bilingual kPasteOutOfBand{"超出频段范围（%1–%2 MHz）。",
                                           "beyond the frequency range (%1–%2 MHz)."};
inline constexpr Bilingual kPasteNotATone{
    "不是亚音频（67.0–254.1）或数字亚音（如 D023N）。",
    "not a CTCSS tone (67.0–254.1) or a DCS code (such as D023N)."};
// %1 the list's items.
inline constexpr Bilingual kPasteNotInList{"应为%1之一。", "not one of %1."};
inline constexpr Bilingual kListSeparator{"、", ", "};
inline constexpr Bilingual kPastePastLastChannel{"超出第 16 信道。", "past channel 16."};
// Insert Channel with channel %1, the last, in use.
inline constexpr Bilingual kInsertWouldLoseText{
    "信道 %1 已有数据，插入信道会使它丢失。请先清除或删除该信道。",
    "Channel %1 is in use and would be lost by the insert. Clear or delete it first."};
// The debug grid's context menu over channel %1 (the original's words).
inline constexpr Bilingual kDeleteDebugChannelText{"删除调试信道%1的数据",
                                                   "Delete debugging channel%1data"};
// A frequency entry outside the band (the original's words).
inline constexpr Bilingual kOutOfBandText{"超出频段范围", "Beyond the frequency range"};

// In Chinese both tone columns have one heading; the fill-down menu tells them apart by these
// words before it. English headings need none.
inline constexpr Bilingual kDecodeToneFillPrefix{"接收", ""};
inline constexpr Bilingual kEncodeToneFillPrefix{"发射", ""};

}  // namespace m742
