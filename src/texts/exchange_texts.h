// What the exchange with the radio tells the user: the status line and its messages (the
// original's words).
#pragma once

#include "radio_data/status.h"

namespace m742 {

inline constexpr Bilingual kReadingStatus{"正在通信,请稍后……", "Communication...... "};
inline constexpr Bilingual kWritingStatus{"正在通信,请稍后……",
                                          "Is communication, please later …… "};
inline constexpr Bilingual kWriteSucceeded{"写频成功！", "Write frequency success!"};
inline constexpr Bilingual kReadSucceeded{"读频成功！", "Read frequency success!"};
inline constexpr Bilingual kPasswordInvalid{"口令不对！", "The password is invalid!"};
inline constexpr Bilingual kCommunicationError{
    "通信出错，请检查对讲机故障、连线及串口的选择！",
    "Communication error, please check the intercom fault, attachment and serial choice!"};
// The window's words when no port is open; the command-line tool names its option instead.
inline constexpr Bilingual kPortNotOpen{
    "通信端口未打开，请先选择菜单“通信端口”打开其串口！",
    "Communication port not open, please first selection menu 'Com Port' to open its serial "
    "ports!"};

}  // namespace m742
