// The encoder's refusals in words: the frequency and tone messages, and the field named.
#pragma once

#include <filesystem>
#include <string>

#include "radio_data/codec.h"
#include "radio_data/editor_state.h"
#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

// "Frequency input is incorrect, please correct!" and "QT/DQT input is incorrect, please
// correct!" (the original's words).
inline constexpr Bilingual kFrequencyRefused{"频率输入有误，请改正！",
                                             "Frequency input is incorrect, please correct!"};
inline constexpr Bilingual kToneRefused{"亚音频输入有误，请改正！",
                                        "QT/DQT input is incorrect, please correct!"};

// A refusal as a status: the frequency or tone message, and the field named as `where`
// ("memory channel 5, RX Frequency: "4x0.1"").
Outcome<RadioImage> WithRefusalWorded(const PlanEncoding& encoding, Lang lang);

// EncodeImage of a plan, a refusal worded in `lang`.
Outcome<RadioImage> EncodeImage(const RadioPlan& plan, Lang lang);

// "Save": encodes the plan and writes the data file. A refused field leaves the file
// untouched.
Status SaveDataFile(const std::filesystem::path& path, const RadioPlan& plan, Lang lang);

}  // namespace m742
