// The commands of m742-cli. Each command lives in its own cmd_*.cpp and describes itself with
// a Command: its name, options, file operands, help text and the function that runs it. Adding
// a command means writing that file and listing it in kCommands (main.cpp).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plan_formats/base_plan.h"
#include "radio_data/status.h"

namespace m742::cli {

// The exit statuses of the tool.
enum ExitStatus : int {
    kDone = 0,
    kRefused = 1,        // the encoder refused a cell, or the radio refused the password
    kFailed = 2,         // anything else: files, JSON, usage
    kCommunication = 3,  // the port could not be opened or the radio did not answer
    kVerifyFailed = 4,   // write --verify: the radio read back differs from the plan
};

// An option a command accepts. `valueName` is empty for a switch that takes no value.
struct Option {
    std::string_view name;  // "--json"
    std::string_view valueName;
    std::string_view help;
};

// Every command takes --lang: the language of texts in the output and of the core's messages.
inline constexpr Option kLangOption{"--lang", "en|zh",
                                    "language of the texts and messages: en (default) or zh"};

// A parsed command line, handed to Command::run.
struct Invocation {
    Lang lang = Lang::English;
    std::vector<std::string> operands;                        // exactly as many as the command has
    std::map<std::string, std::string, std::less<>> options;  // given options, "" for a switch
    // Every value of each option given, in order: an option given twice keeps both here and
    // its last in `options`.
    std::map<std::string, std::vector<std::string>, std::less<>> allValues;

    bool has(std::string_view option) const { return options.contains(option); }
    // The LanguageFlag of the program's editor for the chosen language.
    std::int16_t languageFlag() const { return lang == Lang::English ? 1 : 0; }
};

struct Command {
    std::string_view name;
    std::string_view summary;                    // one line for "m742-cli --help"
    std::span<const Option> options;             // besides --lang and --help
    std::span<const std::string_view> operands;  // file operands, all required, in order
    std::string_view description;                // the body of "m742-cli NAME --help"
    int (*run)(const Invocation&);
};

extern const Command kNewCommand;
extern const Command kDumpCommand;
extern const Command kReportCommand;
extern const Command kEncodeCommand;
extern const Command kReadCommand;
extern const Command kWriteCommand;
extern const Command kExportCsvCommand;
extern const Command kImportCsvCommand;
extern const Command kDiffCommand;
extern const Command kPortsCommand;

// Writes `text` to stdout; kDone, or kFailed with a message when stdout cannot take it.
int PrintOutput(std::string_view text);

// Writes one "m742-cli: ..." line on stderr.
void PrintError(std::string_view message);

// Reports a failed core operation on stderr and returns its exit status: kRefused for a cell
// the encoder refused (the message and the cell it names), kFailed for everything else.
int ReportStatus(const Status& status, Lang lang);
// The same for a failure already worded.
int ReportRefusal(ErrorCode code, std::string message, const std::string& where, Lang lang);

// Saves the data file of `editor`, over `base` when there is one (DataFileOverBase), as `out`;
// "-" writes it to standard output, unless that is a terminal. The exit status, any failure
// printed.
int SaveDataFileOutput(const std::string& out, const EditorState& editor, const BaseFile* base,
                       Lang lang);

// Reads the data file named by `option` (--base OLD.dat), when it is given, into `base`:
// kDone, or the exit status of a file that cannot be read, its message printed.
int ReadBaseOption(const Invocation& invocation, std::string_view option,
                   std::optional<BaseFile>& base);

}  // namespace m742::cli
