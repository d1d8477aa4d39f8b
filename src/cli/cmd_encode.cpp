// m742-cli encode STATE.json OUT.dat: a data file from the JSON form that "dump --json" prints.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "cli/editor_json.h"
#include "cli/plan_json.h"
#include "plan_formats/base_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/text_codes.h"
#include "radio_data/unique_file.h"

namespace m742::cli {

namespace {

constexpr Option kBaseOption{"--base", "OLD.dat",
                             "start from OLD.dat and keep the bytes the program does not edit"};
constexpr Option kOptions[] = {kBaseOption};
constexpr std::string_view kOperands[] = {"PLAN.json", "OUT.dat"};
constexpr std::string_view kStandardInput = "-";

// Reads the whole of `path` ("-": standard input) into `text`; the reason on failure.
std::optional<std::string> ReadWhole(const std::string& path, std::string& text) {
    if (path == kStandardInput) {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        return std::cin.bad() ? std::optional<std::string>("read error") : std::nullopt;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return std::generic_category().message(EISDIR);
    }
    const UniqueFile file{std::fopen(path.c_str(), "rb")};
    if (!file) {
        return std::generic_category().message(errno);
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, got);
    }
    const int error = std::ferror(file.get()) ? errno : 0;
    if (error != 0) {
        return std::generic_category().message(error);
    }
    return std::nullopt;
}

// No channel plan nests deeper than an array of rows in an object; this leaves room to spare.
constexpr int kDeepestNesting = 16;

// How deep the arrays and objects of a JSON text nest, counted over the bytes without
// building anything, up to one level past `limit`. The parser, the checks and the freeing of a
// document may all recurse once per level; a document that nests deeper is refused first.
int NestingDepth(std::string_view text, int limit) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit) {
                break;
            }
        } else if (c == ']' || c == '}') {
            --depth;  // unbalanced text is the parser's to report
        }
    }
    return deepest;
}

// nlohmann's message without its "[json.exception.parse_error.101] " tag, and short: it
// quotes the text it stopped at, which may be a whole line of the file.
std::string ParseProblem(const std::string& what) {
    constexpr std::size_t kLongest = 160;
    const std::size_t tag = what.find("] ");
    return Shortened(tag == std::string::npos ? what : what.substr(tag + 2), kLongest);
}

int RunEncode(const Invocation& invocation) {
    const std::string& statePath = invocation.operands[0];
    const std::string stateName = statePath == kStandardInput ? "standard input" : statePath;

    std::string text;
    if (const auto reason = ReadWhole(statePath, text)) {
        PrintError(stateName + ": cannot read: " + *reason);
        return kFailed;
    }
    if (NestingDepth(text, kDeepestNesting) > kDeepestNesting) {
        const std::string limit = std::to_string(kDeepestNesting);
        PrintError(stateName + (invocation.lang == Lang::English
                                    ? ": arrays and objects nest more than " + limit +
                                          " levels deep; a channel plan needs 3"
                                    : "：数组和对象嵌套超过 " + limit + " 层；信道计划只需 3 层"));
        return kFailed;
    }
    Json state;
    try {
        state = Json::parse(text);
    } catch (const Json::exception& error) {  // a syntax error or a number out of range
        PrintError(stateName + ": not valid JSON: " + ParseProblem(error.what()));
        return kFailed;
    }

    // The plan starts from OLD.dat's plan (its password too) or from the start-up editor.
    std::optional<BaseFile> base;
    if (const int status = ReadBaseOption(invocation, kBaseOption.name, base); status != kDone) {
        return status;
    }
    EditorState editor = base ? base->editor : StartupEditor(invocation.languageFlag());

    if (IsPlanDocument(state)) {
        if (const auto problem = ApplyPlanJson(state, editor)) {
            if (problem->windowRule) {
                return ReportStatus({problem->code, problem->message, problem->where},
                                    invocation.lang);
            }
            const std::string colon = invocation.lang == Lang::English ? ": " : "：";
            PrintError(stateName + colon + (problem->where.empty() ? "" : problem->where + colon) +
                       problem->message);
            return kFailed;
        }
    } else if (const auto problem = ApplyStateJson(state, editor)) {
        PrintError(stateName + ": " + problem->path + ": " + problem->problem);
        return kFailed;
    }
    // The dialogs show the globals they were given, as after their OK buttons.
    CreateDialogControls(editor);

    // The encoder runs before anything is written: a refused cell leaves OUT.dat as it was.
    const Status saved = SaveOverBase(invocation.operands[1], editor, base ? &*base : nullptr);
    return saved.ok() ? kDone : ReportStatus(saved, invocation.lang);
}

}  // namespace

const Command kEncodeCommand{
    "encode",
    "save a channel plan in JSON (as dump --json prints it) to a data file",
    kOptions,
    kOperands,
    "Reads PLAN.json (\"-\": standard input), a channel plan as dump --json prints it\n"
    "(docs/plan-format.md), encodes it as the program's \"Save\" does and writes OUT.dat.\n"
    "The plan starts from the channel plan the program starts with, or with --base from\n"
    "OLD.dat's plan; a key left out keeps that value, and a channel left out of \"channels\"\n"
    "or \"debug_channels\" is empty. With --base every byte the program does not edit\n"
    "(the file's header included) is kept from OLD.dat. The version-1 form of dump --json\n"
    "--plan-version 1 is read too.\n"
    "\n"
    "An unknown key, a value of the wrong type or not in its list, and a channel number\n"
    "outside 1-16 or given twice are refused (exit status 2) with the channel or group, the\n"
    "key and what it admits; so is JSON whose arrays and objects nest more than 16 deep. A\n"
    "frequency or tone the window would refuse is refused with the window's message and the\n"
    "channel (exit status 1). Messages follow --lang; values are the same in every language.\n"
    "OUT.dat is created or replaced only when everything succeeds.\n",
    RunEncode,
};

}  // namespace m742::cli
