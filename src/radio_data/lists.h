// The item lists of the settings panel, the grid's list columns, the tone list and the
// settings dialogs. A setting is stored as a position in its list; the texts of the items
// (texts/list_texts.h) follow the interface language while the positions stay.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

enum class ListId {
    kBand,             // Combo1: "400-480MHz"
    kPttId,            // Combo2: Off, Start TX, End TX, Both
    kLaunchTime,       // Combo3: Off, 30 S .. 300 S (transmit time-out)
    kSquelchGrade,     // Combo4: 0 Grade .. 9 Grade
    kOffOn,            // Combo6, Combo9, Combo10: Off, On
    kPriorityChannel,  // Combo7: CH-1 .. CH-16
    kOnOff,            // Combo12: On, Off (voice control lists On first)
    kTailElimination,  // Combo11
    kVoiceLevel,       // Combo13: 1 Grade .. 9 Grade
    kVoicePrompt,      // Combo14: Off, Chinese, English
    kBusyLock,         // a memory channel's busy lock: Off, Carrier, QT/DQT
    kBandwidth,        // Wide, Narrow
    kAddScan,          // a memory channel in the scan list: No, Yes
    kTxPower,          // Low, High
    kTone,             // Combo8: Off, 50 CTCSS tones, 105 DCS codes N, the same 105 I
    kSideKey,          // the four side-key lists of the side key dialog
    kDtmfFirstDelay,   // 50ms .. 4500ms
    kDtmfTime,         // 25ms .. 6400ms (digit interval and digit delay)
    kPowerLevel,       // 0 .. 255, a slider rather than a list
};

int ListSize(ListId list);

// The list of one of a memory channel's four list fields.
ListId ChannelFieldList(ChannelField field);

}  // namespace m742
