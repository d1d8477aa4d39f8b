#include "plan_formats/chirp_row.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "channel_editing/list_entry.h"
#include "channel_editing/snap.h"
#include "channel_editing/tone_entry.h"
#include "plan_formats/plan_document.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "radio_data/tones.h"
#include "texts/csv_texts.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"

namespace m742::chirp {

namespace {

// The two TX power levels in hundredths of a watt.
constexpr std::int64_t kHighCentiwatts = 400;
constexpr std::int64_t kLowCentiwatts = 100;

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// One row of the file going into one channel of the plan. Each step either takes its fields
// or records why the row is refused.
class RowImport {
public:
    RowImport(const CsvRecord& record, const CsvColumns& columns, char separator)
        : m_record(record), m_columns(columns), m_separator(separator) {}

    const Message& refusal() const { return m_refusal; }
    const std::vector<Message>& adjusted() const { return m_adjusted; }

    // The field under `column`, trimmed; nothing when the file has no such column.
    std::optional<std::string> Field(std::string_view column) const {
        return FieldIn(m_record, m_columns, column);
    }
    std::string FieldOrEmpty(std::string_view column) const {
        return Field(column).value_or(std::string());
    }

    // Fills `channel` of `plan` from the row; false, with the refusal, when the row cannot go
    // in. `plan` may then be half changed: the caller works on a copy.
    bool Into(EditorState& plan, int channel, std::int16_t busyLock, BandLimits band) {
        ClearMemoryChannel(plan, channel);
        const auto rx = Number("Frequency");
        if (!rx) {
            return false;
        }
        const auto tx = TxSteps(*rx);
        if (!tx) {
            return false;
        }
        // A TX frequency that is the RX one was moved with it: one note says so.
        if (!Frequency(plan, channel, kColumnRx, "Frequency", *rx, band, true) ||
            (*tx && !Frequency(plan, channel, kColumnTx, "Offset", **tx, band, **tx != *rx))) {
            return false;
        }
        const auto tones = Tones();
        if (!tones) {
            return false;
        }
        if (!*tx) {
            // Receive only: no TX frequency, and no TX tone unless the file gives one, as a
            // channel read from a radio shows it.
            MemoryChannelOf(plan, channel).tx = {};
            if (tones->first.empty()) {
                MemoryChannelOf(plan, channel).encodeTone = {};
            }
        }
        const auto bandwidth = Bandwidth();
        const auto scan = Scan();
        const auto power = Power();
        if (!bandwidth || !scan || !power) {
            return false;
        }
        for (const auto& [column, tone] : {std::pair{kColumnEncodeTone, tones->first},
                                           std::pair{kColumnDecodeTone, tones->second}}) {
            if (tone.empty()) {
                if (column == kColumnDecodeTone || *tx) {
                    ToneField(MemoryChannelOf(plan, channel), column) = ToneOff{};
                }
            } else {
                CommitTone(plan, channel, column, tone);
            }
        }
        PickListItem(plan, channel, kColumnBusyLock, busyLock);
        PickListItem(plan, channel, kColumnBandwidth, *bandwidth);
        PickListItem(plan, channel, kColumnAddScan, *scan);
        PickListItem(plan, channel, kColumnTxPower, *power);
        return true;
    }

private:
    bool Refuse(std::string_view column, std::string_view value, Message why) {
        m_refusal = {&kFieldProblem,
                     {std::string(column), std::string(value), Inner(std::move(why))}};
        return false;
    }
    template <typename T = std::int64_t>
    std::optional<T> Refused(std::string_view column, std::string_view value, Message why) {
        Refuse(column, value, std::move(why));
        return std::nullopt;
    }

    // A number field with "," read as the point where ";" separates the fields.
    std::string NumberText(std::string_view column) const {
        std::string text = FieldOrEmpty(column);
        if (m_separator == ';') {
            std::replace(text.begin(), text.end(), ',', '.');
        }
        return text;
    }

    // A frequency field in 10 Hz steps.
    std::optional<std::int64_t> Number(std::string_view column) {
        const auto steps = FrequencySteps(NumberText(column));
        if (!steps) {
            return Refused(column, FieldOrEmpty(column), Text(kFrequencyRefused));
        }
        return steps;
    }

    // The TX frequency; an empty one for Duplex "off", CHIRP's "transmit inhibited".
    std::optional<std::optional<std::int64_t>> TxSteps(std::int64_t rx) {
        const std::string duplex = AsciiLower(FieldOrEmpty("Duplex"));
        m_duplex = duplex;
        if (duplex.empty()) {
            return std::optional<std::int64_t>(rx);
        }
        if (duplex == "off") {
            return std::optional<std::int64_t>();
        }
        if (duplex != "+" && duplex != "-" && duplex != "split") {
            Refuse("Duplex", FieldOrEmpty("Duplex"), Text(kUnknownValue));
            return std::nullopt;
        }
        const auto offset = Number("Offset");
        if (!offset) {
            return std::nullopt;
        }
        return std::optional<std::int64_t>(duplex == "split" ? *offset
                                           : duplex == "+"   ? rx + *offset
                                                             : rx - *offset);
    }

    // The window's rule for a frequency typed into the cell: the band, then the raster.
    bool Frequency(EditorState& plan, int channel, int column, std::string_view field,
                   std::int64_t steps, BandLimits band, bool noteMove) {
        const FrequencyOutcome outcome =
            steps < 0 ? FrequencyOutcome::kOutOfBand
                      : CommitFrequency(plan, channel, column, FormatSteps(steps), band).outcome;
        if (outcome == FrequencyOutcome::kOutOfBand) {
            Message why = OutOfBandRefusal(band);
            if (column == kColumnTx && (m_duplex == "+" || m_duplex == "-") && steps >= 0) {
                // An offset is out of band only through the TX frequency it gives.
                why = Concatenated(
                    {Inner({&kComputedTx, {Megahertz(steps)}}), Inner(std::move(why))});
            }
            return Refuse(field, FieldOrEmpty(field), std::move(why));
        }
        const std::string stored =
            FrequencyCellText(FrequencyField(MemoryChannelOf(plan, channel), column));
        if (noteMove && FrequencySteps(stored) != steps) {
            m_adjusted.push_back(
                {&kFrequencySnapped, {&kMemoryHeadings[At(column)], Megahertz(steps), stored}});
        }
        return true;
    }

    // A CTCSS tone of the list, as the tone cell holds it.
    std::optional<std::string> Ctcss(std::string_view column) {
        const std::string text = NumberText(column);
        if (text.empty()) {
            return Refused<std::string>(column, text, Text(kNeedsValue));
        }
        auto tone = IsNumberText(text) ? NormalisedTone(text) : std::nullopt;
        if (!tone ||
            std::find(kCtcssTones.begin(), kCtcssTones.end(), *tone) == kCtcssTones.end()) {
            return Refused<std::string>(column, FieldOrEmpty(column), Text(kNotInToneList));
        }
        return tone;
    }

    // A DCS code of the list with its polarity letter (N or R), as the tone cell holds it.
    std::optional<std::string> Dcs(std::string_view column, char polarity) {
        const std::string code = FieldOrEmpty(column);
        if (code.empty()) {
            return Refused<std::string>(column, code, Text(kNeedsValue));
        }
        const bool digits = code.size() <= 3 && std::all_of(code.begin(), code.end(), [](char c) {
                                return c >= '0' && c <= '9';
                            });
        auto tone =
            digits ? NormalisedTone("D" + code + (polarity == 'R' ? "I" : "N")) : std::nullopt;
        if (!tone ||
            std::find(kDcsCodes.begin(), kDcsCodes.end(), tone->substr(1, 3)) == kDcsCodes.end()) {
            return Refused<std::string>(column, code, Text(kNotInToneList));
        }
        return tone;
    }

    // The TX and RX tone cells, "" for none.
    std::optional<std::pair<std::string, std::string>> Tones() {
        const std::string mode = AsciiLower(FieldOrEmpty("Tone"));
        std::string polarity = FieldOrEmpty("DtcsPolarity");
        if (polarity.empty()) {
            polarity = "NN";
        }
        if ((mode == "dtcs" || mode == "cross") &&
            (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos)) {
            Refuse("DtcsPolarity", polarity, Text(kUnknownValue));
            return std::nullopt;
        }
        std::string txKind;
        std::string rxKind;
        if (mode.empty()) {
            return std::pair<std::string, std::string>{};
        }
        if (mode == "tone") {
            txKind = "tone";
        } else if (mode == "tsql") {
            // One tone both ways, from cToneFreq, as CHIRP keeps it.
            const auto tone = Ctcss("cToneFreq");
            if (!tone) {
                return std::nullopt;
            }
            return std::pair{*tone, *tone};
        } else if (mode == "dtcs") {
            const auto tx = Dcs("DtcsCode", polarity[0]);
            const auto rx = tx ? Dcs("DtcsCode", polarity[1]) : std::nullopt;
            if (!rx) {
                return std::nullopt;
            }
            return std::pair{*tx, *rx};
        } else if (mode == "cross") {
            // Files of older versions have no CrossMode column: their cross mode was Tone->Tone.
            const std::string cross = AsciiLower(Field("CrossMode").value_or("Tone->Tone"));
            const std::size_t arrow = cross.find("->");
            txKind = cross.substr(0, arrow);
            rxKind = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
            for (const std::string& kind : {txKind, rxKind}) {
                if (!kind.empty() && kind != "tone" && kind != "dtcs") {
                    Refuse("CrossMode", FieldOrEmpty("CrossMode"), Text(kUnknownValue));
                    return std::nullopt;
                }
            }
        } else {
            const bool known = mode == "tsql-r" || mode == "dtcs-r";
            Refuse("Tone", FieldOrEmpty("Tone"), Text(known ? kCannotHold : kUnknownValue));
            return std::nullopt;
        }
        std::pair<std::string, std::string> tones;
        if (txKind == "tone" || txKind == "dtcs") {
            const auto tone = txKind == "tone" ? Ctcss("rToneFreq") : Dcs("DtcsCode", polarity[0]);
            if (!tone) {
                return std::nullopt;
            }
            tones.first = *tone;
        }
        if (rxKind == "tone" || rxKind == "dtcs") {
            // Older files without RxDtcsCode used DtcsCode both ways.
            const std::string_view codeColumn = Field("RxDtcsCode") ? "RxDtcsCode" : "DtcsCode";
            const auto tone = rxKind == "tone" ? Ctcss("cToneFreq") : Dcs(codeColumn, polarity[1]);
            if (!tone) {
                return std::nullopt;
            }
            tones.second = *tone;
        }
        return tones;
    }

    std::optional<std::int16_t> Bandwidth() {
        const std::string mode = AsciiLower(FieldOrEmpty("Mode"));
        if (mode.empty() || mode == "fm") {
            return kWide;
        }
        if (mode == "nfm") {
            return kNarrow;
        }
        return Refused<std::int16_t>("Mode", FieldOrEmpty("Mode"), Text(kCannotHold));
    }

    std::optional<std::int16_t> Scan() {
        const std::string skip = AsciiLower(FieldOrEmpty("Skip"));
        if (skip.empty() || skip == "p") {
            return kScanned;
        }
        if (skip == "s") {
            return kNotScanned;
        }
        return Refused<std::int16_t>("Skip", FieldOrEmpty("Skip"), Text(kUnknownValue));
    }

    // The nearer of the two levels; none given is high.
    std::optional<std::int16_t> Power() {
        std::string text = AsciiLower(NumberText("Power"));
        if (text.empty() || text == "high") {
            return kHighPower;
        }
        if (text == "low") {
            return kLowPower;
        }
        if (text.ends_with('w')) {
            text = std::string(TrimmedField(text.substr(0, text.size() - 1)));
        }
        const auto centiwatts = IsNumberText(text) ? ScaledValue(text, 2) : std::nullopt;
        if (!centiwatts) {
            return Refused<std::int16_t>("Power", FieldOrEmpty("Power"), Text(kUnknownValue));
        }
        return std::llabs(*centiwatts - kHighCentiwatts) <= std::llabs(*centiwatts - kLowCentiwatts)
                   ? kHighPower
                   : kLowPower;
    }

    const CsvRecord& m_record;
    const CsvColumns& m_columns;
    char m_separator;
    Message m_refusal;
    std::vector<Message> m_adjusted;
    std::string m_duplex;  // the row's Duplex, lower case
};

}  // namespace

std::string Megahertz(std::int64_t steps) {
    std::string decimals = std::to_string(steps % kStepsPerMHz * 10);
    decimals.insert(0, 6 - decimals.size(), '0');
    return std::to_string(steps / kStepsPerMHz) + "." + decimals;
}

RowOutcome ImportRow(const CsvRecord& record, const CsvColumns& columns, char separator,
                     EditorState& plan, int channel, std::int16_t busyLock, BandLimits band) {
    RowImport row(record, columns, separator);
    RowOutcome outcome;
    outcome.taken = row.Into(plan, channel, busyLock, band);
    outcome.refusal = row.refusal();
    outcome.adjusted = row.adjusted();
    return outcome;
}

}  // namespace m742::chirp
