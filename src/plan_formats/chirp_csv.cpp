#include "plan_formats/chirp_csv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>

#include "channel_editing/snap.h"
#include "plan_formats/chirp_row.h"
#include "plan_formats/csv_records.h"
#include "radio_data/data_file.h"
#include "radio_data/file_reading.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/csv_texts.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"
#include "texts/message_text.h"

namespace m742 {

namespace {

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// CHIRP's placeholders for the tone columns a channel does not use.
constexpr std::string_view kPlaceholderTone = "88.5";
constexpr std::string_view kPlaceholderCode = "023";

// The two TX power levels in watts as the file names them.
constexpr std::string_view kHighWatts = "4.0W";
constexpr std::string_view kLowWatts = "1.0W";

// TX and RX further apart than this are written as "split".
constexpr std::int64_t kLargestOffsetSteps = 70 * kStepsPerMHz;

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

bool IsChirpHeader(const CsvColumns& columns) {
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

// A channel's tone as a CSV tone; nothing when it is none a CSV can carry.
std::optional<Tone> CsvTone(const ToneCell& tone) {
    if (IsEmpty(tone) || std::holds_alternative<ToneOff>(tone)) {
        return Tone{};
    }
    const std::string cell = ToneCellText(tone, "");
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
    CsvExport out;
    out.text = std::string(kHeader) + std::string(kCsvLineEnd);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (!ChannelInUse(editor, channel)) {
            continue;
        }
        const MemoryChannel& values = MemoryChannelOf(editor, channel);
        const auto leaveOut = [&](int column, std::string text) {
            out.leftOut.push_back(
                {&kNotExported,
                 {std::to_string(channel), &kMemoryHeadings[At(column)], std::move(text)}});
        };
        const std::string rxText = FrequencyCellText(values.rx);
        const auto rx = FrequencySteps(rxText);
        if (!rx) {
            leaveOut(kColumnRx, rxText);
            continue;
        }
        std::optional<std::int64_t> tx;
        if (!IsEmpty(values.tx)) {
            const std::string txText = FrequencyCellText(values.tx);
            tx = FrequencySteps(txText);
            if (!tx) {
                leaveOut(kColumnTx, txText);
                continue;
            }
        }
        const auto rxTone = CsvTone(values.decodeTone);
        const auto txTone = CsvTone(values.encodeTone);
        if (!rxTone || !txTone) {
            const bool rxRefused = !rxTone;
            leaveOut(rxRefused ? kColumnDecodeTone : kColumnEncodeTone,
                     ToneCellText(rxRefused ? values.decodeTone : values.encodeTone, ""));
            continue;
        }

        std::string duplex;
        std::string offset = chirp::Megahertz(0);
        if (!tx) {
            duplex = "off";
        } else if (std::llabs(*tx - *rx) > kLargestOffsetSteps) {
            duplex = "split";
            offset = chirp::Megahertz(*tx);
        } else if (*tx != *rx) {
            duplex = *tx > *rx ? "+" : "-";
            offset = chirp::Megahertz(std::llabs(*tx - *rx));
        }
        const auto tones = ToneColumns(*txTone, *rxTone);
        // Every raster point lies on 5 kHz or on 6.25 kHz.
        const std::string step = *rx % 500 == 0 ? "5.00" : "6.25";
        const std::array<std::string, 21> row{
            std::to_string(channel),
            "",
            chirp::Megahertz(*rx),
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
        AppendCsvRecord(out.text, row);
        ++out.channels;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Import

namespace {

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

}  // namespace

Outcome<CsvImport> ImportChirpCsv(std::string_view text, const EditorState& base,
                                  std::string_view name, BandLimits band) {
    text = WithoutByteOrderMark(text);
    std::optional<CsvRecords> parsed;
    char separator = ',';
    for (const char candidate : {',', ';'}) {
        CsvRecords attempt = ReadCsvRecords(text, candidate);
        if (!attempt.records.empty() && IsChirpHeader(ColumnsOfHeader(attempt.records.front()))) {
            parsed = std::move(attempt);
            separator = candidate;
            break;
        }
    }
    if (!parsed) {
        return Failed({ErrorCode::kFileUnreadable,
                       {&kNotChirpCsv, {QuotedName{std::string(name)}}},
                       std::string(name)});
    }
    if (parsed->unclosedQuoteLine != 0) {
        return Failed({ErrorCode::kFileUnreadable,
                       {&kUnclosedQuote,
                        {QuotedName{std::string(name)}, std::to_string(parsed->unclosedQuoteLine)}},
                       std::string(name)});
    }

    const CsvColumns columns = ColumnsOfHeader(parsed->records.front());
    CsvImport import{base, {}, {}, {}};
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        ClearMemoryChannel(import.editor, channel);
    }
    std::map<int, int> givenOn;  // channel -> line
    for (auto record = parsed->records.begin() + 1; record != parsed->records.end(); ++record) {
        const std::string location = FieldIn(*record, columns, "Location").value_or("");
        const auto skip = [&](Message why) {
            import.skipped.push_back({record->line, location, std::move(why)});
        };
        const auto channel = ChannelOf(location);
        if (!channel) {
            skip(Text(kNotAChannel));
            continue;
        }
        if (const auto earlier = givenOn.find(*channel); earlier != givenOn.end()) {
            skip({&kChannelTwice, {std::to_string(*channel), std::to_string(earlier->second)}});
            continue;
        }
        const std::int16_t busyLock =
            ChannelInUse(base, *channel)
                ? static_cast<std::int16_t>(MemoryChannelOf(base, *channel).busyLock)
                : std::int16_t{0};
        EditorState plan = import.editor;
        chirp::RowOutcome row =
            chirp::ImportRow(*record, columns, separator, plan, *channel, busyLock, band);
        if (!row.taken) {
            skip(std::move(row.refusal));
            continue;
        }
        import.editor = std::move(plan);
        import.channels.push_back(*channel);
        givenOn.emplace(*channel, record->line);
        for (Message& note : row.adjusted) {
            import.adjusted.push_back({record->line, location, std::move(note)});
        }
    }
    return import;
}

// ---------------------------------------------------------------------------------------------
// Files

Outcome<std::string> ReadCsvFile(const std::filesystem::path& path) {
    return ReadWholeFile(path, kLargestCsvFile, kCsvTooLarge);
}

Outcome<std::string> ReadCsvStream(std::istream& in, std::string_view name) {
    return ReadWholeStream(in, name, kLargestCsvFile, kCsvTooLarge);
}

Status WriteCsvFile(const std::filesystem::path& path, std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteOtherFile(path, {bytes, text.size()});
}

}  // namespace m742
