// m742-cli report [--tab memory|debug] FILE.dat: the printed report of a data file as text.

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "printing/report.h"
#include "radio_data/data_file.h"

namespace m742::cli {

namespace {

constexpr Option kTabOption{"--tab", "memory|debug",
                            "the channel table to print: memory (default) or debug channels"};
constexpr Option kOptions[] = {kTabOption};
constexpr std::string_view kOperands[] = {"FILE.dat"};

int RunReport(const Invocation& invocation) {
    ReportTab tab = ReportTab::kMemory;
    if (const auto option = invocation.options.find(kTabOption.name);
        option != invocation.options.end()) {
        if (option->second == "debug") {
            tab = ReportTab::kDebug;
        } else if (option->second != "memory") {
            PrintError("report: --tab takes memory or debug, not \"" + option->second +
                       "\" (see m742-cli report --help)");
            return kFailed;
        }
    }
    // As in "dump": "Open" decodes into the start-up editor, in the language of the report, so
    // that the tone cells hold the Off word the report looks for.
    EditorState editor = StartupEditor(invocation.languageFlag());
    const Status opened = OpenDataFile(invocation.operands[0], editor);
    if (!opened.ok()) {
        return ReportStatus(opened, invocation.lang);
    }
    std::string text;
    for (const std::string& line : ComposeReport(editor, tab, invocation.lang)) {
        text += line + '\n';
    }
    return PrintOutput(text);
}

}  // namespace

const Command kReportCommand{
    "report",
    "print a data file as the program's printed report, as plain text",
    kOptions,
    kOperands,
    "Opens FILE.dat as the program's \"Open\" does and prints the report that \"Print\"\n"
    "sends to the printer: the maker and title, seven function settings and one channel\n"
    "table, the memory channels or, with --tab debug, the debug channels. Texts follow\n"
    "--lang. The columns line up as on paper: count a Chinese character two columns wide.\n"
    "Lines end with a line feed only; the printer's copy ends them with CR LF.\n",
    RunReport,
};

}  // namespace m742::cli
