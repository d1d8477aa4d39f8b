#include "cli/dump_text.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/grid_cells.h"
#include "texts/language_tables.h"
#include "texts/list_texts.h"

namespace m742::cli {

namespace {

using Row = std::vector<std::string>;
using Table = std::vector<Row>;

// The window's group captions: the grid tabs, the two frames of the settings panel and the
// three dialogs (the DTMF and power dialogs are captioned alike in both languages).
enum Group { kModel, kFunctions, kSideKeys, kDtmf, kPower, kGroupCount };
constexpr std::array<Bilingual, kGroupCount> kGroupTitles{{
    kModelCaption,
    kFunctionsCaption,
    kSideKeyCaption,
    {"DTMF", "DTMF"},
    {"Power", "Power"},
}};

// A tab's caption as a section title: without the blank the memory tab's caption ends in.
std::string_view TabTitle(const Bilingual& caption, Lang lang) {
    std::string_view title = caption.in(lang);
    title.remove_suffix(title.size() - std::min(title.size(), title.find_last_not_of(' ') + 1));
    return title;
}
constexpr std::string_view kAniCaption = "ANI";  // the same in both languages

Group GroupOf(const SettingField& field) {
    if (field.section == Section::kPanel) {
        return field.list == ListId::kBand ? kModel : kFunctions;
    }
    switch (field.list) {
        case ListId::kSideKey:
            return kSideKeys;
        case ListId::kDtmfFirstDelay:
        case ListId::kDtmfTime:
            return kDtmf;
        default:
            return kPower;
    }
}

// A caption as a row label: the side-key captions end in a colon in the window.
std::string Label(std::string_view caption) {
    if (caption.ends_with(':')) {
        caption.remove_suffix(1);
    }
    return std::string(caption);
}

// The table under its title; columns padded to their widest text, two blanks apart.
std::string Render(std::string_view title, const Table& table) {
    std::vector<int> widths;
    for (const Row& row : table) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
        }
    }
    std::string text = std::string(title) + "\n";
    for (const Row& row : table) {
        std::string line = "  ";
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            line.append(static_cast<std::size_t>(widths[i] - DisplayWidth(row[i]) + 2), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

template <std::size_t Columns>
Table GridTable(const std::array<Bilingual, Columns>& headings, Lang lang,
                const std::function<std::string(int row, int column)>& cellText) {
    Table table;
    Row heading;
    for (const Bilingual& caption : headings) {
        heading.emplace_back(caption.in(lang));
    }
    table.push_back(std::move(heading));
    for (int row = 1; row <= kChannelCount; ++row) {
        Row cells;
        for (int column = 0; column < static_cast<int>(Columns); ++column) {
            cells.push_back(Printable(cellText(row, column)));
        }
        table.push_back(std::move(cells));
    }
    return table;
}

}  // namespace

std::string DumpText(const EditorState& editor, Lang lang) {
    std::string text = Render(TabTitle(kMemoryTabCaption, lang),
                              GridTable(kMemoryHeadings, lang, [&](int row, int column) {
                                  return MemoryCellText(editor, row, column, lang);
                              }));
    text += '\n';
    text += Render(TabTitle(kDebugTabCaption, lang),
                   GridTable(kDebugHeadings, lang, [&](int row, int column) {
                       return DebugCellText(editor, row, column);
                   }));

    std::array<Table, kGroupCount> groups;
    for (const SettingField& field : SettingFields()) {
        groups[GroupOf(field)].push_back({Label(SettingCaption(field).in(lang)),
                                          ListItem(field.list, SettingValue(field, editor), lang)});
    }
    groups[kFunctions].push_back({std::string(kAniCaption), Printable(editor.ani)});
    for (int group = 0; group < kGroupCount; ++group) {
        text += '\n';
        text += Render(kGroupTitles[group].in(lang), groups[group]);
    }
    return text;
}

}  // namespace m742::cli
