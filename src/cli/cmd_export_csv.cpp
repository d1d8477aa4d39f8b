// m742-cli export-csv PLAN.dat OUT.csv: the memory channels of a data file as a CHIRP CSV file.
#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "plan_formats/chirp_csv.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "texts/message_text.h"

namespace m742::cli {

namespace {

constexpr std::string_view kOperands[] = {"PLAN.dat", "OUT.csv"};

int RunExportCsv(const Invocation& invocation) {
    EditorState editor = StartupEditor();
    const Status opened = OpenDataFile(FilePath(invocation.operands[0]), editor);
    if (!opened.ok()) {
        return ReportStatus(opened, invocation.lang);
    }
    const CsvExport csv = ExportChirpCsv(editor);
    const std::string& out = invocation.operands[1];
    if (csv.channels == 0 && !csv.leftOut.empty()) {
        // Not one channel could go out: a file with the header alone would only mislead.
        for (const Message& message : csv.leftOut) {
            PrintError(Worded(message, invocation.lang));
        }
        return kRefused;
    }
    if (out == "-") {
        if (const int printed = PrintOutput(csv.text); printed != kDone) {
            return printed;
        }
    } else if (const Status written = WriteCsvFile(FilePath(out), csv.text); !written.ok()) {
        return ReportStatus(written, invocation.lang);
    }
    for (const Message& message : csv.leftOut) {
        PrintError(Worded(message, invocation.lang));
    }
    return csv.leftOut.empty() ? kDone : kRefused;
}

}  // namespace

const Command kExportCsvCommand{
    "export-csv",
    "save the memory channels of a data file as a CHIRP CSV channel list",
    {},
    kOperands,
    "Opens PLAN.dat as the program's \"Open\" does and writes its memory channels to OUT.csv\n"
    "in CHIRP's generic CSV form: one row per channel in use, Location = channel number,\n"
    "frequencies in MHz with six decimals, tones in CHIRP's tone modes, Mode FM (wide) or NFM\n"
    "(narrow), Skip S for a channel out of scan, Power 4.0W (high) or 1.0W (low). Lines end\n"
    "in CR LF; the file is UTF-8 without a byte order mark. OUT.csv \"-\" writes standard\n"
    "output. OUT.csv is written atomically.\n"
    "\n"
    "A channel whose cells a CSV cannot carry (a damaged file's frequency or tone) is left out\n"
    "with a message, and the exit status is then 1; when no channel could go out, OUT.csv is\n"
    "not written. PLAN.dat must be a data file (1074 bytes with the program's header), and\n"
    "OUT.csv is never written over a data file.\n",
    RunExportCsv,
};

}  // namespace m742::cli
