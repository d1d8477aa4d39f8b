// m742-cli dump FILE.dat: a data file as the program's editor shows it after "Open".

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "cli/dump_text.h"
#include "cli/editor_json.h"
#include "radio_data/data_file.h"

namespace m742::cli {

namespace {

constexpr Option kJsonOption{"--json", "", "print the JSON form that encode reads"};
constexpr Option kOptions[] = {kJsonOption};
constexpr std::string_view kOperands[] = {"FILE.dat"};

int RunDump(const Invocation& invocation) {
    // "Open" decodes into the editor as it stands, so start from the start-up editor: the
    // decoder leaves the password, the band and the channel numbers to it.
    EditorState editor = StartupEditor(invocation.languageFlag());
    const Status opened = OpenDataFile(invocation.operands[0], editor);
    if (!opened.ok()) {
        return ReportStatus(opened, invocation.lang);
    }
    return PrintOutput(invocation.has(kJsonOption.name) ? FormatJson(EditorToJson(editor))
                                                        : DumpText(editor, invocation.lang));
}

}  // namespace

const Command kDumpCommand{
    "dump",
    "print a data file: channels and settings as tables, or as JSON",
    kOptions,
    kOperands,
    "Opens FILE.dat as the program's \"Open\" does and prints the editor: the memory\n"
    "channels, the debug channels, the settings panel and the settings of the side key,\n"
    "DTMF and power dialogs, with captions and texts in the --lang language. With --json it\n"
    "prints the JSON form instead, which encode turns back into the same file.\n"
    "\n"
    "The password is not shown (and is empty in the JSON form): \"Open\" never reads it\n"
    "back from a file, so a file with a password encodes back without it.\n",
    RunDump,
};

}  // namespace m742::cli
