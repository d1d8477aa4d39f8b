// What a CHIRP CSV import and export say, worded in the interface language.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "plan_formats/chirp_csv.h"

namespace m742 {

// How many row notes a report shows before it only counts the rest.
inline constexpr std::size_t kShownRowNotes = 20;

// "Imported 3 channels, skipped 1 row." then the skipped rows and the adjusted ones, each under
// its heading, one a line (RowNoteLines).
std::vector<std::string> ImportReport(const CsvImport& import, Lang lang);
// The notes in line order, one a line: the first kShownRowNotes, then "… and 12 more rows".
std::vector<std::string> RowNoteLines(std::vector<CsvRowNote> notes, Lang lang);
// One row's note as "Line 4 (Location 17): ...".
std::string RowNoteText(const CsvRowNote& note, Lang lang);

}  // namespace m742
