// m742-cli import-csv IN.csv PLAN.dat [--base OLD.dat]: a data file whose memory channels come
// from a CHIRP CSV file.
#include <iostream>

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "plan_formats/base_plan.h"
#include "plan_formats/chirp_csv.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/text_codes.h"
#include "texts/csv_report.h"

namespace m742::cli {

namespace {

constexpr Option kBaseOption{"--base", "OLD.dat",
                             "take everything but the memory channels from this data file"};
constexpr Option kOptions[] = {kBaseOption};
constexpr std::string_view kOperands[] = {"IN.csv", "PLAN.dat"};

int RunImportCsv(const Invocation& invocation) {
    const std::string& in = invocation.operands[0];
    const std::string name = in == "-" ? "standard input" : in;
    auto read = in == "-" ? ReadCsvStream(std::cin, name) : ReadCsvFile(FilePath(in));
    if (!read.ok()) {
        return ReportStatus(read.status(), invocation.lang);
    }
    const std::string text = std::move(read.value());

    std::optional<BaseFile> base;
    if (const int status = ReadBaseOption(invocation, kBaseOption.name, base); status != kDone) {
        return status;
    }

    const auto import = ImportChirpCsv(text, base ? base->editor : StartupEditor(), name);
    if (!import.ok()) {
        return ReportStatus(import.status(), invocation.lang);
    }
    const CsvImport& result = import.value();
    if (const int saved = SaveDataFileOutput(invocation.operands[1], result.editor,
                                             base ? &*base : nullptr, invocation.lang);
        saved != kDone) {
        return saved;
    }
    // Skipped and adjusted rows in the file's order; a file's control characters never reach
    // the terminal as they are.
    std::vector<CsvRowNote> notes = result.skipped;
    notes.insert(notes.end(), result.adjusted.begin(), result.adjusted.end());
    for (const std::string& line : RowNoteLines(std::move(notes), invocation.lang)) {
        PrintError(Printable(name + ": " + line));
    }
    // With the data file on standard output, the summary goes with the messages.
    const std::string summary = ImportReport(result, invocation.lang).front();
    if (invocation.operands[1] == "-") {
        PrintError(summary);
        return result.skipped.empty() ? kDone : kRefused;
    }
    const int printed = PrintOutput(summary + "\n");
    if (printed != kDone) {
        return printed;
    }
    return result.skipped.empty() ? kDone : kRefused;
}

}  // namespace

const Command kImportCsvCommand{
    "import-csv",
    "save a data file whose memory channels come from a CHIRP CSV channel list",
    kOptions,
    kOperands,
    "Reads the CHIRP CSV file IN.csv and saves PLAN.dat: the plan the program starts with, or\n"
    "with --base the plan of OLD.dat (settings, debug channels, password, and the busy lock of\n"
    "each channel, which CHIRP has no column for), whose memory channels become those of\n"
    "IN.csv. Channels IN.csv does not name are empty. With --base every byte the program does\n"
    "not edit (the file's header included) is kept from OLD.dat. IN.csv \"-\" reads standard\n"
    "input; PLAN.dat \"-\" writes the data file to standard output (never to a terminal), and\n"
    "the summary then goes to standard error. IN.csv may hold at most 1 MiB.\n"
    "\n"
    "Columns are found by their header names, in any order; \",\" or \";\" separates the\n"
    "fields, lines starting with \"#\" are skipped, and files of older CHIRP versions without\n"
    "RxDtcsCode, CrossMode or Power read too. Each row goes through the program's rules for a\n"
    "channel typed in: the 400-480 MHz band, the channel raster, the tone list. A row the\n"
    "radio cannot hold (Location outside 1-16, TSQL-R, DTCS-R, a mode other than FM or NFM,\n"
    "a tone not in the list) is skipped with a message on standard error, in the file's line\n"
    "order (the first 20, then how many more); the rest are saved. Duplex \"off\" (transmit\n"
    "inhibited) gives a receive-only channel. The summary goes to standard output.\n"
    "\n"
    "Exit status 1 when a row was skipped (PLAN.dat holds the other rows), 2 when IN.csv is no\n"
    "CHIRP CSV file (no header line with Location and Frequency) or a file cannot be read or\n"
    "written; PLAN.dat is then unchanged.\n",
    RunImportCsv,
};

}  // namespace m742::cli
