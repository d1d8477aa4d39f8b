#include "radio_data/layout.h"

namespace m742 {

namespace {

using R = ReadRule;
using S = Section;
using L = ListId;

// clang-format off
constexpr SettingField kFields[] = {
    // name               section    address  bits    list                 read rule         max fb
    {"Combo1",            S::kPanel,  kNoAddress, 0, 0, L::kBand,            R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.band; }, nullptr},
    {"Combo2",            S::kPanel,  0x3C8,   0, 2, L::kPttId,           R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.pttId; }, nullptr},
    {"Combo4",            S::kPanel,  0x3C1,   0, 8, L::kSquelchGrade,    R::kByteOrFallback, 9, 9,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.squelchLevel; }, nullptr},
    {"Combo6",            S::kPanel,  0x3C0,   0, 1, L::kOffOn,           R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.beep; }, nullptr},
    {"Combo3",            S::kPanel,  0x3C3,   0, 8, L::kLaunchTime,      R::kByteOrFallback, 10, 6,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.transmitTimeout; }, nullptr},
    {"Combo9",            S::kPanel,  0x3C0,   1, 1, L::kOffOn,           R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.batterySave; }, nullptr},
    {"Combo7",            S::kPanel,  0x3C4,   0, 8, L::kPriorityChannel, R::kByteOrFallback, 15, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.priorityChannel; }, nullptr},
    {"Combo12",           S::kPanel,  0x3C0,   6, 1, L::kOnOff,           R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.voiceSwitch; }, nullptr},
    {"Combo10",           S::kPanel,  0x3C8,   3, 1, L::kOffOn,           R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.endBeep; }, nullptr},
    {"Combo11",           S::kPanel,  0x3C0,   3, 2, L::kTailElimination, R::kBits,          0, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.tailElimination; }, nullptr},
    {"Combo13",           S::kPanel,  0x3C7,   0, 8, L::kVoiceLevel,      R::kDecimalLevel,  9, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.voiceLevel; }, nullptr},
    {"Combo14",           S::kPanel,  0x3F0,   0, 8, L::kVoicePrompt,     R::kDecimalOrKeep, 2, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.settings.voicePrompt; }, nullptr},
    {"SideKeyPf1Short",   S::kGlobal, 0x3C5,   4, 4, L::kSideKey,         R::kSideKey,       7, 3,
     [](RadioWideSettings& e) -> ListPosition& { return e.sideKeys.pf1Short; },
     [](DialogSelections& e) { return &e.sideKeys.pf1Short; }},
    {"SideKeyPf1Long",    S::kGlobal, 0x3C5,   0, 4, L::kSideKey,         R::kSideKey,       7, 3,
     [](RadioWideSettings& e) -> ListPosition& { return e.sideKeys.pf1Long; },
     [](DialogSelections& e) { return &e.sideKeys.pf1Long; }},
    {"SideKeyPf2Short",   S::kGlobal, 0x3C6,   4, 4, L::kSideKey,         R::kSideKey,       7, 3,
     [](RadioWideSettings& e) -> ListPosition& { return e.sideKeys.pf2Short; },
     [](DialogSelections& e) { return &e.sideKeys.pf2Short; }},
    {"SideKeyPf2Long",    S::kGlobal, 0x3C6,   0, 4, L::kSideKey,         R::kSideKey,       7, 3,
     [](RadioWideSettings& e) -> ListPosition& { return e.sideKeys.pf2Long; },
     [](DialogSelections& e) { return &e.sideKeys.pf2Long; }},
    {"DtmfFirstDelay",    S::kGlobal, 0x3C9,   0, 8, L::kDtmfFirstDelay,  R::kByteOrFallback, 89, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.dtmf.firstDigitDelay; },
     [](DialogSelections& e) { return &e.dtmf.firstDigitDelay; }},
    {"DtmfInterval",      S::kGlobal, 0x3CA,   0, 8, L::kDtmfTime,        R::kByteAsIs,      255, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.dtmf.digitInterval; },
     [](DialogSelections& e) { return &e.dtmf.digitInterval; }},
    {"DtmfDelay",         S::kGlobal, 0x3CB,   0, 8, L::kDtmfTime,        R::kByteAsIs,      255, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.dtmf.digitDelay; },
     [](DialogSelections& e) { return &e.dtmf.digitDelay; }},
    {"PowerLow",          S::kGlobal, 0x3F8,   0, 8, L::kPowerLevel,      R::kByteAsIs,      255, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.powerLevels.low; },
     [](DialogSelections& e) { return &e.powerLevels.low; }},
    {"PowerHigh",         S::kGlobal, 0x3F9,   0, 8, L::kPowerLevel,      R::kByteAsIs,      255, 0,
     [](RadioWideSettings& e) -> ListPosition& { return e.powerLevels.high; },
     [](DialogSelections& e) { return &e.powerLevels.high; }},
};
// clang-format on

}  // namespace

std::span<const SettingField> SettingFields() {
    return kFields;
}

std::vector<AddressRange> WrittenRanges(bool powerUnlocked) {
    std::vector<AddressRange> ranges = {{0x000, 0x210}, {0x3B0, 0x3D0}};
    if (powerUnlocked) {
        ranges.push_back({0x3F0, 0x400});
    }
    return ranges;
}

}  // namespace m742
