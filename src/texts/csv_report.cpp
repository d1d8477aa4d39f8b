#include "texts/csv_report.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "radio_data/text_codes.h"
#include "texts/csv_texts.h"
#include "texts/message_text.h"

namespace m742 {

namespace {

std::string Counted(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string RowNoteText(const CsvRowNote& note, Lang lang) {
    return FillText(kCsvRowLine.in(lang),
                    {std::to_string(note.line), note.location, Worded(note.text, lang)});
}

std::vector<std::string> ImportReport(const CsvImport& import, Lang lang) {
    const int imported = static_cast<int>(import.channels.size());
    const int skipped = static_cast<int>(import.skipped.size());
    std::vector<std::string> lines;
    if (lang == Lang::English) {
        lines.push_back(FillText(kImportSummary.en, {Counted(imported, "channel", "channels"),
                                                     Counted(skipped, "row", "rows")}));
    } else {
        lines.push_back(
            FillText(kImportSummary.zh, {std::to_string(imported), std::to_string(skipped)}));
    }
    for (const auto& [heading, notes] : {std::pair{kSkippedHeading, &import.skipped},
                                         std::pair{kAdjustedHeading, &import.adjusted}}) {
        if (notes->empty()) {
            continue;
        }
        lines.emplace_back(heading.in(lang));
        const std::vector<std::string> shown = RowNoteLines(*notes, lang);
        lines.insert(lines.end(), shown.begin(), shown.end());
    }
    return lines;
}

std::vector<std::string> RowNoteLines(std::vector<CsvRowNote> notes, Lang lang) {
    std::stable_sort(notes.begin(), notes.end(),
                     [](const CsvRowNote& a, const CsvRowNote& b) { return a.line < b.line; });
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < notes.size() && i < kShownRowNotes; ++i) {
        lines.push_back(RowNoteText(notes[i], lang));
    }
    if (notes.size() > kShownRowNotes) {
        lines.push_back(
            FillText(kMoreRowNotes.in(lang), {std::to_string(notes.size() - kShownRowNotes)}));
    }
    return lines;
}

}  // namespace m742
