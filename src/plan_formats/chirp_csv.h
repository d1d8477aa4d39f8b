// Memory channels as CHIRP's generic CSV channel list, out and in.
//
// Out: the header
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
//   RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE
// and one row per channel in use, Location = channel number, CR LF line ends, UTF-8 without a
// byte order mark. Frequencies in MHz with six decimals; Duplex "", "+" or "-" with Offset
// |TX - RX|, or "split" with the TX frequency in Offset when they lie more than 70 MHz apart
// ("off" for a channel without a TX frequency). Tones in CHIRP's modes: "" none, "Tone" (TX
// CTCSS in rToneFreq), "TSQL" (one CTCSS both ways, in both tone columns), "DTCS" (one DCS code
// both ways), and "Cross" with CrossMode "Tone->Tone", "Tone->DTCS", "DTCS->Tone",
// "DTCS->DTCS", "->Tone", "->DTCS" or "DTCS->" for the rest (TX before RX; rToneFreq and
// DtcsCode are TX, cToneFreq and RxDtcsCode RX). DtcsPolarity is two letters, TX then RX, N
// normal, R inverted. Columns a channel does not use hold CHIRP's placeholders 88.5, 023, NN
// and Tone->Tone. Mode NFM narrow, FM wide; Skip "S" out of scan; Power 4.0W high, 1.0W low.
//
// In: columns found by their header name in any order, extra ones ignored; "," or ";"
// between fields (with ";", a decimal comma is read as a point); quoted fields as RFC 4180
// has them; lines starting with "#" and blank lines skipped; CR LF or LF line ends; a byte
// order mark ignored. Only Location and Frequency are required: files of older CHIRP versions
// without RxDtcsCode (DtcsCode serves both ways), CrossMode (Tone->Tone) or Power (high) read
// too. Every row goes through the window's rules for typing it in; a row the radio cannot hold
// is skipped with the reason.
#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

// One row that an import skipped, or took with a change: the line where it starts, its
// Location as written, and what happened.
struct CsvRowNote {
    int line = 0;
    std::string location;
    Message text;
    bool operator==(const CsvRowNote&) const = default;
};

struct CsvExport {
    std::string text;              // the whole file
    int channels = 0;              // rows written
    std::vector<Message> leftOut;  // channels a CSV cannot carry, one message each
};

// The memory channels of `editor` as a CHIRP CSV file.
CsvExport ExportChirpCsv(const EditorState& editor);

struct CsvImport {
    EditorState editor;         // the plan with the imported channels
    std::vector<int> channels;  // the channels imported, in file order
    std::vector<CsvRowNote> skipped;
    std::vector<CsvRowNote> adjusted;  // taken, with a frequency moved onto the raster
};

// The channels of a CHIRP CSV file over `base`: every memory channel becomes what the file
// gives it, and channels the file does not give (or whose row is skipped) are emptied — the
// file is the channel list. A channel keeps its busy lock, which CHIRP has no column for; a
// new one starts with Off. Everything else of `base` stays. Fails, changing nothing, when the
// text is no CHIRP CSV (no header line naming Location and Frequency, or an unclosed quote);
// `name` names the file in that message.
Outcome<CsvImport> ImportChirpCsv(std::string_view text, const EditorState& base,
                                  std::string_view name, BandLimits band = {});

// No channel list of 16 rows comes near this size; anything larger is some other file.
inline constexpr std::size_t kLargestCsvFile = 1 << 20;

// The content of a CSV file. Refuses what is not a regular file, a missing or unreadable one
// and one larger than kLargestCsvFile, with the message in `lang`.
Outcome<std::string> ReadCsvFile(const std::filesystem::path& path);
// The same for standard input, named `name` in the messages.
Outcome<std::string> ReadCsvStream(std::istream& in, std::string_view name);
// Writes a CSV file whole and atomically, as a data file is saved; never over a data file.
Status WriteCsvFile(const std::filesystem::path& path, std::string_view text);

}  // namespace m742
