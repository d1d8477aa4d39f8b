#include "plan_formats/plan_diff.h"

#include <algorithm>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

constexpr int kLineBytes = 16;  // a byte range never runs over a 16-byte line

std::uint8_t FieldMask(int lowBit, int bitCount) {
    return static_cast<std::uint8_t>(((1 << bitCount) - 1) << lowBit);
}

class Comparison {
public:
    Comparison(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
        std::copy_n(a.begin() + kDataFileHeaderSize, kImageSize, m_imageA.begin());
        std::copy_n(b.begin() + kDataFileHeaderSize, kImageSize, m_imageB.begin());
        m_a = StartupEditor();
        m_b = StartupEditor();
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
    static DiffValue Value(std::string text, PlanValue plan) {
        if (text.empty()) {
            return {};
        }
        return {std::move(text), std::nullopt, -1, {}, std::move(plan)};
    }

    // An item of `list`; nothing for no selection.
    static DiffValue Item(ListId list, int position) {
        const PlanValue plan = PlanValueOf(list, position);
        if (std::holds_alternative<std::monostate>(plan)) {
            return {};
        }
        return {"", list, position, {}, plan};
    }

    // A field of a memory channel as the window shows it and as a plan holds it.
    static DiffValue Field(const MemoryChannel& channel, ChannelField field) {
        if (IsListField(field)) {
            return Item(ChannelFieldList(field), ListPositionOf(channel, field));
        }
        if (IsFrequencyField(field)) {
            const std::string frequency = FrequencyCellText(FrequencyOf(channel, field));
            return Value(frequency, frequency);
        }
        const ToneCell& tone = ToneOf(channel, field);
        if (std::holds_alternative<ToneOff>(tone)) {
            return {"", ListId::kTone, 0, {}, std::string("off")};  // the Off word
        }
        return Value(ToneCellText(tone, ""), PlanTone(tone));
    }

    PlanDifference& Add(DiffSection section, int channel, std::optional<ChannelField> field,
                        DiffValue a, DiffValue b, const PlanSetting* setting = nullptr) {
        PlanDifference& item = m_diff.items.emplace_back();
        item.section = section;
        item.channel = channel;
        item.field = field;
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

    void CoverField(int row, ChannelField field) {
        const int base = MemoryChannelAddress(row);
        switch (field) {
            case ChannelField::kRx:
                return Cover(base + kRxOffset, 4);
            case ChannelField::kTx:
                return Cover(base + kTxOffset, 4);
            case ChannelField::kRxTone:
                return Cover(base + kDecodeToneOffset, 2);
            case ChannelField::kTxTone:
                return Cover(base + kEncodeToneOffset, 2);
            default:
                for (const FlagField& flag : kFlagFields) {
                    if (flag.field == field) {
                        Cover(base + kFlagsOffset, 1, FieldMask(flag.lowBit, flag.bitCount));
                    }
                }
        }
    }

    static ChannelFields Fields(const MemoryChannel& channel) {
        ChannelFields fields;
        for (const ChannelField field : kChannelFields) {
            fields.emplace_back(ChannelFieldKey(field), Field(channel, field).plan);
        }
        return fields;
    }

    // The fields of a channel in use, one after the other.
    static DiffValue Summary(const MemoryChannel& channel) {
        DiffValue summary;
        for (const ChannelField field : kChannelFields) {
            summary.cells.push_back(Field(channel, field));
        }
        summary.plan = true;  // the plan value only says "in use"; the fields tell the rest
        return summary;
    }

    void CompareChannels() {
        for (int row = 1; row <= kChannelCount; ++row) {
            const MemoryChannel& channelA = MemoryChannelOf(m_a, row);
            const MemoryChannel& channelB = MemoryChannelOf(m_b, row);
            const bool inA = channelA.inUse();
            const bool inB = channelB.inUse();
            if (inA != inB) {
                const DiffValue empty;
                PlanDifference& whole =
                    Add(DiffSection::kChannels, row, std::nullopt, inA ? Summary(channelA) : empty,
                        inB ? Summary(channelB) : empty);
                whole.fieldsA = inA ? Fields(channelA) : ChannelFields{};
                whole.fieldsB = inB ? Fields(channelB) : ChannelFields{};
                Cover(MemoryChannelAddress(row), kLineBytes);
                continue;
            }
            if (!inA) {
                continue;  // what an empty channel's record holds besides is other bytes
            }
            for (const ChannelField field : kChannelFields) {
                DiffValue a = Field(channelA, field);
                DiffValue b = Field(channelB, field);
                if (a.plan != b.plan) {
                    Add(DiffSection::kChannels, row, field, std::move(a), std::move(b));
                    CoverField(row, field);
                }
            }
        }
    }

    void CompareDebugChannels() {
        for (int row = 1; row <= kChannelCount; ++row) {
            for (const ChannelField field : {ChannelField::kRx, ChannelField::kTx}) {
                const std::string a =
                    FrequencyCellText(FrequencyOf(DebugChannelOf(m_a, row), field));
                const std::string b =
                    FrequencyCellText(FrequencyOf(DebugChannelOf(m_b, row), field));
                if (a != b) {
                    Add(DiffSection::kDebugChannels, row, field, Value(a, a), Value(b, b));
                    const int base = DebugChannelAddress(row);
                    Cover(base + (field == ChannelField::kRx ? kRxOffset : kTxOffset), 4);
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
                    Add(section, 0, std::nullopt, Item(field.list, a), Item(field.list, b),
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
            Add(section, 0, std::nullopt, {a, std::nullopt, -1, {}, a},
                {b, std::nullopt, -1, {}, b});
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

    RadioImage m_imageA{};
    RadioImage m_imageB{};
    EditorState m_a;
    EditorState m_b;
    ImageMask m_covered{};
    PlanDiff m_diff;
};

}  // namespace

std::string_view PlanDifference::key() const {
    switch (section) {
        case DiffSection::kChannels:
        case DiffSection::kDebugChannels:
            return field ? ChannelFieldKey(*field) : std::string_view();
        case DiffSection::kPassword:
            return "password";
        case DiffSection::kAni:
            return "ani";
        default:
            return setting->key;
    }
}

PlanDiff CompareDataFiles(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return Comparison(a.first(kDataFileSize), b.first(kDataFileSize)).Take();
}

std::string Hex(int value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[value & 0xF];
    }
    return text + "h";
}

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += (text.empty() ? "" : " ") + Hex(byte, 2).substr(0, 2);
    }
    return text;
}

}  // namespace m742
