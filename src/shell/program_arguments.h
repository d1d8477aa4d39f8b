// The window program's command line: `m742 [FILE.DAT]`, `m742 --version`, `m742 --help`.
// The whole line is read before any window (or display) is needed: version, help and a usage
// error are answered without one.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "radio_data/status.h"

namespace m742 {

struct ProgramArguments {
    enum class Action {
        kRun,      // start the window, opening `file` when it is not empty
        kVersion,  // print the version and end
        kHelp,     // print the usage and end
        kUsageError,
    };
    Action action = Action::kRun;
    std::string file;
    std::string error;  // for kUsageError: what is wrong, in the language asked for
};

// The arguments after the program's name. "--version" and "--help" (or "-h") win wherever they
// stand; "--" ends the options, so a file named "-x.DAT" can still be opened. More than one
// file, or an unknown option, is a usage error. Qt's own options ("-platform offscreen",
// "-style=fusion", "-reverse"...) are left to the toolkit.
ProgramArguments ParseProgramArguments(std::span<const std::string_view> args, Lang lang);

// How many arguments at the head of `args` are one of Qt's own options with its value: 0 when
// the first is none of them.
std::size_t ToolkitOptionLength(std::span<const std::string_view> args);

// The language of texts printed before the window exists: Chinese when the locale's name (the
// value of LC_ALL, LC_MESSAGES or LANG, the first that is set) begins with "zh".
Lang LanguageOfLocale(std::string_view localeName);

}  // namespace m742
