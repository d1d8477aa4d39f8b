#include "texts/verify_report.h"

#include <set>
#include <tuple>

#include "radio_data/codec.h"
#include "radio_data/editor_state.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/backup_texts.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

constexpr int kDebugFirst = 0x110;
constexpr int kDebugEnd = 0x210;

std::string HexByte(std::uint8_t byte) {
    return Hex2(static_cast<std::int16_t>(byte)) + "h";
}

std::string HexBytes(const RadioImage& image, int first, int count) {
    std::string text;
    for (int a = first; a < first + count; ++a) {
        text += (text.empty() ? "" : " ") + HexByte(image[static_cast<std::size_t>(a)]);
    }
    return text;
}

std::string Address(int address) {
    return Hex2(static_cast<std::int16_t>(address >> 8)).substr(1) +
           Hex2(static_cast<std::int16_t>(address & 0xFF)) + "h";
}

// Characters of a text field, FFh bytes left out, as the radio link reads the password.
std::string CharacterField(const RadioImage& image, int first, int length) {
    std::string text;
    for (int a = first; a < first + length; ++a) {
        const std::uint8_t code = image[static_cast<std::size_t>(a)];
        if (code != 0xFF) {
            text += CharacterOfCode(code);
        }
    }
    return text;
}

int Mask(int lowBit, int bitCount) {
    return ((1 << bitCount) - 1) << lowBit;
}

// What a difference is about. Kinds in the order of the report within one address.
enum class Item { kPassword, kChannel, kDebugChannel, kAni, kSetting, kByte };

struct Difference {
    int address;  // the first byte of what it is about
    Item item;
    int number;  // channel number, column, setting index, as the item needs
    int column;
    bool operator<(const Difference& o) const {
        return std::tie(address, item, number, column) <
               std::tie(o.address, o.item, o.number, o.column);
    }
};

class Report {
public:
    Report(const RadioImage& sent, const RadioImage& readBack, Lang lang)
        : m_sent(sent), m_readBack(readBack), m_lang(lang) {
        DecodeImage(sent, m_plan);
        DecodeImage(readBack, m_radio);
    }

    // Sorts the changed bits of the byte at `address` into what they belong to.
    void Add(int address) {
        const auto a = static_cast<std::size_t>(address);
        int changed = m_sent[a] ^ m_readBack[a];
        if (changed == 0) {
            return;
        }
        if (address < kPasswordAddress + kPasswordLength) {
            m_found.insert({kPasswordAddress, Item::kPassword, 0, 0});
        } else if (address < kDebugFirst) {
            const int n = address / 16;
            const int offset = address % 16;
            const int base = MemoryChannelAddress(n);
            if (offset < kTxOffset) {
                m_found.insert({base + kRxOffset, Item::kChannel, n, kColumnRx});
            } else if (offset < kDecodeToneOffset) {
                m_found.insert({base + kTxOffset, Item::kChannel, n, kColumnTx});
            } else if (offset < kEncodeToneOffset) {
                m_found.insert({base + kDecodeToneOffset, Item::kChannel, n, kColumnDecodeTone});
            } else if (offset < kFlagsOffset) {
                m_found.insert({base + kEncodeToneOffset, Item::kChannel, n, kColumnEncodeTone});
            } else if (offset == kFlagsOffset) {
                for (const FlagField& field : kFlagFields) {
                    const int mask = Mask(field.lowBit, field.bitCount);
                    if ((changed & mask) != 0) {
                        m_found.insert({address, Item::kChannel, n, ColumnOf(field.field)});
                        changed &= ~mask;
                    }
                }
                if (changed != 0) {
                    m_found.insert({address, Item::kByte, 0, 0});
                }
            } else {
                m_found.insert({address, Item::kByte, 0, 0});
            }
        } else if (address < kDebugEnd) {
            const int n = (address - 256) / 16;
            const int offset = address % 16;
            const int base = DebugChannelAddress(n);
            if (offset < kTxOffset) {
                m_found.insert({base, Item::kDebugChannel, n, 1});
            } else if (offset < kDecodeToneOffset) {
                m_found.insert({base + kTxOffset, Item::kDebugChannel, n, 2});
            } else {
                m_found.insert({address, Item::kByte, 0, 0});
            }
        } else if (address >= kAniAddress && address < kAniAddress + kAniLength) {
            m_found.insert({kAniAddress, Item::kAni, 0, 0});
        } else {
            const auto fields = SettingFields();
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const int mask = Mask(fields[i].lowBit, fields[i].bitCount);
                if (fields[i].address == address && (changed & mask) != 0) {
                    m_found.insert({address, Item::kSetting, static_cast<int>(i), 0});
                    changed &= ~mask;
                }
            }
            if (changed != 0) {
                m_found.insert({address, Item::kByte, 0, 0});
            }
        }
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        lines.reserve(m_found.size());
        for (const Difference& d : m_found) {
            lines.push_back(Line(d));
        }
        return lines;
    }

private:
    std::string Shown(const std::string& text) const {
        return text.empty() ? std::string(kEmptyValue.in(m_lang)) : text;
    }

    // The two values as the editor shows them; as bytes where the editor shows no difference.
    std::pair<std::string, std::string> Values(const std::string& plan, const std::string& radio,
                                               int first, int count) const {
        if (plan == radio) {
            return {HexBytes(m_sent, first, count), HexBytes(m_readBack, first, count)};
        }
        return {Shown(plan), Shown(radio)};
    }

    std::string Line(const Difference& d) const {
        const std::string number = std::to_string(d.number);
        switch (d.item) {
            case Item::kPassword: {
                const auto [plan, radio] =
                    Values(CharacterField(m_sent, kPasswordAddress, kPasswordLength),
                           CharacterField(m_readBack, kPasswordAddress, kPasswordLength),
                           kPasswordAddress, kPasswordLength);
                return Fill(kDifferenceSetting, {kPasswordCaption.in(m_lang), plan, radio});
            }
            case Item::kAni: {
                const auto [plan, radio] = Values(
                    CharacterField(m_sent, kAniAddress, kAniLength),
                    CharacterField(m_readBack, kAniAddress, kAniLength), kAniAddress, kAniLength);
                return Fill(kDifferenceSetting, {kAniCaption.in(m_lang), plan, radio});
            }
            case Item::kChannel: {
                const bool flags = d.column >= kColumnBusyLock;
                const auto [plan, radio] =
                    Values(MemoryCellText(m_plan, d.number, d.column, m_lang),
                           MemoryCellText(m_radio, d.number, d.column, m_lang), d.address,
                           flags                                            ? 1
                           : d.column == kColumnRx || d.column == kColumnTx ? 4
                                                                            : 2);
                return Fill(kDifferenceChannel, {number, Heading(d.column), plan, radio});
            }
            case Item::kDebugChannel: {
                const auto [plan, radio] =
                    Values(DebugCellText(m_plan, d.number, d.column),
                           DebugCellText(m_radio, d.number, d.column), d.address, 4);
                return Fill(kDifferenceDebugChannel,
                            {number, kDebugHeadings[static_cast<std::size_t>(d.column)].in(m_lang),
                             plan, radio});
            }
            case Item::kSetting: {
                const SettingField& field = SettingFields()[static_cast<std::size_t>(d.number)];
                const auto [plan, radio] = Values(
                    ListItem(field.list, SettingValue(field, m_plan), m_lang),
                    ListItem(field.list, SettingValue(field, m_radio), m_lang), d.address, 1);
                std::string caption(SettingCaption(field).in(m_lang));
                while (!caption.empty() && caption.back() == ':') {
                    caption.pop_back();
                }
                return Fill(kDifferenceSetting, {caption, plan, radio});
            }
            case Item::kByte:
                break;
        }
        const auto a = static_cast<std::size_t>(d.address);
        return Fill(kDifferenceAddress,
                    {Address(d.address), HexByte(m_sent[a]), HexByte(m_readBack[a])});
    }

    std::string Heading(int column) const {
        if (column == kColumnDecodeTone) {
            return std::string(kDecodeToneCaption.in(m_lang));
        }
        if (column == kColumnEncodeTone) {
            return std::string(kEncodeToneCaption.in(m_lang));
        }
        return std::string(kMemoryHeadings[static_cast<std::size_t>(column)].in(m_lang));
    }

    std::string Fill(const Bilingual& pattern,
                     std::initializer_list<std::string_view> values) const {
        return FillText(pattern.in(m_lang), values);
    }

    const RadioImage& m_sent;
    const RadioImage& m_readBack;
    Lang m_lang;
    EditorState m_plan;
    EditorState m_radio;
    std::set<Difference> m_found;
};

}  // namespace

std::vector<std::string> WriteDifferences(const RadioImage& sent, const RadioImage& readBack,
                                          bool powerUnlocked, Lang lang) {
    Report report(sent, readBack, lang);
    for (const AddressRange& range : WrittenRanges(powerUnlocked)) {
        for (int address = range.first; address < range.end; ++address) {
            report.Add(address);
        }
    }
    return report.Lines();
}

}  // namespace m742
