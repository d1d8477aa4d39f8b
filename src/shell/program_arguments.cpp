#include "shell/program_arguments.h"

#include <algorithm>
#include <array>

#include "texts/command_texts.h"

namespace m742 {

namespace {

// Qt's own options, which the toolkit takes from the command line itself (with one dash or
// two): those that take the next argument as their value, and those that stand alone.
constexpr std::array<std::string_view, 14> kToolkitOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name"};
constexpr std::array<std::string_view, 6> kToolkitFlags{"reverse", "widgetcount", "sync",
                                                        "nograb",  "dograb",      "qmljsdebugger"};

// The option's name without its dashes and without "=value"; empty when `arg` is no option.
std::string_view OptionName(std::string_view arg) {
    if (arg.size() < 2 || arg.front() != '-') {
        return {};
    }
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    return arg.substr(0, arg.find('='));
}

bool Among(std::string_view name, std::span<const std::string_view> names) {
    return std::ranges::find(names, name) != names.end();
}

}  // namespace

std::size_t ToolkitOptionLength(std::span<const std::string_view> args) {
    if (args.empty()) {
        return 0;
    }
    const std::string_view name = OptionName(args.front());
    if (name.empty()) {
        return 0;
    }
    if (Among(name, kToolkitFlags)) {
        return 1;
    }
    if (!Among(name, kToolkitOptionsWithValue)) {
        return 0;
    }
    const bool valueAttached = args.front().find('=') != std::string_view::npos;
    return valueAttached || args.size() == 1 ? 1 : 2;
}

ProgramArguments ParseProgramArguments(std::span<const std::string_view> args, Lang lang) {
    ProgramArguments parsed;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options) {
            if (const std::size_t taken = ToolkitOptionLength(args.subspan(i)); taken > 0) {
                i += taken - 1;
                continue;
            }
        }
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--version") {
            return {ProgramArguments::Action::kVersion, {}, {}};
        } else if (options && (arg == "--help" || arg == "-h")) {
            return {ProgramArguments::Action::kHelp, {}, {}};
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            if (parsed.action != ProgramArguments::Action::kUsageError) {
                parsed.action = ProgramArguments::Action::kUsageError;
                parsed.error = UnknownOptionText(arg, lang);
            }
        } else if (!parsed.file.empty()) {
            if (parsed.action != ProgramArguments::Action::kUsageError) {
                parsed.action = ProgramArguments::Action::kUsageError;
                parsed.error = std::string(kTooManyFilesText.in(lang));
            }
        } else {
            parsed.file = std::string(arg);
        }
    }
    return parsed;
}

Lang LanguageOfLocale(std::string_view localeName) {
    return localeName.starts_with("zh") ? Lang::Chinese : Lang::English;
}

}  // namespace m742
