// The printed report's own words, in both languages: the title, the setting labels that are
// not the panel's, the tables' titles and headings (laid out as whole lines).
#pragma once

#include "radio_data/status.h"

namespace m742 {

inline constexpr Bilingual kReportTitleSuffix{"-编程数据", "-Programming Data"};

// The labels of three settings, which differ from the panel's: "Monitor" for PTTID,
// "LauchTime", "Frequency Band" for the priority channel.
inline constexpr Bilingual kReportPttIdLabel{"监听功能", "Monitor"};
inline constexpr Bilingual kReportTimeoutLabel{"发射定时", "LauchTime"};
inline constexpr Bilingual kReportPriorityLabel{"频带", "Frequency Band"};

// The table title is the tab's caption followed by these words.
inline constexpr Bilingual kReportTableTitleSuffix{"数据:", " Data:"};

inline constexpr Bilingual kReportMemoryHeading{
    "          信道  接收频率    亚音频  发射频率    亚音频  禁发  频移",
    "        Channel RXFrequency QT/DQT TXFrequency  QT/DQT Prohibit  Move"};
inline constexpr Bilingual kReportDebugHeading{"          信道  接收频率    发射频率",
                                               "          channel  TxFrequency   RxFrequency"};

}  // namespace m742
