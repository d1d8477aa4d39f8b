// m742-cli diff A.dat B.dat: what differs between two data files, by channel, setting and byte.

#include <algorithm>
#include <vector>

#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "plan_formats/editor_json.h"
#include "plan_formats/plan_diff.h"
#include "plan_formats/plan_json.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/compare_texts.h"
#include "texts/diff_texts.h"
#include "texts/list_texts.h"

namespace m742::cli {

namespace {

constexpr Option kJsonOption{"--json", "", "print the differences as JSON (see docs/cli.md)"};
constexpr Option kOptions[] = {kJsonOption};
constexpr std::string_view kOperands[] = {"A.dat", "B.dat"};

// The exit status when the files differ.
constexpr int kDifferent = 1;

// A whole channel's side: its fields, or null for the side where it is empty.
Json JsonOf(const ChannelFields& fields) {
    if (fields.empty()) {
        return nullptr;
    }
    Json object = Json::object();
    for (const auto& [key, value] : fields) {
        object[std::string(key)] = JsonOfPlanValue(value);
    }
    return object;
}

Json DiffJson(const PlanDiff& diff, const std::string& nameA, const std::string& nameB) {
    Json json;
    json["format"] = "m742-diff";
    json["version"] = 1;
    json["a"] = nameA;
    json["b"] = nameB;
    json["equal"] = diff.equal();
    // Filled apart and put in at the end: an ordered object moves its members as it grows.
    Json channels = Json::array();
    Json debug = Json::array();
    Json settings = Json::array();
    Json dialogs = Json::array();
    Json password = nullptr;
    Json ani = nullptr;
    for (const PlanDifference& item : diff.items) {
        Json line;
        switch (item.section) {
            case DiffSection::kChannels:
                line["channel"] = item.channel;
                if (!item.field) {
                    line["key"] = nullptr;
                    line["a"] = JsonOf(item.fieldsA);
                    line["b"] = JsonOf(item.fieldsB);
                    channels.push_back(line);
                    continue;
                }
                [[fallthrough]];
            case DiffSection::kDebugChannels:
                line["channel"] = item.channel;
                line["key"] = item.key();
                break;
            case DiffSection::kDialogs:
                line["group"] = item.setting->group;
                [[fallthrough]];
            case DiffSection::kSettings:
                line["key"] = item.key();
                break;
            default:
                break;
        }
        line["a"] = JsonOfPlanValue(item.a.plan);
        line["b"] = JsonOfPlanValue(item.b.plan);
        switch (item.section) {
            case DiffSection::kChannels:
                channels.push_back(line);
                break;
            case DiffSection::kDebugChannels:
                debug.push_back(line);
                break;
            case DiffSection::kSettings:
                settings.push_back(line);
                break;
            case DiffSection::kDialogs:
                dialogs.push_back(line);
                break;
            case DiffSection::kPassword:
                password = line;
                break;
            case DiffSection::kAni:
                ani = line;
                break;
        }
    }
    Json bytes = Json::array();
    for (const ByteDifference& range : diff.otherBytes) {
        bytes.push_back({{"area", range.area == ByteArea::kHeader ? "header" : "image"},
                         {"first", range.first},
                         {"last", range.last()},
                         {"a", HexText(range.a)},
                         {"b", HexText(range.b)}});
    }
    json["channels"] = std::move(channels);
    json["debug_channels"] = std::move(debug);
    json["settings"] = std::move(settings);
    json["dialogs"] = std::move(dialogs);
    json["password"] = std::move(password);
    json["ani"] = std::move(ani);
    json["other_bytes"] = std::move(bytes);
    return json;
}

// Each section under its title, columns padded to their widest text, two blanks apart; the
// channel column only where there are channels.
std::string DiffText(const PlanDiff& diff, const std::string& nameA, const std::string& nameB,
                     Lang lang) {
    if (diff.equal()) {
        return std::string(kFilesEqual.in(lang)) + "\n";
    }
    std::string text = "A: " + Printable(nameA) + "\nB: " + Printable(nameB) + "\n";
    for (const DiffTable& table : DiffTables(diff, lang)) {
        const bool channels = std::any_of(table.rows.begin(), table.rows.end(),
                                          [](const auto& r) { return !r[0].empty(); });
        std::vector<std::vector<std::string>> rows{{std::string(kMemoryHeadings[0].in(lang)),
                                                    std::string(kItemHeading.in(lang)), "A", "B"}};
        for (const auto& row : table.rows) {
            rows.push_back({row[0], Printable(row[1]), Printable(row[2]), Printable(row[3])});
        }
        if (!channels) {
            for (auto& row : rows) {
                row.erase(row.begin());
            }
        }
        text += "\n" + table.title + "\n" + AlignedColumns(rows, 2, 2);
    }
    return text;
}

int RunDiff(const Invocation& invocation) {
    const std::string& nameA = invocation.operands[0];
    const std::string& nameB = invocation.operands[1];
    const auto a = ReadDataFileBytes(FilePath(nameA));
    if (!a.ok()) {
        return ReportStatus(a.status(), invocation.lang);
    }
    const auto b = ReadDataFileBytes(FilePath(nameB));
    if (!b.ok()) {
        return ReportStatus(b.status(), invocation.lang);
    }
    const PlanDiff diff = CompareDataFiles(a.value(), b.value());
    const int printed = PrintOutput(
        invocation.has(kJsonOption.name)
            ? DiffJson(diff, nameA, nameB).dump(2, ' ', false, Json::error_handler_t::replace) +
                  "\n"
            : DiffText(diff, nameA, nameB, invocation.lang));
    if (printed != kDone) {
        return printed;
    }
    return diff.equal() ? kDone : kDifferent;
}

}  // namespace

const Command kDiffCommand{
    "diff",
    "compare two data files: channels, settings, password, ANI and other bytes",
    kOptions,
    kOperands,
    "Lists what differs between A.dat and B.dat: memory channels by channel and field (a\n"
    "channel in use in one file and empty in the other is one line), debug channels, the\n"
    "settings panel, the side key, DTMF and power dialogs, the password, the ANI code, and\n"
    "\"other bytes\": bytes of the header or the image that differ where no line above\n"
    "accounts for them, with both values in hexadecimal. Captions and texts are in the\n"
    "--lang language; with --json the differences are printed under their plan names.\n"
    "\n"
    "Exits with 0 when the files are the same, 1 when they differ, 2 when a file cannot\n"
    "be read or is not a data file.\n",
    RunDiff,
};

}  // namespace m742::cli
