// m742-cli dump FILE.dat: a data file as the program's editor shows it after "Open".

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "cli/dump_text.h"
#include "plan_formats/editor_json.h"
#include "plan_formats/plan_json.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"

namespace m742::cli {

namespace {

constexpr Option kJsonOption{"--json", "", "print the channel plan in JSON, as encode reads it"};
constexpr Option kPlanVersionOption{"--plan-version", "2|1",
                                    "with --json: the plan's form, 2 (default) or the older 1"};
constexpr Option kOptions[] = {kJsonOption, kPlanVersionOption};
constexpr std::string_view kOperands[] = {"FILE.dat"};

int RunDump(const Invocation& invocation) {
    const bool json = invocation.has(kJsonOption.name);
    std::string version = "2";
    if (invocation.has(kPlanVersionOption.name)) {
        version = invocation.options.at(std::string(kPlanVersionOption.name));
        if (!json || (version != "1" && version != "2")) {
            PrintError(json ? "dump: --plan-version takes 1 or 2, not \"" + version + "\""
                            : "dump: --plan-version goes with --json");
            return kFailed;
        }
    }
    // "Open" decodes into the editor as it stands, so start from the start-up editor: the
    // decoder leaves the password, the band and the channel numbers to it.
    EditorState editor = StartupEditor();
    const auto image = ReadDataFile(FilePath(invocation.operands[0]));
    if (!image.ok()) {
        return ReportStatus(image.status(), invocation.lang);
    }
    DecodeImage(image.value(), editor);
    if (!json) {
        return PrintOutput(DumpText(editor, invocation.lang));
    }
    if (version == "1") {
        return PrintOutput(DumpJson(editor, invocation.lang));
    }
    // The plan keeps the file's password, so that encode writes it back.
    editor.password = PasswordOfImage(image.value());
    return PrintOutput(FormatPlanJson(PlanToJson(editor)));
}

}  // namespace

const Command kDumpCommand{
    "dump",
    "print a data file: channels and settings as tables, or as JSON",
    kOptions,
    kOperands,
    "Opens FILE.dat as the program's \"Open\" does and prints the editor: the memory\n"
    "channels, the debug channels, the settings panel and the settings of the side key,\n"
    "DTMF and power dialogs, with captions and texts in the --lang language. The password\n"
    "is not shown there.\n"
    "\n"
    "With --json it prints the channel plan in JSON (docs/plan-format.md): named keys,\n"
    "values as words, numbers and true/false that are the same in every language, the\n"
    "password included, empty channels left out. encode turns it back into the same file.\n"
    "--plan-version 1 prints the older form of the editor's cells and list positions\n"
    "instead, exactly as before, for scripts written against it (its password is empty).\n",
    RunDump,
};

}  // namespace m742::cli
