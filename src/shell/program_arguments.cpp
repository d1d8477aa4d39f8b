#include "shell/program_arguments.h"

#include "texts/command_texts.h"

namespace m742 {

ProgramArguments ParseProgramArguments(std::span<const std::string_view> args, Lang lang) {
    ProgramArguments parsed;
    bool options = true;
    for (const std::string_view arg : args) {
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
