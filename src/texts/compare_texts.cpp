#include "texts/compare_texts.h"

namespace m742 {

const std::vector<TextRow>& CompareMenuTexts() {
    static const std::vector<TextRow> rows = {
        {"Form1", "mnuCompare", TextProperty::kCaption, -1, "与文件比较(&C)…",
         "Compare with File(&C)…"},
    };
    return rows;
}

}  // namespace m742
