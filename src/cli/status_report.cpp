// How the tool turns the core's statuses into stderr lines and exit statuses.
#include <unistd.h>

#include <iostream>

#include "cli/commands.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/text_codes.h"
#include "texts/command_texts.h"
#include "texts/message_text.h"
#include "texts/punctuation.h"
#include "texts/store_refusal.h"

namespace m742::cli {

int PrintOutput(std::string_view text) {
    std::cout << text;
    std::cout.flush();
    if (!std::cout) {
        PrintError("cannot write the output");
        return kFailed;
    }
    return kDone;
}

void PrintError(std::string_view message) {
    std::cerr << "m742-cli: " << message << '\n';
}

int ReportRefusal(ErrorCode code, std::string message, const std::string& where, Lang lang) {
    const bool refused = code == ErrorCode::kFrequencyRefused || code == ErrorCode::kToneRefused;
    if (!refused) {
        // File errors: the message already names the file.
        PrintError(message);
        return kFailed;
    }
    // The message alone does not say which of the 64 cells is wrong; `where` does.
    if (!where.empty()) {
        message += FillText(kInParentheses.in(lang), {where});
    }
    PrintError(message);
    return kRefused;
}

int ReportStatus(const Status& status, Lang lang) {
    return ReportRefusal(status.code, Worded(status.message, lang), status.where, lang);
}

int SaveDataFileOutput(const std::string& out, const EditorState& editor, const BaseFile* base,
                       Lang lang) {
    if (out == "-" && ::isatty(STDOUT_FILENO) != 0) {
        PrintError(std::string(kBinaryToTerminalText.in(lang)));
        return kFailed;
    }
    const DataFileContent content = DataFileOverBase(editor, base);
    if (const auto* refusal = std::get_if<StoreRefusal>(&content)) {
        return ReportStatus(WithRefusalWorded(*refusal, lang).status(), lang);
    }
    const auto& bytes = std::get<std::vector<std::uint8_t>>(content);
    if (out != "-") {
        // Atomically: a refused cell has left the file untouched above.
        const Status saved = WriteDataFileBytes(FilePath(out), bytes);
        return saved.ok() ? kDone : ReportStatus(saved, lang);
    }
    return PrintOutput({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

int ReadBaseOption(const Invocation& invocation, std::string_view option,
                   std::optional<BaseFile>& base) {
    const auto found = invocation.options.find(option);
    if (found == invocation.options.end()) {
        return kDone;
    }
    auto read = ReadBaseFile(FilePath(found->second));
    if (!read.ok()) {
        return ReportStatus(read.status(), invocation.lang);
    }
    base = std::move(read.value());
    return kDone;
}

}  // namespace m742::cli
