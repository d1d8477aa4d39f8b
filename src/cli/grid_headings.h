// The column headings of the two channel grids, as the program's window shows them.
#pragma once

#include <array>

#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742::cli {

inline constexpr std::array<Bilingual, kMemoryColumns> kMemoryHeadings{{
    {"信道", "Channel"},
    {"接收频率", "RX Frequency"},
    {"亚音频", "QT/DQT Dec"},
    {"发射频率", "TX Frequency"},
    {"亚音频", "QT/DQT Enc"},
    {"繁忙锁定", "Busy Lock"},
    {"带宽", "Band"},
    {"扫描添加", "Add Scan"},
    {"发射功率", "TX-Power"},
}};

inline constexpr std::array<Bilingual, kDebugColumns> kDebugHeadings{{
    {"信道", "Channel"},
    {"接收频率", "RX Frequency"},
    {"发射频率", "TX Frequency"},
}};

}  // namespace m742::cli
