#include "texts/report.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/grid_cells.h"
#include "texts/language_tables.h"
#include "texts/list_texts.h"
#include "texts/report_texts.h"

namespace m742 {

namespace {

constexpr std::string_view kMaker = "Orvenna";

// Labels, table titles and channel rows start after this margin.
const std::string kMargin(10, ' ');

// Blanks before the maker's name, different in each language.
constexpr int kMakerIndentZh = 30;
constexpr int kMakerIndentEn = 17;
constexpr int kTitleIndent = 14;

// English setting labels end in column 21 with ": "; Chinese ones fill 9 cells after the
// margin with ":" and blanks.
constexpr int kEnglishLabelWidth = 21;
constexpr int kChineseLabelCells = 9;

// A setting line: the combo box shown and where its label comes from. Four labels are the
// captions of the panel's own labels; the other three are the report's own words, which
// differ from the panel's ("Monitor" for PTTID, "LauchTime", "Frequency Band" for the
// priority channel).
struct SettingLine {
    std::string_view combo;
    std::string_view panelLabel;  // the panel label whose caption is printed, or empty
    Bilingual ownLabel;           // the report's own label when `panelLabel` is empty
};
constexpr std::array<SettingLine, 7> kSettingLines{{
    {"Combo1", "Label3", {}},
    {"Combo2", "", kReportPttIdLabel},
    {"Combo3", "", kReportTimeoutLabel},
    {"Combo4", "Label8", {}},
    {"Combo9", "Label9", {}},
    {"Combo6", "Label10", {}},
    {"Combo7", "", kReportPriorityLabel},
}};

// Field widths in characters.
constexpr int kChannelWidth = 6;
constexpr int kFrequencyWidth = 12;
constexpr int kToneWidth = 8;
// "Off" is narrower than a tone value; the Chinese Off word has two characters that print two cells
// wide, so in Chinese the narrower field fills as many cells as the others.
constexpr int kOffToneWidth = 6;
constexpr int kListWidth = 4;

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

int CharacterCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(),
                                          [](char byte) { return !IsContinuationByte(byte); }));
}

// `text` preceded by as many blanks as `width` exceeds its length in characters (not bytes);
// a text of `width` characters or more comes back whole, pushing the rest of its line right.
std::string AlignRight(std::string_view text, int width) {
    const int blanks = std::max(0, width - CharacterCount(text));
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::string(text);
}

// A text of the main window's language tables.
std::string_view WindowText(std::string_view control, TextProperty property, int index, Lang lang) {
    const auto& rows = MainWindowTexts();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const TextRow& r) {
        return r.control == control && r.property == property && r.index == index;
    });
    if (row == rows.end()) {
        throw std::logic_error("the language tables hold no text for " + std::string(control));
    }
    return row->in(lang);
}

// The Text of a settings combo box: the item at its list position, empty without one.
std::string ComboText(const EditorState& editor, std::string_view combo, Lang lang) {
    const auto fields = SettingFields();
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&](const SettingField& f) { return f.name == combo; });
    if (field == fields.end()) {
        throw std::logic_error("no setting named " + std::string(combo));
    }
    return ListItem(field->list, SettingValue(*field, editor), lang);
}

std::string SettingLabel(const SettingLine& line, Lang lang) {
    const std::string_view caption =
        line.panelLabel.empty() ? line.ownLabel.in(lang)
                                : WindowText(line.panelLabel, TextProperty::kCaption, -1, lang);
    if (lang == Lang::English) {
        return AlignRight(std::string(caption) + ": ", kEnglishLabelWidth);
    }
    std::string label = kMargin + std::string(caption) + ":";
    label.append(
        static_cast<std::size_t>(std::max(0, kChineseLabelCells - DisplayWidth(caption) - 1)), ' ');
    return label;
}

std::string TableTitle(ReportTab tab, Lang lang) {
    // "Memory Channel " carries a trailing blank on its tab; the title has one blank there.
    std::string_view caption =
        WindowText("TabStrip1", TextProperty::kTab, tab == ReportTab::kMemory ? 1 : 2, lang);
    while (caption.ends_with(' ')) {
        caption.remove_suffix(1);
    }
    return kMargin + std::string(caption) + std::string(kReportTableTitleSuffix.in(lang));
}

int ToneWidth(std::string_view cell, Lang lang) {
    return cell == OffWord(lang) ? kOffToneWidth : kToneWidth;
}

std::string MemoryRow(const EditorState& editor, int row, Lang lang) {
    std::array<std::string, kMemoryColumns> cells;
    for (int column = 0; column < kMemoryColumns; ++column) {
        cells[static_cast<std::size_t>(column)] = MemoryCellText(editor, row, column, lang);
    }
    return kMargin + AlignRight(cells[0], kChannelWidth) + AlignRight(cells[1], kFrequencyWidth) +
           AlignRight(cells[2], ToneWidth(cells[2], lang)) + AlignRight(cells[3], kFrequencyWidth) +
           AlignRight(cells[4], ToneWidth(cells[4], lang)) + AlignRight(cells[5], kListWidth) +
           AlignRight(cells[6], kListWidth);
}

std::string DebugRow(const EditorState& editor, int row, Lang lang) {
    std::array<std::string, kDebugColumns> cells;
    for (int column = 0; column < kDebugColumns; ++column) {
        cells[static_cast<std::size_t>(column)] = DebugCellText(editor, row, column);
    }
    // Each language prints the two frequencies in the order its heading names them: the
    // English heading puts TX first.
    const std::string& first = lang == Lang::English ? cells[2] : cells[1];
    const std::string& second = lang == Lang::English ? cells[1] : cells[2];
    return kMargin + AlignRight(cells[0], kChannelWidth) + AlignRight(first, kFrequencyWidth) +
           AlignRight(second, kFrequencyWidth);
}

}  // namespace

std::vector<std::string> ComposeReport(const EditorState& editor, ReportTab tab, Lang lang) {
    std::vector<std::string> lines(4);
    const int makerIndent = lang == Lang::English ? kMakerIndentEn : kMakerIndentZh;
    lines.push_back(std::string(static_cast<std::size_t>(makerIndent), ' ') + std::string(kMaker));
    lines.emplace_back();
    lines.push_back(std::string(kTitleIndent, ' ') + std::string(kApplicationTitle) +
                    std::string(kReportTitleSuffix.in(lang)));
    lines.emplace_back();
    for (const SettingLine& line : kSettingLines) {
        lines.push_back(SettingLabel(line, lang) + ComboText(editor, line.combo, lang));
        lines.emplace_back();
    }

    lines.push_back(TableTitle(tab, lang));
    lines.emplace_back();
    const bool memory = tab == ReportTab::kMemory;
    lines.emplace_back(memory ? kReportMemoryHeading.in(lang) : kReportDebugHeading.in(lang));
    for (int row = 1; row <= kChannelCount; ++row) {
        lines.push_back(memory ? MemoryRow(editor, row, lang) : DebugRow(editor, row, lang));
        lines.emplace_back();
    }
    return lines;
}

}  // namespace m742
