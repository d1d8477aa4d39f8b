#include "plan_formats/chirp_csv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>

#include "channel_editing/list_entry.h"
#include "channel_editing/snap.h"
#include "channel_editing/tone_entry.h"
#include "radio_data/data_file.h"
#include "radio_data/file_reading.h"
#include "radio_data/grid_cells.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "radio_data/tones.h"
#include "texts/backup_texts.h"
#include "texts/csv_texts.h"

namespace m742 {

namespace {

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
constexpr std::string_view kLineEnd = "\r\n";

// CHIRP's placeholders for the tone columns a channel does not use.
constexpr std::string_view kPlaceholderTone = "88.5";
constexpr std::string_view kPlaceholderCode = "023";

// The two TX power levels in watts as the file names them, and in hundredths of a watt.
constexpr std::string_view kHighWatts = "4.0W";
constexpr std::string_view kLowWatts = "1.0W";
constexpr std::int64_t kHighCentiwatts = 400;
constexpr std::int64_t kLowCentiwatts = 100;

// TX and RX further apart than this are written as "split".
constexpr std::int64_t kLargestOffsetSteps = 70 * kStepsPerMHz;

// List positions of the grid's list columns.
constexpr std::int16_t kWide = 0;
constexpr std::int16_t kNarrow = 1;
constexpr std::int16_t kNotScanned = 0;
constexpr std::int16_t kScanned = 1;
constexpr std::int16_t kLowPower = 0;
constexpr std::int16_t kHighPower = 1;

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// MHz with six decimals, as CHIRP writes frequencies and offsets.
std::string Megahertz(std::int64_t steps) {
    std::string decimals = std::to_string(steps % kStepsPerMHz * 10);
    decimals.insert(0, 6 - decimals.size(), '0');
    return std::to_string(steps / kStepsPerMHz) + "." + decimals;
}

// ---------------------------------------------------------------------------------------------
// The file's records

struct Record {
    int line = 0;  // where the record starts
    std::vector<std::string> fields;
};

struct ParsedCsv {
    std::vector<Record> records;  // comment lines and blank lines left out
    int unclosedQuoteLine = 0;    // the line of a quoted field that never ends, or 0
};

ParsedCsv ParseCsv(std::string_view text, char separator) {
    ParsedCsv parsed;
    std::size_t i = 0;
    int line = 1;
    // Steps over the line end at `i`, if there is one; true when there was.
    auto lineEnd = [&text, &i, &line] {
        if (i < text.size() && (text[i] == '\r' || text[i] == '\n')) {
            i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            ++line;
            return true;
        }
        return false;
    };
    while (i < text.size()) {
        if (text[i] == '#') {
            while (i < text.size() && !lineEnd()) {
                ++i;
            }
            continue;
        }
        Record record{line, {}};
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        parsed.unclosedQuoteLine = opened;
                        return parsed;
                    }
                    if (text[i] == '"') {
                        ++i;
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (text[i] == '\r' || text[i] == '\n') {
                        const std::size_t from = i;
                        lineEnd();
                        field += text.substr(from, i - from);
                        continue;
                    }
                    field += text[i++];
                }
            }
            // Unquoted text, or whatever follows a closing quote up to the separator.
            while (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == separator) {
                ++i;
                continue;
            }
            lineEnd();
            break;
        }
        const bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                                       [](const std::string& f) { return Trimmed(f).empty(); });
        if (!blank) {
            parsed.records.push_back(std::move(record));
        }
    }
    return parsed;
}

// The columns of the header, by lower-case name; the first of two alike wins.
using Columns = std::map<std::string, std::size_t, std::less<>>;

Columns HeaderColumns(const Record& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        columns.emplace(AsciiLower(Trimmed(header.fields[i])), i);
    }
    return columns;
}

bool IsChirpHeader(const Columns& columns) {
    return columns.contains("location") && columns.contains("frequency");
}

// ---------------------------------------------------------------------------------------------
// Export

enum class ToneKind { kNone, kCtcss, kDcs };

struct Tone {
    ToneKind kind = ToneKind::kNone;
    std::string value;  // "88.5", or the three digits of a DCS code
    bool inverted = false;
};

// A tone cell of the grid as a tone; nothing when it holds none a CSV can carry.
std::optional<Tone> ToneOfCell(const std::string& cell) {
    if (cell.empty() || cell == OffWord(Lang::English) || cell == OffWord(Lang::Chinese)) {
        return Tone{};
    }
    if (cell.size() == 5 && cell.front() == 'D' && (cell.back() == 'N' || cell.back() == 'I')) {
        const std::string digits = cell.substr(1, 3);
        if (std::all_of(digits.begin(), digits.end(),
                        [](char c) { return c >= '0' && c <= '9'; })) {
            return Tone{ToneKind::kDcs, digits, cell.back() == 'I'};
        }
        return std::nullopt;
    }
    if (!IsNumberText(cell)) {
        return std::nullopt;
    }
    const auto tenths = ScaledValue(cell, 1);
    if (!tenths) {
        return std::nullopt;
    }
    return Tone{ToneKind::kCtcss, std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10),
                false};
}

// The tone columns Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode.
std::array<std::string, 7> ToneColumns(const Tone& tx, const Tone& rx) {
    std::string mode;
    std::string rTone(kPlaceholderTone);
    std::string cTone(kPlaceholderTone);
    std::string code(kPlaceholderCode);
    std::string rxCode(kPlaceholderCode);
    std::string cross = "Tone->Tone";
    const std::string polarity =
        std::string(1, tx.inverted ? 'R' : 'N') + (rx.inverted ? 'R' : 'N');
    const auto name = [](ToneKind kind) {
        return kind == ToneKind::kCtcss ? "Tone" : kind == ToneKind::kDcs ? "DTCS" : "";
    };
    if (tx.kind == ToneKind::kCtcss) {
        rTone = tx.value;
    } else if (tx.kind == ToneKind::kDcs) {
        code = tx.value;
    }
    if (rx.kind == ToneKind::kCtcss) {
        cTone = rx.value;
    } else if (rx.kind == ToneKind::kDcs) {
        rxCode = rx.value;
    }
    if (tx.kind == ToneKind::kNone && rx.kind == ToneKind::kNone) {
        mode = "";
    } else if (tx.kind == ToneKind::kCtcss && rx.kind == ToneKind::kNone) {
        mode = "Tone";
    } else if (tx.kind == ToneKind::kCtcss && rx.kind == ToneKind::kCtcss && tx.value == rx.value) {
        mode = "TSQL";
    } else if (tx.kind == ToneKind::kDcs && rx.kind == ToneKind::kDcs && tx.value == rx.value) {
        mode = "DTCS";
    } else {
        mode = "Cross";
        cross = std::string(name(tx.kind)) + "->" + name(rx.kind);
    }
    return {mode, rTone, cTone, code, polarity, rxCode, cross};
}

}  // namespace

CsvExport ExportChirpCsv(const EditorState& editor) {
    const Lang lang = LanguageOf(editor.LanguageFlag);
    CsvExport out;
    out.text = std::string(kHeader) + std::string(kLineEnd);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (!ChannelInUse(editor, channel)) {
            continue;
        }
        const auto cells = MemoryRowText(editor, channel);
        const MemoryChannel& values = MemoryChannelOf(editor, channel);
        const auto leaveOut = [&](int column) {
            out.leftOut.push_back(FillText(
                kNotExported.in(lang), {std::to_string(channel),
                                        kMemoryHeadings[At(column)].in(lang), cells[At(column)]}));
        };
        const auto rx = FrequencySteps(cells[kColumnRx]);
        if (!rx) {
            leaveOut(kColumnRx);
            continue;
        }
        std::optional<std::int64_t> tx;
        if (!cells[kColumnTx].empty()) {
            tx = FrequencySteps(cells[kColumnTx]);
            if (!tx) {
                leaveOut(kColumnTx);
                continue;
            }
        }
        const auto rxTone = ToneOfCell(cells[kColumnDecodeTone]);
        const auto txTone = ToneOfCell(cells[kColumnEncodeTone]);
        if (!rxTone || !txTone) {
            leaveOut(!rxTone ? kColumnDecodeTone : kColumnEncodeTone);
            continue;
        }

        std::string duplex;
        std::string offset = Megahertz(0);
        if (!tx) {
            duplex = "off";
        } else if (std::llabs(*tx - *rx) > kLargestOffsetSteps) {
            duplex = "split";
            offset = Megahertz(*tx);
        } else if (*tx != *rx) {
            duplex = *tx > *rx ? "+" : "-";
            offset = Megahertz(std::llabs(*tx - *rx));
        }
        const auto tones = ToneColumns(*txTone, *rxTone);
        // Every raster point lies on 5 kHz or on 6.25 kHz.
        const std::string step = *rx % 500 == 0 ? "5.00" : "6.25";
        const std::array<std::string, 21> row{
            std::to_string(channel),
            "",
            Megahertz(*rx),
            duplex,
            offset,
            tones[0],
            tones[1],
            tones[2],
            tones[3],
            tones[4],
            tones[5],
            tones[6],
            values.bandwidth == Bandwidth::kNarrow ? "NFM" : "FM",
            step,
            values.scan == ScanList::kLeftOut ? "S" : "",
            std::string(values.power == TxPower::kHigh ? kHighWatts : kLowWatts),
            "",
            "",
            "",
            "",
            "",
        };
        for (std::size_t i = 0; i < row.size(); ++i) {
            out.text += row[i];
            out.text += i + 1 < row.size() ? "," : kLineEnd;
        }
        ++out.channels;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Import

namespace {

// One row of the file going into one channel of the plan. Each step either takes its fields
// or records why the row is refused.
class RowImport {
public:
    RowImport(const Record& record, const Columns& columns, char separator, Lang lang)
        : m_record(record), m_columns(columns), m_separator(separator), m_lang(lang) {}

    const std::string& refusal() const { return m_refusal; }
    const std::vector<std::string>& adjusted() const { return m_adjusted; }

    // The field under `column`, trimmed; nothing when the file has no such column.
    std::optional<std::string> Field(std::string_view column) const {
        const auto found = m_columns.find(AsciiLower(column));
        if (found == m_columns.end()) {
            return std::nullopt;
        }
        if (found->second >= m_record.fields.size()) {
            return std::string();
        }
        return std::string(Trimmed(m_record.fields[found->second]));
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
    bool Refuse(std::string_view column, std::string_view value, std::string_view why) {
        m_refusal = FillText(kFieldProblem.in(m_lang), {column, value, why});
        return false;
    }
    template <typename T = std::int64_t>
    std::optional<T> Refused(std::string_view column, std::string_view value,
                             std::string_view why) {
        Refuse(column, value, why);
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
            return Refused(column, FieldOrEmpty(column), FrequencyMessage(m_lang));
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
            Refuse("Duplex", FieldOrEmpty("Duplex"), kUnknownValue.in(m_lang));
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
        const FrequencyCommit commit =
            steps < 0 ? FrequencyCommit{FrequencyOutcome::kOutOfBand, OutOfBandMessage(m_lang)}
                      : CommitFrequency(plan, channel, column, FormatSteps(steps), band);
        if (commit.outcome == FrequencyOutcome::kOutOfBand) {
            std::string why = commit.message->text + BandHint(band, m_lang);
            if (column == kColumnTx && (m_duplex == "+" || m_duplex == "-") && steps >= 0) {
                // An offset is out of band only through the TX frequency it gives.
                why = FillText(kComputedTx.in(m_lang), {Megahertz(steps)}) + why;
            }
            return Refuse(field, FieldOrEmpty(field), why);
        }
        const std::string stored =
            FrequencyCellText(FrequencyField(MemoryChannelOf(plan, channel), column));
        if (noteMove && FrequencySteps(stored) != steps) {
            m_adjusted.push_back(
                FillText(kFrequencySnapped.in(m_lang),
                         {kMemoryHeadings[At(column)].in(m_lang), Megahertz(steps), stored}));
        }
        return true;
    }

    // A CTCSS tone of the list, as the tone cell holds it.
    std::optional<std::string> Ctcss(std::string_view column) {
        const std::string text = NumberText(column);
        if (text.empty()) {
            return Refused<std::string>(column, text, kNeedsValue.in(m_lang));
        }
        auto tone = IsNumberText(text) ? NormalisedTone(text) : std::nullopt;
        if (!tone ||
            std::find(kCtcssTones.begin(), kCtcssTones.end(), *tone) == kCtcssTones.end()) {
            return Refused<std::string>(column, FieldOrEmpty(column), kNotInToneList.in(m_lang));
        }
        return tone;
    }

    // A DCS code of the list with its polarity letter (N or R), as the tone cell holds it.
    std::optional<std::string> Dcs(std::string_view column, char polarity) {
        const std::string code = FieldOrEmpty(column);
        if (code.empty()) {
            return Refused<std::string>(column, code, kNeedsValue.in(m_lang));
        }
        const bool digits = code.size() <= 3 && std::all_of(code.begin(), code.end(), [](char c) {
                                return c >= '0' && c <= '9';
                            });
        auto tone =
            digits ? NormalisedTone("D" + code + (polarity == 'R' ? "I" : "N")) : std::nullopt;
        if (!tone ||
            std::find(kDcsCodes.begin(), kDcsCodes.end(), tone->substr(1, 3)) == kDcsCodes.end()) {
            return Refused<std::string>(column, code, kNotInToneList.in(m_lang));
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
            Refuse("DtcsPolarity", polarity, kUnknownValue.in(m_lang));
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
                    Refuse("CrossMode", FieldOrEmpty("CrossMode"), kUnknownValue.in(m_lang));
                    return std::nullopt;
                }
            }
        } else {
            const bool known = mode == "tsql-r" || mode == "dtcs-r";
            Refuse("Tone", FieldOrEmpty("Tone"), (known ? kCannotHold : kUnknownValue).in(m_lang));
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
        return Refused<std::int16_t>("Mode", FieldOrEmpty("Mode"), kCannotHold.in(m_lang));
    }

    std::optional<std::int16_t> Scan() {
        const std::string skip = AsciiLower(FieldOrEmpty("Skip"));
        if (skip.empty() || skip == "p") {
            return kScanned;
        }
        if (skip == "s") {
            return kNotScanned;
        }
        return Refused<std::int16_t>("Skip", FieldOrEmpty("Skip"), kUnknownValue.in(m_lang));
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
            text = std::string(Trimmed(text.substr(0, text.size() - 1)));
        }
        const auto centiwatts = IsNumberText(text) ? ScaledValue(text, 2) : std::nullopt;
        if (!centiwatts) {
            return Refused<std::int16_t>("Power", FieldOrEmpty("Power"), kUnknownValue.in(m_lang));
        }
        return std::llabs(*centiwatts - kHighCentiwatts) <= std::llabs(*centiwatts - kLowCentiwatts)
                   ? kHighPower
                   : kLowPower;
    }

    const Record& m_record;
    const Columns& m_columns;
    char m_separator;
    Lang m_lang;
    std::string m_refusal;
    std::vector<std::string> m_adjusted;
    std::string m_duplex;  // the row's Duplex, lower case
};

// Location 1-16, or nothing.
std::optional<int> ChannelOf(std::string_view location) {
    if (location.empty() || location.size() > 2 ||
        !std::all_of(location.begin(), location.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int channel = std::stoi(std::string(location));
    if (channel < 1 || channel > kChannelCount) {
        return std::nullopt;
    }
    return channel;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

std::string Counted(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

Outcome<CsvImport> ImportChirpCsv(std::string_view text, const EditorState& base,
                                  std::string_view name, BandLimits band) {
    const Lang lang = LanguageOf(base.LanguageFlag);
    const std::string file = Quoted(name, lang);
    text = WithoutByteOrderMark(text);
    std::optional<ParsedCsv> parsed;
    char separator = ',';
    for (const char candidate : {',', ';'}) {
        ParsedCsv attempt = ParseCsv(text, candidate);
        if (!attempt.records.empty() && IsChirpHeader(HeaderColumns(attempt.records.front()))) {
            parsed = std::move(attempt);
            separator = candidate;
            break;
        }
    }
    if (!parsed) {
        return Failed({ErrorCode::kFileUnreadable, FillText(kNotChirpCsv.in(lang), {file}),
                       std::string(name)});
    }
    if (parsed->unclosedQuoteLine != 0) {
        return Failed(
            {ErrorCode::kFileUnreadable,
             FillText(kUnclosedQuote.in(lang), {file, std::to_string(parsed->unclosedQuoteLine)}),
             std::string(name)});
    }

    const Columns columns = HeaderColumns(parsed->records.front());
    CsvImport import{base, {}, {}, {}};
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        ClearMemoryChannel(import.editor, channel);
    }
    std::map<int, int> givenOn;  // channel -> line
    for (auto record = parsed->records.begin() + 1; record != parsed->records.end(); ++record) {
        RowImport row(*record, columns, separator, lang);
        const std::string location = row.FieldOrEmpty("Location");
        const auto skip = [&](std::string why) {
            import.skipped.push_back({record->line, location, std::move(why)});
        };
        const auto channel = ChannelOf(location);
        if (!channel) {
            skip(std::string(kNotAChannel.in(lang)));
            continue;
        }
        if (const auto earlier = givenOn.find(*channel); earlier != givenOn.end()) {
            skip(FillText(kChannelTwice.in(lang),
                          {std::to_string(*channel), std::to_string(earlier->second)}));
            continue;
        }
        const std::int16_t busyLock =
            ChannelInUse(base, *channel)
                ? static_cast<std::int16_t>(MemoryChannelOf(base, *channel).busyLock)
                : std::int16_t{0};
        EditorState plan = import.editor;
        if (!row.Into(plan, *channel, busyLock, band)) {
            skip(row.refusal());
            continue;
        }
        import.editor = std::move(plan);
        import.channels.push_back(*channel);
        givenOn.emplace(*channel, record->line);
        for (const std::string& note : row.adjusted()) {
            import.adjusted.push_back({record->line, location, note});
        }
    }
    return import;
}

std::string RowNoteText(const CsvRowNote& note, Lang lang) {
    return FillText(kCsvRowLine.in(lang), {std::to_string(note.line), note.location, note.text});
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

// ---------------------------------------------------------------------------------------------
// Files

Outcome<std::string> ReadCsvFile(const std::filesystem::path& path, Lang lang) {
    return ReadWholeFile(path, kLargestCsvFile, kCsvTooLarge, lang);
}

Outcome<std::string> ReadCsvStream(std::istream& in, std::string_view name, Lang lang) {
    return ReadWholeStream(in, name, kLargestCsvFile, kCsvTooLarge, lang);
}

Status WriteCsvFile(const std::filesystem::path& path, std::string_view text, Lang lang) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteOtherFile(path, {bytes, text.size()}, lang);
}

}  // namespace m742
