// The captions of the message box's buttons as a person reads them, without access keys, for
// LanguageFlag 0 (Chinese), 1 (English) and 2 (traditional characters): what the language
// tables give, the box shows and the window's messages carry.
#pragma once

#include <array>
#include <string_view>

#include "texts/message_style.h"

namespace m742::testing {

struct ButtonCaptions {
    int id;
    std::array<std::string_view, 3> byFlag;
};

inline constexpr std::array<ButtonCaptions, 4> kButtonCaptions{{
    {kMessageOk, {"确定", "OK", "確定"}},
    {kMessageCancel, {"取消", "Cancel", "取消"}},
    {kMessageYes, {"是", "Yes", "是"}},
    {kMessageNo, {"否", "No", "否"}},
}};

// The caption of button `id` for LanguageFlag `flag` (0 to 2); empty for any other button.
constexpr std::string_view ButtonCaption(int id, int flag) {
    for (const ButtonCaptions& button : kButtonCaptions) {
        if (button.id == id) {
            return button.byFlag.at(static_cast<std::size_t>(flag));
        }
    }
    return {};
}

}  // namespace m742::testing
