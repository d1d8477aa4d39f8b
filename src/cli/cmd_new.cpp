// m742-cli new OUT.dat: a data file of the channel plan the program starts with.
#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "texts/store_refusal.h"

namespace m742::cli {

namespace {

constexpr std::string_view kOperands[] = {"OUT.dat"};

int RunNew(const Invocation& invocation) {
    // The start-up editor: empty memory channels, the factory debug channels, every setting
    // at its default, empty password and ANI.
    const EditorState editor = StartupEditor();
    const Status saved = SaveDataFile(FilePath(invocation.operands[0]), editor, invocation.lang);
    return saved.ok() ? kDone : ReportStatus(saved, invocation.lang);
}

}  // namespace

const Command kNewCommand{
    "new",
    "save a fresh channel plan, as the program starts with, to a data file",
    {},
    kOperands,
    "Saves the channel plan the program starts with to OUT.dat (1074 bytes): all memory\n"
    "channels empty, the factory debug channels 1-8, every setting at its default, empty\n"
    "password and ANI. An existing OUT.dat is replaced whole.\n",
    RunNew,
};

}  // namespace m742::cli
