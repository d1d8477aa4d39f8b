#include "radio_data/layout.h"

namespace m742 {

namespace {

using R = ReadRule;
using S = Section;
using L = ListId;

// clang-format off
constexpr SettingField kFields[] = {
    // name               section    address  bits    list                 read rule         max fb  caption
    {"Combo1",            S::kPanel,  kNoAddress, 0, 0, L::kBand,            R::kBits,          0, 0, {"频段", "Frequency"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo1; }, nullptr},
    {"Combo2",            S::kPanel,  0x3C8,   0, 2, L::kPttId,           R::kBits,          0, 0, {"PTTID", "PTTID"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo2; }, nullptr},
    {"Combo4",            S::kPanel,  0x3C1,   0, 8, L::kSquelchGrade,    R::kByteOrFallback, 9, 9, {"静噪等级", "Squelch Grade"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo4; }, nullptr},
    {"Combo6",            S::kPanel,  0x3C0,   0, 1, L::kOffOn,           R::kBits,          0, 0, {"提示音", "Beep"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo6; }, nullptr},
    {"Combo3",            S::kPanel,  0x3C3,   0, 8, L::kLaunchTime,      R::kByteOrFallback, 10, 6, {"发射超时", "Lauch Time"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo3; }, nullptr},
    {"Combo9",            S::kPanel,  0x3C0,   1, 1, L::kOffOn,           R::kBits,          0, 0, {"省电", "Battery Save"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo9; }, nullptr},
    {"Combo7",            S::kPanel,  0x3C4,   0, 8, L::kPriorityChannel, R::kByteOrFallback, 15, 0, {"优先信道", "Priority CH"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo7; }, nullptr},
    {"Combo12",           S::kPanel,  0x3C0,   6, 1, L::kOnOff,           R::kBits,          0, 0, {"声控开关", "V_C Switch"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo12; }, nullptr},
    {"Combo10",           S::kPanel,  0x3C8,   3, 1, L::kOffOn,           R::kBits,          0, 0, {"结束提示音", "End Beep"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo10; }, nullptr},
    {"Combo11",           S::kPanel,  0x3C0,   3, 2, L::kTailElimination, R::kBits,          0, 0, {"尾音消除", "Tail Delect"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo11; }, nullptr},
    {"Combo13",           S::kPanel,  0x3C7,   0, 8, L::kVoiceLevel,      R::kDecimalLevel,  9, 0, {"声控电平", "V_C Level"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo13; }, nullptr},
    {"Combo14",           S::kPanel,  0x3F0,   0, 8, L::kVoicePrompt,     R::kDecimalOrKeep, 2, 0, {"语音通知", "Language"},
     [](EditorState& e) -> std::int16_t& { return e.panel.Combo14; }, nullptr},
    {"SideKeyPf1Short",   S::kGlobal, 0x3C5,   4, 4, L::kSideKey,         R::kSideKey,       7, 3, {"侧键1短按:", "PF1"},
     [](EditorState& e) -> std::int16_t& { return e.globals.SideKeyPf1Short; },
     [](EditorState& e) { return &e.Form5.Combo1; }},
    {"SideKeyPf1Long",    S::kGlobal, 0x3C5,   0, 4, L::kSideKey,         R::kSideKey,       7, 3, {"侧键1长按:", "PF1_1S:"},
     [](EditorState& e) -> std::int16_t& { return e.globals.SideKeyPf1Long; },
     [](EditorState& e) { return &e.Form5.Combo2; }},
    {"SideKeyPf2Short",   S::kGlobal, 0x3C6,   4, 4, L::kSideKey,         R::kSideKey,       7, 3, {"侧键2短按:", "PF2"},
     [](EditorState& e) -> std::int16_t& { return e.globals.SideKeyPf2Short; },
     [](EditorState& e) { return &e.Form5.Combo3; }},
    {"SideKeyPf2Long",    S::kGlobal, 0x3C6,   0, 4, L::kSideKey,         R::kSideKey,       7, 3, {"侧键2长按:", "PF2_1S:"},
     [](EditorState& e) -> std::int16_t& { return e.globals.SideKeyPf2Long; },
     [](EditorState& e) { return &e.Form5.Combo4; }},
    {"DtmfFirstDelay",    S::kGlobal, 0x3C9,   0, 8, L::kDtmfFirstDelay,  R::kByteOrFallback, 89, 0, {"首位数码延迟时间", "first digital delay time"},
     [](EditorState& e) -> std::int16_t& { return e.globals.DtmfFirstDelay; },
     [](EditorState& e) { return &e.Form2.Combo1; }},
    {"DtmfInterval",      S::kGlobal, 0x3CA,   0, 8, L::kDtmfTime,        R::kByteAsIs,      255, 0, {"数码间隔时间", "Digital interval time"},
     [](EditorState& e) -> std::int16_t& { return e.globals.DtmfInterval; },
     [](EditorState& e) { return &e.Form2.Combo2; }},
    {"DtmfDelay",         S::kGlobal, 0x3CB,   0, 8, L::kDtmfTime,        R::kByteAsIs,      255, 0, {"数码延迟时间", "Digital delay time"},
     [](EditorState& e) -> std::int16_t& { return e.globals.DtmfDelay; },
     [](EditorState& e) { return &e.Form2.Combo3; }},
    {"PowerLow",          S::kGlobal, 0x3F8,   0, 8, L::kPowerLevel,      R::kByteAsIs,      255, 0, {"发射低功率", "TX-Low Power"},
     [](EditorState& e) -> std::int16_t& { return e.globals.PowerLow; },
     [](EditorState& e) { return &e.Form3.Slider1; }},
    {"PowerHigh",         S::kGlobal, 0x3F9,   0, 8, L::kPowerLevel,      R::kByteAsIs,      255, 0, {"发射高功率", "TX-Hight Power"},
     [](EditorState& e) -> std::int16_t& { return e.globals.PowerHigh; },
     [](EditorState& e) { return &e.Form3.Slider3; }},
};
// clang-format on

}  // namespace

std::span<const SettingField> SettingFields() {
    return kFields;
}

}  // namespace m742
