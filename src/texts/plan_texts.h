// Texts of the channel plan formats outside the program (the JSON plan of m742-cli): what a
// refused value says, in both interface languages. Key names and values stay English in both.
#pragma once

#include "radio_data/status.h"

namespace m742 {

// Refusals of a JSON text before its keys are read. %1 the limit of nesting levels.
inline constexpr Bilingual kPlanTooDeep{"数组和对象嵌套超过 %1 层；信道计划只需 3 层",
                                        "arrays and objects nest more than %1 levels deep; a "
                                        "channel plan needs 3"};
// %1 the key, as written.
inline constexpr Bilingual kPlanKeyTwice{"键“%1”在同一个对象中出现了两次",
                                         "the key \"%1\" is given twice in one object"};

// What a refused frequency or tone could have been, after the window's message. %1 and %2 the
// band's edges in MHz.
inline constexpr Bilingual kBandHint{"（频段 %1–%2 MHz）", " (the band is %1–%2 MHz)"};
inline constexpr Bilingual kToneFormsHint{"（亚音频写作 88.5、D023N、D023I 或 off）",
                                          " (a tone is written as 88.5, D023N, D023I or off)"};

// Where a value is: "channel 5", "debug channel 3".
inline constexpr Bilingual kPlanChannelText{"信道", "channel"};
inline constexpr Bilingual kPlanDebugChannelText{"调试信道", "debug channel"};

// "<value> is not allowed; <what the key admits>"
inline constexpr Bilingual kPlanNotAllowedText{"不可用", "is not allowed"};
inline constexpr Bilingual kPlanUnknownKeyText{"未知的键", "unknown key"};
inline constexpr Bilingual kPlanKeysAreText{"可用的键：", "the keys are "};
inline constexpr Bilingual kPlanMissingKeyText{"缺少键", "missing key"};
// "channel 5 is listed twice"
inline constexpr Bilingual kPlanListedTwiceText{"重复列出", "is listed twice"};

// What a key admits, besides the lists' own choices (PlanValueChoices).
inline constexpr Bilingual kPlanObjectChoice{"一个对象 {…}", "an object {...}"};
inline constexpr Bilingual kPlanArrayChoice{"一个数组 […]", "an array [...]"};
inline constexpr Bilingual kPlanFormatChoice{"\"m742-plan\"", "\"m742-plan\""};
inline constexpr Bilingual kPlanVersionChoice{"2（版本 1 的计划没有 format 和 version 键）",
                                              "2 (a version-1 plan has no format or version key)"};
inline constexpr Bilingual kPlanRxFrequencyChoice{"频率文本，如 \"460.12500\"",
                                                  "a frequency text such as \"460.12500\""};
inline constexpr Bilingual kPlanTxFrequencyChoice{
    "频率文本，如 \"460.12500\"，或 \"\"（不发射）",
    "a frequency text such as \"460.12500\", or \"\" for none"};
inline constexpr Bilingual kPlanDebugFrequencyChoice{
    "频率文本，如 \"460.12500\"，或 \"\"（空）",
    "a frequency text such as \"460.12500\", or \"\" for none"};
inline constexpr Bilingual kPlanToneChoice{
    "\"off\"、CTCSS 亚音频如 \"88.5\" 或 DCS 数字亚音频如 \"D023N\"",
    "\"off\", a CTCSS tone such as \"88.5\" or a DCS code such as \"D023N\""};
inline constexpr Bilingual kPlanPasswordChoice{"最多 6 个数字或 \".\" 的文本",
                                               "a text of at most 6 digits or \".\""};
inline constexpr Bilingual kPlanAniChoice{"最多 8 个字符的文本（字符编码 0 到 254）",
                                          "a text of at most 8 characters (codes 0 to 254)"};

// What a list admits, for a message: true or false; a whole number from %1 to %2 (and %1 in
// steps); one of the words %1, joined with kListComma.
inline constexpr Bilingual kPlanTrueOrFalse{"true 或 false", "true or false"};
inline constexpr Bilingual kPlanWholeNumber{"从 %1 到 %2 的整数", "a whole number from %1 to %2"};
inline constexpr Bilingual kPlanInSteps{"，步长 %1", " in steps of %1"};
inline constexpr Bilingual kPlanOneOf{"%1 之一", "one of %1"};
// A setting of the panel may also be null.
inline constexpr Bilingual kPlanOrNull{"，或 null", ", or null"};

}  // namespace m742
