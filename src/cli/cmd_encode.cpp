// m742-cli encode STATE.json OUT.dat: a data file from the JSON form that "dump --json" prints.
#include <algorithm>
#include <iostream>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "plan_formats/base_plan.h"
#include "plan_formats/editor_json.h"
#include "plan_formats/plan_json.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/file_reading.h"
#include "radio_data/text_codes.h"
#include "texts/file_texts.h"
#include "texts/message_text.h"
#include "texts/plan_texts.h"
#include "texts/punctuation.h"

namespace m742::cli {

namespace {

constexpr Option kBaseOption{"--base", "OLD.dat",
                             "start from OLD.dat and keep the bytes the program does not edit"};
constexpr Option kOptions[] = {kBaseOption};
constexpr std::string_view kOperands[] = {"PLAN.json", "OUT.dat"};
constexpr std::string_view kStandardInput = "-";

// A channel plan with every value named is some 10 KB; anything far larger is some other file.
constexpr std::size_t kLargestPlan = 1 << 20;

// No channel plan nests deeper than an array of rows in an object; this leaves room to spare.
constexpr std::size_t kDeepestNesting = 16;

// What makes a JSON text no plan before its keys are read: nesting deeper than any plan, or
// a key given twice in one object (the parser would quietly keep the last).
struct JsonRefused {
    std::string problem;
};

// Parses `text`, refusing while it parses what JsonRefused names.
Json ParsePlanText(const std::string& text, Lang lang) {
    std::vector<std::set<std::string>> keys;  // the keys of each open object; arrays have none
    const Json::parser_callback_t check = [&keys, lang](int /*depth*/, Json::parse_event_t event,
                                                        Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start:
            case Json::parse_event_t::array_start:
                if (keys.size() >= kDeepestNesting) {
                    throw JsonRefused{
                        FillText(kPlanTooDeep.in(lang), {std::to_string(kDeepestNesting)})};
                }
                keys.emplace_back();
                break;
            case Json::parse_event_t::object_end:
            case Json::parse_event_t::array_end:
                keys.pop_back();
                break;
            case Json::parse_event_t::key:
                if (!keys.back().insert(parsed.get<std::string>()).second) {
                    throw JsonRefused{FillText(kPlanKeyTwice.in(lang),
                                               {Shortened(parsed.get<std::string>(), 40)})};
                }
                break;
            case Json::parse_event_t::value:
                break;
        }
        return true;
    };
    return Json::parse(text, check);
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

    auto read = statePath == kStandardInput
                    ? ReadWholeStream(std::cin, stateName, kLargestPlan, kPlanTooLarge)
                    : ReadWholeFile(FilePath(statePath), kLargestPlan, kPlanTooLarge);
    if (!read.ok()) {
        return ReportStatus(read.status(), invocation.lang);
    }
    const std::string text = std::move(read.value());
    Json state;
    try {
        state = ParsePlanText(text, invocation.lang);
    } catch (const JsonRefused& refused) {
        PrintError(stateName + std::string(kColon.in(invocation.lang)) + refused.problem);
        return kFailed;
    } catch (const Json::exception& error) {  // a syntax error or a number out of range
        PrintError(stateName + ": not valid JSON: " + ParseProblem(error.what()));
        return kFailed;
    }

    // The plan starts from OLD.dat's plan (its password too) or from the start-up editor.
    std::optional<BaseFile> base;
    if (const int status = ReadBaseOption(invocation, kBaseOption.name, base); status != kDone) {
        return status;
    }
    EditorState editor = base ? base->editor : StartupEditor();

    if (IsPlanDocument(state)) {
        if (const auto problem = ApplyPlanJson(state, editor)) {
            const Lang lang = invocation.lang;
            const std::string where = Worded(problem->where, lang);
            const std::string message = Worded(problem->message, lang);
            if (problem->windowRule) {
                return ReportRefusal(problem->code, message, where, lang);
            }
            const std::string colon(kColon.in(lang));
            PrintError(stateName + colon + (where.empty() ? "" : where + colon) + message);
            return kFailed;
        }
    } else if (const auto problem = ApplyStateJson(state, editor)) {
        PrintError(stateName + ": " + problem->path + ": " + problem->problem);
        return kFailed;
    }
    // The dialogs show the globals they were given, as after their OK buttons.
    CreateDialogControls(editor);

    // The encoder runs before anything is written: a refused cell leaves OUT.dat as it was.
    return SaveDataFileOutput(invocation.operands[1], editor, base ? &*base : nullptr,
                              invocation.lang);
}

}  // namespace

const Command kEncodeCommand{
    "encode",
    "save a channel plan in JSON (as dump --json prints it) to a data file",
    kOptions,
    kOperands,
    "Reads PLAN.json (\"-\": standard input, up to 1 MiB), a channel plan as dump --json prints "
    "it\n"
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
    "OUT.dat is created or replaced only when everything succeeds; OUT.dat \"-\" writes the\n"
    "data file to standard output (never to a terminal). PLAN.json must be a regular file or\n"
    "\"-\"; one over 1 MiB is refused, and so is a key given twice in one object.\n",
    RunEncode,
};

}  // namespace m742::cli
