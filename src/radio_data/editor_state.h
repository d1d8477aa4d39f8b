// The editor: everything the main window holds of a channel plan. Widgets are views of it;
// every read, open, write and save decodes or encodes a whole image through it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace m742 {

inline constexpr int kChannelCount = 16;  // memory channels and debug channels alike

// Memory grid mfgrid1: rows 1-16 are channels 1-16; column 0 holds the channel number,
// 1 RX frequency, 2 decode tone, 3 TX frequency, 4 encode tone, 5 busy lock, 6 bandwidth,
// 7 add scan, 8 TX power. Row 0 is the heading row, drawn by the view in the interface
// language, and holds no text here.
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
using MemoryGrid = std::array<std::array<std::string, kMemoryColumns>, kChannelCount + 1>;

// Per memory row, the list positions shown in columns 5-8 (the other columns are unused).
// The encoder builds the flags byte from these, not from the cell texts.
using CellListTable = std::array<std::array<std::int16_t, kMemoryColumns>, kChannelCount + 1>;

// Debug grid mfgrid2: rows 1-16; column 0 the channel number, 1 RX and 2 TX frequency.
inline constexpr int kDebugColumns = 3;
inline constexpr int kDebugColumnRx = 1;
inline constexpr int kDebugColumnTx = 2;
using DebugGrid = std::array<std::array<std::string, kDebugColumns>, kChannelCount + 1>;

// List positions of the settings panel; -1 means no selection.
struct SettingsPanel {
    std::int16_t Combo1 = -1;   // frequency band, single item "400-480MHz"
    std::int16_t Combo2 = -1;   // PTT ID
    std::int16_t Combo3 = -1;   // transmit time-out ("Lauch Time")
    std::int16_t Combo4 = -1;   // squelch grade
    std::int16_t Combo6 = -1;   // beep
    std::int16_t Combo7 = -1;   // priority channel
    std::int16_t Combo9 = -1;   // battery save
    std::int16_t Combo10 = -1;  // end beep
    std::int16_t Combo11 = -1;  // squelch tail elimination ("Tail Delect")
    std::int16_t Combo12 = -1;  // voice control switch, position 0 is On
    std::int16_t Combo13 = -1;  // voice control level 1-9
    std::int16_t Combo14 = -1;  // voice prompt language
    bool operator==(const SettingsPanel&) const = default;
};

// The radio-wide settings edited in the dialogs, with the values the program starts with.
// The encoder reads these, never the dialogs' own controls.
struct DialogGlobals {
    std::int16_t SideKeyPf1Short = 1;  // Surveillance
    std::int16_t SideKeyPf1Long = 7;   // Voice operated switch
    std::int16_t SideKeyPf2Short = 4;  // high/low power
    std::int16_t SideKeyPf2Long = 2;   // scan switch
    std::int16_t DtmfFirstDelay = 0;   // 50 ms
    std::int16_t DtmfInterval = 2;     // 75 ms
    std::int16_t DtmfDelay = 2;        // 75 ms
    std::int16_t PowerLow = 92;
    std::int16_t PowerHigh = 208;
    bool operator==(const DialogGlobals&) const = default;
};

// The controls of the side key dialog Form5: positions in the side-key list.
struct SideKeyDialog {
    std::int16_t Combo1 = -1;  // PF1 short press
    std::int16_t Combo2 = -1;  // PF1 long press
    std::int16_t Combo3 = -1;  // PF2 short press
    std::int16_t Combo4 = -1;  // PF2 long press
    bool operator==(const SideKeyDialog&) const = default;
};

// The controls of the DTMF timing dialog Form2.
struct DtmfDialog {
    std::int16_t Combo1 = -1;  // first digit delay, 50 ms steps
    std::int16_t Combo2 = -1;  // digit interval, 25 ms steps
    std::int16_t Combo3 = -1;  // digit delay, 25 ms steps
    bool operator==(const DtmfDialog&) const = default;
};

// The sliders of the power parameters dialog Form3 (0-255); their value labels show the same.
struct PowerDialog {
    std::int16_t Slider1 = 0;  // TX low power level
    std::int16_t Slider3 = 0;  // TX high power level
    bool operator==(const PowerDialog&) const = default;
};

struct EditorState {
    std::int16_t LanguageFlag = 0;  // 0 Chinese, any other value English
    // The string grids take no "{}": clang 14 crashes on a braced default member initializer
    // of nested arrays of strings, and their cells start empty without one.
    MemoryGrid mfgrid1;
    CellListTable CellListIndex{};
    DebugGrid mfgrid2;
    std::string Text2;  // password, at most 6 digits or points in the window
    std::string Text3;  // ANI code, DTMF characters
    SettingsPanel panel;
    DialogGlobals globals;
    SideKeyDialog Form5;
    DtmfDialog Form2;
    PowerDialog Form3;
    bool operator==(const EditorState&) const = default;
};

// A memory channel is in use exactly when its RX cell is not empty.
inline bool ChannelInUse(const EditorState& editor, int row) {
    return !editor.mfgrid1[static_cast<std::size_t>(row)][1].empty();
}

// Blanks memory row `row` (1-16): cells 1-8 empty, its four list positions 0.
void ClearNO(EditorState& editor, int row);

// Empties columns 1-8 of every memory row; channel numbers and list positions stay.
void ClearMemoryGrid(EditorState& editor);

// Empties both frequency columns of every debug row.
void ClearDebugGrid(EditorState& editor);

// What each dialog selects when it is created: the side keys their value when it is 0-7,
// else "Surveillance"; the DTMF lists their value when it is in the list; the sliders the
// power levels.
void CreateDialogControls(EditorState& editor);

}  // namespace m742
