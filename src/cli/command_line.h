// The arguments of one command, and the help texts built from the command descriptions.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/commands.h"

namespace m742::cli {

struct HelpRequest {};
struct UsageError {
    std::string message;
};
using ParsedArguments = std::variant<Invocation, HelpRequest, UsageError>;

// Parses the arguments after the command name. Options and operands may come in any order;
// "--" ends the options, and a lone "-" is an operand. An option's value follows it as the
// next argument or after "=" ("--lang zh", "--lang=zh").
ParsedArguments ParseArguments(const Command& command, std::span<const std::string_view> args);

// "dump [--lang en|zh] [--json] FILE.dat"
std::string Synopsis(const Command& command);

// The text of "m742-cli --help" and of "m742-cli COMMAND --help".
std::string ToolHelp(std::span<const Command* const> commands);
std::string CommandHelp(const Command& command);

// The COMMANDS section of m742-cli's manual page, as help2man --include takes it: every
// command's synopsis and summary in roff, with the options it has besides --lang and --help.
std::string ManualCommands(std::span<const Command* const> commands);

}  // namespace m742::cli
