// m742-cli: the M-742 programming tool's data files from the command line.
#include <iostream>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "shell/process_text.h"
#include "version.h"

namespace {

using namespace m742::cli;

constexpr const Command* kCommands[] = {
    &kNewCommand,   &kDumpCommand,      &kReportCommand,    &kEncodeCommand, &kReadCommand,
    &kWriteCommand, &kExportCsvCommand, &kImportCsvCommand, &kDiffCommand,   &kPortsCommand};

int UsageFailure(std::string_view message, std::string_view help) {
    PrintError(std::string(message) + " (see " + std::string(help) + ")");
    return kFailed;
}

int Run(std::span<const std::string_view> args) {
    constexpr std::string_view kToolHelp = "m742-cli --help";
    if (args.empty()) {
        return UsageFailure("no command given", kToolHelp);
    }
    const std::string_view name = args.front();
    if (name == "--help" || name == "-h") {
        std::cout << ToolHelp(kCommands);
        return kDone;
    }
    // The manual page's list of commands, written by the build; not for users, so not in --help.
    if (name == "--man-commands") {
        std::cout << ManualCommands(kCommands);
        return kDone;
    }
    if (name == "--version") {
        if (args.size() > 1) {
            return UsageFailure("--version takes no argument, not \"" + std::string(args[1]) + "\"",
                                kToolHelp);
        }
        std::cout << "m742-cli " << m742::kProgramVersion << "\n";
        return kDone;
    }
    const Command* command = nullptr;
    for (const Command* candidate : kCommands) {
        if (candidate->name == name) {
            command = candidate;
        }
    }
    if (command == nullptr) {
        return UsageFailure((name.starts_with("-") ? "unknown option \"" : "unknown command \"") +
                                std::string(name) + "\"",
                            kToolHelp);
    }

    const ParsedArguments parsed = ParseArguments(*command, args.subspan(1));
    if (std::holds_alternative<HelpRequest>(parsed)) {
        std::cout << CommandHelp(*command);
        return kDone;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return UsageFailure(std::string(command->name) + ": " + error->message,
                            "m742-cli " + std::string(command->name) + " --help");
    }
    return command->run(std::get<Invocation>(parsed));
}

}  // namespace

int main(int argc, char** argv) {
    m742::UseUtf8Streams();
    const std::vector<std::string> texts = m742::Utf8Arguments(argc, argv);
    const std::vector<std::string_view> args(texts.begin(), texts.end());
    try {
        return Run(args);
    } catch (const std::exception& error) {
        PrintError(std::string("internal error: ") + error.what());
        return kFailed;
    }
}
