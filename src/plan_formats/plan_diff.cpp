#include "plan_formats/plan_diff.h"

#include <algorithm>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

constexpr int kLineBytes = 16;  // a byte range never runs over a 16-byte line

std::uint8_t FieldMask(int lowBit, int bitCount) {
    return static_cast<std::uint8_t>(((1 << bitCount) - 1) << lowBit);
}

// A caption as a line's item: the side-key captions end in a colon in the window.
std::string Label(std::string_view caption) {
    if (caption.ends_with(':')) {
        caption.remove_suffix(1);
    }
    return std::string(caption);
}

std::string Hex(int value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[value & 0xF];
    }
    return text + "h";
}

class Comparison {
public:
    Comparison(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, Lang lang)
        : m_lang(lang) {
        std::copy_n(a.begin() + kDataFileHeaderSize, kImageSize, m_imageA.begin());
        std::copy_n(b.begin() + kDataFileHeaderSize, kImageSize, m_imageB.begin());
        const std::int16_t flag = lang == Lang::English ? 1 : 0;
        m_a = StartupEditor(flag);
        m_b = StartupEditor(flag);
        DecodeImage(m_imageA, m_a);
        DecodeImage(m_imageB, m_b);
        CompareChannels();
        CompareDebugChannels();
        CompareSettings();
        CompareText(DiffSection::kPassword, PasswordOfImage(m_imageA), PasswordOfImage(m_imageB),
                    kPasswordAddress, kPasswordLength);
        CompareText(DiffSection::kAni, m_a.ani, m_b.ani, kAniAddress, kAniLength);
        CompareBytes(a.first(kDataFileHeaderSize), b.first(kDataFileHeaderSize), ByteArea::kHeader,
                     {});
        CompareBytes(m_imageA, m_imageB, ByteArea::kImage, m_covered);
    }

    PlanDiff Take() { return std::move(m_diff); }

private:
    DiffValue Value(std::string text, PlanValue plan) const {
        if (text.empty()) {
            return {std::string(kEmptyValue.in(m_lang)), {}};
        }
        return {std::move(text), std::move(plan)};
    }

    // A memory cell in the chosen language and as a plan holds it.
    DiffValue Cell(const EditorState& editor, int row, int column) const {
        if (IsListColumn(column)) {
            const ListId list = GridColumnList(column);
            const int position = ListPositionOf(MemoryChannelOf(editor, row), column);
            return Value(ListItem(list, position, m_lang), PlanValueOf(list, position));
        }
        const std::string cell = MemoryCellText(editor, row, column, m_lang);
        if (IsToneColumn(column)) {
            return Value(cell, PlanTone(cell));
        }
        return Value(cell, cell);
    }

    PlanDifference& Add(DiffSection section, int channel, int column, DiffValue a, DiffValue b,
                        const PlanSetting* setting = nullptr) {
        PlanDifference& item = m_diff.items.emplace_back();
        item.section = section;
        item.channel = channel;
        item.column = column;
        item.setting = setting;
        item.a = std::move(a);
        item.b = std::move(b);
        return item;
    }

    // Marks bits as accounted for.
    void Cover(int address, int count, std::uint8_t bits = 0xFF) {
        for (int i = address; i < address + count; ++i) {
            m_covered[static_cast<std::size_t>(i)] |= bits;
        }
    }

    void CoverCell(int row, int column) {
        const int base = MemoryChannelAddress(row);
        switch (column) {
            case kColumnRx:
                return Cover(base + kRxOffset, 4);
            case kColumnTx:
                return Cover(base + kTxOffset, 4);
            case kColumnDecodeTone:
                return Cover(base + kDecodeToneOffset, 2);
            case kColumnEncodeTone:
                return Cover(base + kEncodeToneOffset, 2);
            default:
                for (const FlagField& field : kFlagFields) {
                    if (field.column == column) {
                        Cover(base + kFlagsOffset, 1, FieldMask(field.lowBit, field.bitCount));
                    }
                }
        }
    }

    ChannelFields Fields(const EditorState& editor, int row) const {
        ChannelFields fields;
        for (int column = 1; column < kMemoryColumns; ++column) {
            fields.emplace_back(ChannelKey(column), Cell(editor, row, column).plan);
        }
        return fields;
    }

    // The cells of a channel in use, one after the other.
    DiffValue Summary(const EditorState& editor, int row) const {
        std::string text;
        for (int column = 1; column < kMemoryColumns; ++column) {
            text += (column == 1 ? "" : ", ") + Cell(editor, row, column).text;
        }
        return {text, true};  // the plan value only says "in use"; the fields tell the rest
    }

    void CompareChannels() {
        for (int row = 1; row <= kChannelCount; ++row) {
            const bool inA = ChannelInUse(m_a, row);
            const bool inB = ChannelInUse(m_b, row);
            if (inA != inB) {
                const DiffValue empty{std::string(kEmptyValue.in(m_lang)), {}};
                PlanDifference& whole =
                    Add(DiffSection::kChannels, row, 0, inA ? Summary(m_a, row) : empty,
                        inB ? Summary(m_b, row) : empty);
                whole.fieldsA = inA ? Fields(m_a, row) : ChannelFields{};
                whole.fieldsB = inB ? Fields(m_b, row) : ChannelFields{};
                Cover(MemoryChannelAddress(row), kLineBytes);
                continue;
            }
            if (!inA) {
                continue;  // what an empty channel's record holds besides is other bytes
            }
            for (int column = 1; column < kMemoryColumns; ++column) {
                DiffValue a = Cell(m_a, row, column);
                DiffValue b = Cell(m_b, row, column);
                if (a.plan != b.plan) {
                    Add(DiffSection::kChannels, row, column, std::move(a), std::move(b));
                    CoverCell(row, column);
                }
            }
        }
    }

    void CompareDebugChannels() {
        for (int row = 1; row <= kChannelCount; ++row) {
            for (const int column : {kDebugColumnRx, kDebugColumnTx}) {
                const std::string a = DebugCellText(m_a, row, column);
                const std::string b = DebugCellText(m_b, row, column);
                if (a != b) {
                    Add(DiffSection::kDebugChannels, row, column, Value(a, a), Value(b, b));
                    const int base = DebugChannelAddress(row);
                    Cover(base + (column == kDebugColumnRx ? kRxOffset : kTxOffset), 4);
                    Cover(base + kDebugMarkerOffset, 2);  // follows the two frequencies
                }
            }
        }
    }

    void CompareSettings() {
        for (const DiffSection section : {DiffSection::kSettings, DiffSection::kDialogs}) {
            for (const PlanSetting& setting : PlanSettings()) {
                const SettingField& field = *setting.field;
                if ((setting.group == kSettingsGroup) != (section == DiffSection::kSettings) ||
                    field.address == kNoAddress) {
                    continue;
                }
                const int a = SettingValue(field, m_a);
                const int b = SettingValue(field, m_b);
                if (a != b) {
                    Add(section, 0, 0,
                        Value(ListItem(field.list, a, m_lang), PlanValueOf(field.list, a)),
                        Value(ListItem(field.list, b, m_lang), PlanValueOf(field.list, b)),
                        &setting);
                    Cover(field.address, 1, FieldMask(field.lowBit, field.bitCount));
                }
            }
        }
    }

    void CompareText(DiffSection section, const std::string& a, const std::string& b, int address,
                     int length) {
        if (a != b) {
            // A password or ANI code is a text in a plan, the empty one included.
            const std::string empty(kEmptyValue.in(m_lang));
            Add(section, 0, 0, {a.empty() ? empty : a, a}, {b.empty() ? empty : b, b});
            Cover(address, length);
        }
    }

    // Every byte whose bits differ outside `covered` (and outside what the editor holds, for
    // the covered ones), in ranges that keep to one 16-byte line.
    void CompareBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                      ByteArea area, std::span<const std::uint8_t> covered) {
        const ImageMask& held = ModeledBits();
        ByteDifference* open = nullptr;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto accounted =
                covered.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(covered[i] & held[i]);
            const bool differs = ((a[i] ^ b[i]) & ~accounted) != 0;
            if (!differs) {
                open = nullptr;
                continue;
            }
            if (open == nullptr || i % kLineBytes == 0) {
                m_diff.otherBytes.push_back({area, static_cast<int>(i), {}, {}});
                open = &m_diff.otherBytes.back();
            }
            open->a.push_back(a[i]);
            open->b.push_back(b[i]);
        }
    }

    Lang m_lang;
    RadioImage m_imageA{};
    RadioImage m_imageB{};
    EditorState m_a;
    EditorState m_b;
    ImageMask m_covered{};
    PlanDiff m_diff;
};

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

std::string_view PlanDifference::key() const {
    switch (section) {
        case DiffSection::kChannels:
            return column == 0 ? std::string_view() : ChannelKey(column);
        case DiffSection::kDebugChannels:
            return DebugChannelKey(column);
        case DiffSection::kPassword:
            return "password";
        case DiffSection::kAni:
            return "ani";
        default:
            return setting->key;
    }
}

std::string PlanDifference::caption(Lang lang) const {
    switch (section) {
        case DiffSection::kChannels:
            if (column == 0) {
                return std::string(kWholeChannel.in(lang));
            }
            if (IsToneColumn(column)) {  // the two tone headings read alike in Chinese
                return std::string(
                    (column == kColumnDecodeTone ? kDecodeToneCaption : kEncodeToneCaption)
                        .in(lang));
            }
            return std::string(kMemoryHeadings[static_cast<std::size_t>(column)].in(lang));
        case DiffSection::kDebugChannels:
            return std::string(kDebugHeadings[static_cast<std::size_t>(column)].in(lang));
        case DiffSection::kPassword:
            return std::string(kPasswordCaption.in(lang));
        case DiffSection::kAni:
            return std::string(kAniCaption.in(lang));
        default:
            return Label(SettingCaption(*setting->field).in(lang));
    }
}

PlanDiff CompareDataFiles(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                          Lang lang) {
    return Comparison(a.first(kDataFileSize), b.first(kDataFileSize), lang).Take();
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
                                      item.caption(lang), item.a.text, item.b.text});
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

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += (text.empty() ? "" : " ") + Hex(byte, 2).substr(0, 2);
    }
    return text;
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
