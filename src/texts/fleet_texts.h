// The texts of m742-cli when it reads or writes several radios at once: one line per radio
// and a summary, in both languages.
#pragma once

#include "radio_data/status.h"

namespace m742 {

// One radio: %1 the port, %2 its result, %3 the seconds it took ("3.02").
inline constexpr Bilingual kFleetLine{"%1：%2（%3 秒）", "%1: %2 (%3 s)"};

// The results of one radio.
inline constexpr Bilingual kFleetWritten{"已写频", "written"};
inline constexpr Bilingual kFleetVerified{"已写频，校验无误", "written and verified"};
// %1 the number of differences.
inline constexpr Bilingual kFleetDifferences{"已写频，但校验发现 %1 处不同",
                                             "written, but the verify found differences: %1"};
inline constexpr Bilingual kFleetNotVerified{"已写频，但未能读回校验",
                                             "written, but it could not be read back to verify"};
inline constexpr Bilingual kFleetPartlyWritten{
    "失败：写频中断，对讲机中是部分写入的数据，必须重新写频",
    "failed part way: the radio now holds a partly written plan and must be written again"};
inline constexpr Bilingual kFleetNotWritten{"失败：未写入任何数据", "failed: nothing was written"};
inline constexpr Bilingual kFleetPortNotOpen{"失败：端口打不开", "failed: the port would not open"};
inline constexpr Bilingual kFleetRead{"已读频，保存到 %1", "read, saved to %1"};
inline constexpr Bilingual kFleetReadFailed{"失败：通信出错", "failed: communication error"};
inline constexpr Bilingual kFleetPasswordRefused{"失败：口令不对",
                                                 "failed: the password is invalid"};
inline constexpr Bilingual kFleetNotSaved{"已读频，但无法保存", "read, but it could not be saved"};
inline constexpr Bilingual kFleetRefused{"失败：数据被拒绝", "failed: the plan was refused"};

// The summary: %1 how many radios succeeded, %2 how many there were.
inline constexpr Bilingual kFleetWriteSummary{"写频成功：%1 台，共 %2 台。",
                                              "Written: %1 of %2 radios."};
inline constexpr Bilingual kFleetReadSummary{"读频成功：%1 台，共 %2 台。",
                                             "Read: %1 of %2 radios."};

}  // namespace m742
