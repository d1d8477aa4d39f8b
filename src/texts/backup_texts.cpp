#include "texts/backup_texts.h"

namespace m742 {

const std::vector<TextRow>& BackupMenuTexts() {
    static const std::vector<TextRow> rows = {
        {"Form1", "mnuOpenBackup", TextProperty::kCaption, -1, "打开备份(&B)…", "Open backup(&B)…"},
        {"Form1", "mnuVerify", TextProperty::kCaption, -1, "写后校验(&V)",
         "Verify after write(&V)"},
    };
    return rows;
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += *(values.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace m742
