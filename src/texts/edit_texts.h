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
    kFillDown,  // `column` is the column filled
    kImport,    // File -> Import Channels: the memory channels of a CSV file
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
enum class ChannelCommand { kCopy, kCut, kPaste, kClear, kMoveUp, kMoveDown, kFillDown };
std::string ChannelCommandText(ChannelCommand command, Lang lang);

// "Save the changes to the channel plan?" / "是否保存对信道资料的修改？".
std::string SaveChangesQuestion(Lang lang);

// The grids' own messages and captions. A pasted cell refused: %1 the channel, %2 the
// column's heading, %3 the text.
inline constexpr Bilingual kPasteRefusedText{"信道 %1 %2：无法粘贴“%3”。",
                                             "Channel %1, %2: \"%3\" cannot be pasted."};
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
