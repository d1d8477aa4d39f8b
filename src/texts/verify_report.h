// The verify after a write in words: how what the radio reads back differs from what was
// sent, told by channel and setting.
#pragma once

#include <string>
#include <vector>

#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

// Every difference between `sent` and `readBack` within the written ranges, one line each
// in address order: a memory or debug channel's cell, a setting, the password, the ANI code,
// or the address of a byte that belongs to none ("Channel 3: RX Frequency 460.12500 in the
// plan, 460.00000 in the radio"). Empty when the radio holds what was sent.
std::vector<std::string> WriteDifferences(const RadioImage& sent, const RadioImage& readBack,
                                          bool powerUnlocked, Lang lang);

}  // namespace m742
