#include "texts/window_texts.h"

#include "texts/message_style.h"

namespace m742 {

const std::vector<TextRow>& HelpMenuTexts() {
    static const std::vector<TextRow> rows = {
        {"Form1", "mnuGuide", TextProperty::kCaption, -1, "用户指南(&G)", "User's Guide(&G)"},
    };
    return rows;
}

std::string MessageButtonLabel(int buttonId, std::int16_t languageFlag, std::string_view caption) {
    // The access key of each button; none for OK.
    const char key = buttonId == kMessageCancel ? 'C'
                     : buttonId == kMessageYes  ? 'Y'
                     : buttonId == kMessageNo   ? 'N'
                                                : 0;
    std::string label(caption);
    if (key == 0) {
        return label;
    }
    if (languageFlag == 1) {
        // An English word carries its key as its first letter: "&Yes".
        if (!label.empty() && (label.front() == key || label.front() == key + ('a' - 'A'))) {
            label.insert(0, 1, '&');
        }
        return label;
    }
    if (buttonId == kMessageCancel) {
        return label;  // "取消" is answered by Escape, as on a Chinese desktop
    }
    return label + "(&" + key + ")";
}

const std::vector<QtTextGap>& QtTextGaps() {
    static const std::vector<QtTextGap> gaps = {
        {"QAbstractFileIconProvider", "Folder", "文件夹"},
        {"QAbstractFileIconProvider", "File Folder", "文件夹"},
        {"QAbstractFileIconProvider", "Drive", "驱动器"},
        {"QAbstractFileIconProvider", "File", "文件"},
        {"QAbstractFileIconProvider", "Shortcut", "快捷方式"},
        {"QAbstractFileIconProvider", "Alias", "替身"},
        {"QAbstractFileIconProvider", "Unknown", "未知"},
    };
    return gaps;
}

}  // namespace m742
