#include "texts/diff_texts.h"

#include <string_view>

#include "channel_editing/channel_plan.h"
#include "radio_data/text_codes.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/grid_columns.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

// A caption as a line's item: the side-key captions end in a colon in the window.
std::string Label(std::string_view caption) {
    if (caption.ends_with(':')) {
        caption.remove_suffix(1);
    }
    return std::string(caption);
}

std::string_view SectionTitle(DiffSection section, Lang lang) {
    switch (section) {
        case DiffSection::kChannels: {
            std::string_view title = kMemoryTabCaption.in(lang);
            return title.substr(0, title.find_last_not_of(' ') + 1);
        }
        case DiffSection::kDebugChannels:
            return kDebugTabCaption.in(lang);
        case DiffSection::kSettings:
            return kFunctionsCaption.in(lang);
        case DiffSection::kDialogs:
            return kDialogSettingsTitle.in(lang);
        default:
            return kPasswordAniTitle.in(lang);
    }
}

}  // namespace

std::string DiffValueText(const DiffValue& value, Lang lang) {
    if (!value.cells.empty()) {
        std::string text;
        for (const DiffValue& cell : value.cells) {
            text += (text.empty() ? "" : ", ") + DiffValueText(cell, lang);
        }
        return text;
    }
    const std::string text = value.list ? ListItem(*value.list, value.position, lang) : value.text;
    return text.empty() ? std::string(kEmptyValue.in(lang)) : text;
}

std::string DiffCaption(const PlanDifference& item, Lang lang) {
    switch (item.section) {
        case DiffSection::kChannels:
            if (!item.field) {
                return std::string(kWholeChannel.in(lang));
            }
            if (IsToneField(*item.field)) {  // the two tone headings read alike in Chinese
                return std::string(
                    (*item.field == ChannelField::kRxTone ? kDecodeToneCaption : kEncodeToneCaption)
                        .in(lang));
            }
            return std::string(
                kMemoryHeadings[static_cast<std::size_t>(ColumnOf(*item.field))].in(lang));
        case DiffSection::kDebugChannels:
            return std::string(
                kDebugHeadings[static_cast<std::size_t>(DebugColumnOf(*item.field))].in(lang));
        case DiffSection::kPassword:
            return std::string(kPasswordCaption.in(lang));
        case DiffSection::kAni:
            return std::string(kAniCaption.in(lang));
        default:
            return Label(SettingCaption(*item.setting->field).in(lang));
    }
}

std::vector<DiffTable> DiffTables(const PlanDiff& diff, Lang lang) {
    std::vector<DiffTable> tables;
    std::string_view last;
    for (const PlanDifference& item : diff.items) {
        const std::string_view title = SectionTitle(item.section, lang);
        if (tables.empty() || title != last) {
            tables.push_back({std::string(title), {}});
            last = title;
        }
        tables.back().rows.push_back({item.channel == 0 ? "" : std::to_string(item.channel),
                                      DiffCaption(item, lang), DiffValueText(item.a, lang),
                                      DiffValueText(item.b, lang)});
    }
    if (!diff.otherBytes.empty()) {
        tables.push_back({std::string(kOtherBytesTitle.in(lang)), {}});
        for (const ByteDifference& bytes : diff.otherBytes) {
            tables.back().rows.push_back(
                {"", ByteRangeName(bytes, lang), HexText(bytes.a), HexText(bytes.b)});
        }
    }
    return tables;
}

std::string ByteRangeName(const ByteDifference& bytes, Lang lang) {
    const bool header = bytes.area == ByteArea::kHeader;
    const int digits = header ? 2 : 3;
    if (bytes.a.size() == 1) {
        return FillText((header ? kHeaderByte : kImageByte).in(lang), {Hex(bytes.first, digits)});
    }
    return FillText((header ? kHeaderBytes : kImageBytes).in(lang),
                    {Hex(bytes.first, digits), Hex(bytes.last(), digits)});
}

}  // namespace m742
