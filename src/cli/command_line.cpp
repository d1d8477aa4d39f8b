#include "cli/command_line.h"

#include <algorithm>
#include <vector>

#include "radio_data/text_codes.h"
#include "texts/message_text.h"

namespace m742::cli {

namespace {

constexpr Option kHelpOption{"--help", "", "show this help"};

// The options of `command`, --lang first.
std::vector<Option> OptionsOf(const Command& command) {
    std::vector<Option> options{kLangOption};
    options.insert(options.end(), command.options.begin(), command.options.end());
    return options;
}

std::string OptionUsage(const Option& option) {
    std::string usage(option.name);
    if (!option.valueName.empty()) {
        usage += " " + std::string(option.valueName);
    }
    return usage;
}

// Two-column lines: `items` left-aligned to a common width, then the text.
std::string Columns(const std::vector<std::pair<std::string, std::string_view>>& items) {
    std::size_t width = 0;
    for (const auto& item : items) {
        width = std::max(width, item.first.size());
    }
    std::string text;
    for (const auto& [left, right] : items) {
        text += "  " + left + std::string(width - left.size() + 3, ' ') + std::string(right) + "\n";
    }
    return text;
}

// `text` for a line of roff input: backslashes and hyphens escaped (a hyphen in an option must
// stay one when copied from the page), and a dot or quote at its start taken as text.
std::string Roff(std::string_view text) {
    std::string roff;
    for (const char c : text) {
        if (c == '\\') {
            roff += "\\e";
        } else if (c == '-') {
            roff += "\\-";
        } else {
            roff += c;
        }
    }
    if (roff.starts_with('.') || roff.starts_with('\'')) {
        roff.insert(0, "\\&");
    }
    return roff;
}

// "--plan-version 2|1" in bold and italics.
std::string RoffOption(const Option& option) {
    std::string roff = "\\fB" + Roff(option.name) + "\\fR";
    if (!option.valueName.empty()) {
        roff += " \\fI" + Roff(option.valueName) + "\\fR";
    }
    return roff;
}

}  // namespace

ParsedArguments ParseArguments(const Command& command, std::span<const std::string_view> args) {
    const std::vector<Option> options = OptionsOf(command);
    Invocation invocation;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            invocation.operands.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == kHelpOption.name) {
            return HelpRequest{};
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const Option& o) { return o.name == name; });
        if (option == options.end()) {
            return UsageError{"unknown option " + Quoted(name, Lang::English)};
        }
        std::string value;
        if (option->valueName.empty()) {
            if (equals != std::string_view::npos) {
                return UsageError{"option " + std::string(name) + " takes no value"};
            }
        } else if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            // "--port --verify": the value was forgotten, and the next option is not it.
            if (args[i + 1].starts_with("--")) {
                return UsageError{"option " + std::string(name) + " needs a value (" +
                                  std::string(option->valueName) + "), not the option " +
                                  Quoted(args[i + 1], Lang::English)};
            }
            value = args[++i];
        } else {
            return UsageError{"option " + std::string(name) + " needs a value (" +
                              std::string(option->valueName) + ")"};
        }
        invocation.allValues[std::string(name)].push_back(value);
        invocation.options[std::string(name)] = value;
    }

    if (const auto lang = invocation.options.find(kLangOption.name);
        lang != invocation.options.end()) {
        if (lang->second == "en") {
            invocation.lang = Lang::English;
        } else if (lang->second == "zh") {
            invocation.lang = Lang::Chinese;
        } else {
            return UsageError{"--lang takes en or zh, not " + Quoted(lang->second, Lang::English)};
        }
    }

    const std::size_t wanted = command.operands.size();
    if (invocation.operands.size() < wanted) {
        return UsageError{"missing " + std::string(command.operands[invocation.operands.size()])};
    }
    if (invocation.operands.size() > wanted) {
        return UsageError{"unexpected argument " +
                          Quoted(invocation.operands[wanted], Lang::English)};
    }
    return invocation;
}

std::string Synopsis(const Command& command) {
    std::string text(command.name);
    for (const Option& option : OptionsOf(command)) {
        text += " [" + OptionUsage(option) + "]";
    }
    for (const std::string_view operand : command.operands) {
        text += " " + std::string(operand);
    }
    return text;
}

std::string ToolHelp(std::span<const Command* const> commands) {
    std::vector<std::pair<std::string, std::string_view>> lines;
    for (const Command* command : commands) {
        lines.emplace_back(command->name, command->summary);
    }
    std::string text =
        "m742-cli: the M-742 radio programming tool for scripts and batch work.\n"
        "\n"
        "Usage: m742-cli COMMAND [OPTIONS] FILES...\n"
        "  or:  m742-cli COMMAND --help\n"
        "  or:  m742-cli --version\n"
        "\n"
        "Commands:\n";
    text += Columns(lines);
    text +=
        "\n"
        "Every command takes --lang en|zh (default en): the language of the texts it prints\n"
        "and of its messages about data files and refused cells.\n"
        "\n"
        "Exit status: 0 done; 1 refused: a frequency or tone cell (the message names it) or\n"
        "the radio's password; for import-csv a row skipped and for export-csv a channel left\n"
        "out (the file holds the rest), for diff the files differ; 2 any other error (files,\n"
        "JSON, usage); 3 the serial port could not be opened or the radio did not answer; 4\n"
        "write --verify found the radio holding something else. Apart from those skipped rows\n"
        "and channels, no output file is created or changed when a command fails.\n";
    return text;
}

std::string CommandHelp(const Command& command) {
    std::vector<std::pair<std::string, std::string_view>> lines;
    for (const Option& option : OptionsOf(command)) {
        lines.emplace_back(OptionUsage(option), option.help);
    }
    lines.emplace_back("-h, --help", kHelpOption.help);
    return "Usage: m742-cli " + Synopsis(command) + "\n\n" + std::string(command.description) +
           "\nOptions:\n" + Columns(lines);
}

std::string ManualCommands(std::span<const Command* const> commands) {
    // Left-aligned: a long synopsis wraps without stretched spaces.
    std::string roff = "[COMMANDS]\n.na\n";
    for (const Command* command : commands) {
        roff += ".TP\n\\fBm742\\-cli " + Roff(command->name) + "\\fR";
        for (const Option& option : OptionsOf(*command)) {
            roff += " [" + RoffOption(option) + "]";
        }
        for (const std::string_view operand : command->operands) {
            roff += " \\fI" + Roff(operand) + "\\fR";
        }
        roff += "\n" + Roff(command->summary) + "\n";
        if (command->options.empty()) {
            continue;
        }
        roff += ".RS\n";
        for (const Option& option : command->options) {
            roff += ".TP\n" + RoffOption(option) + "\n" + Roff(option.help) + "\n";
        }
        roff += ".RE\n";
    }
    return roff + ".ad\n";
}

}  // namespace m742::cli
