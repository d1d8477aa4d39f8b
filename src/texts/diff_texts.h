// What the comparison of two plans shows, worded in the interface language: "m742-cli diff"
// prints it, the window's "Compare with File…" lists it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plan_formats/plan_diff.h"

namespace m742 {

// A value as the list shows it: a list item or the Off word in `lang`, the "empty" word for
// nothing.
std::string DiffValueText(const DiffValue& value, Lang lang);

// What the line is about, as the window captions it: "RX Frequency", "Squelch Grade".
std::string DiffCaption(const PlanDifference& item, Lang lang);

// The differences as the list shows them: one table per section that has any, rows of
// channel number ("" outside the channel sections), item, the value in A and in B.
struct DiffTable {
    std::string title;
    std::vector<std::array<std::string, 4>> rows;
};
std::vector<DiffTable> DiffTables(const PlanDiff& diff, Lang lang);

// Where a byte range is, as its line names it: "Address 3C0h–3C3h", "File header 00h–05h".
std::string ByteRangeName(const ByteDifference& bytes, Lang lang);

}  // namespace m742
