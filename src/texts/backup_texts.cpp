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

}  // namespace m742
