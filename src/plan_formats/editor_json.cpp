#include "plan_formats/editor_json.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

constexpr std::size_t kRows = kChannelCount;
// The memory grid's list columns, as indices: they have list positions.
constexpr auto kFirstListIndex = static_cast<std::size_t>(kFirstListColumn);
constexpr auto kListColumns = static_cast<std::size_t>(kListColumnCount);
constexpr std::size_t kPasswordCharacters = 6;     // what the password box holds
constexpr std::uint32_t kLastStorableCode = 0xFE;  // FFh marks "no character" in the image

// Thrown inside ApplyStateJson only, to leave the nested checks at the first problem.
struct Refusal {
    JsonProblem problem;
};

[[noreturn]] void Refuse(std::string path, std::string problem) {
    throw Refusal{{std::move(path), std::move(problem)}};
}

constexpr std::size_t kShownLength = 40;

// Appends `value` as it reads in the JSON text until `out` is longer than `limit`: a long or
// deep value is never written out whole, and each level of nesting costs one character.
void AppendShown(const Json& value, std::string& out, std::size_t limit) {
    const auto quoted = [limit](const std::string& text) {
        return Json(text.substr(0, limit)).dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    if (value.is_structured()) {
        out += value.is_array() ? '[' : '{';
        for (auto item = value.begin(); item != value.end() && out.size() <= limit; ++item) {
            if (item != value.begin()) {
                out += ',';
            }
            if (value.is_object()) {
                out += quoted(item.key()) + ':';
            }
            AppendShown(*item, out, limit);
        }
        out += value.is_array() ? ']' : '}';
    } else if (value.is_string()) {
        out += quoted(value.get_ref<const std::string&>());
    } else {
        out += value.dump();
    }
}

// A value as it reads in the JSON text, shortened for a message.
std::string Shown(const Json& value) {
    std::string text;
    AppendShown(value, text, kShownLength);
    return Shortened(text, kShownLength);
}

std::string Index(const std::string& path, std::size_t i) {
    return path + "[" + std::to_string(i) + "]";
}

// The panel keys in control-number order (Combo1, Combo2, ... Combo14), the globals in the
// order of their dialogs.
}  // namespace

std::vector<const SettingField*> StateJsonFields(Section section) {
    std::vector<const SettingField*> fields;
    for (const SettingField& field : SettingFields()) {
        if (field.section == section) {
            fields.push_back(&field);
        }
    }
    if (section == Section::kPanel) {
        std::stable_sort(fields.begin(), fields.end(), [](const auto* a, const auto* b) {
            return std::pair(a->name.size(), a->name) < std::pair(b->name.size(), b->name);
        });
    }
    return fields;
}

namespace {

std::string KeyList(const std::vector<std::string_view>& keys) {
    std::string text;
    for (const std::string_view key : keys) {
        text += (text.empty() ? "" : ", ") + std::string(key);
    }
    return text;
}

// Checks that `value` holds one row per channel, each of `headings.size()` entries, and hands
// each entry to `take` with its row and column (from 0) and a path that names the channel and
// the column's heading.
template <typename Take>
void ForEachEntry(const Json& value, const std::string& path, std::string_view entries,
                  std::span<const Bilingual> headings, Take take) {
    const std::size_t columns = headings.size();
    if (!value.is_array()) {
        Refuse(path, "must be an array of " + std::to_string(kRows) + " rows, not " + Shown(value));
    }
    if (value.size() != kRows) {
        Refuse(path,
               "must hold " + std::to_string(kRows) + " rows, not " + std::to_string(value.size()));
    }
    for (std::size_t row = 0; row < kRows; ++row) {
        const Json& cells = value[row];
        const std::string rowPath = Index(path, row) + " (channel " + std::to_string(row + 1) + ")";
        const std::string wanted = std::to_string(columns) + " " + std::string(entries);
        if (!cells.is_array()) {
            Refuse(rowPath, "must be an array of " + wanted + ", not " + Shown(cells));
        }
        if (cells.size() != columns) {
            Refuse(rowPath, "must hold " + wanted + ", not " + std::to_string(cells.size()));
        }
        for (std::size_t col = 0; col < columns; ++col) {
            take(row, col, cells[col],
                 Index(Index(path, row), col) + " (channel " + std::to_string(row + 1) + ", " +
                     std::string(headings[col].en) + ")");
        }
    }
}

std::string Text(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        Refuse(path, "must be a string, not " + Shown(value));
    }
    return value.get<std::string>();
}

// A whole number from `first` to `last`; `what` names such a number for the message.
std::int16_t Number(const Json& value, const std::string& path, int first, int last,
                    std::string_view what) {
    if (!value.is_number_integer()) {
        Refuse(path, "must be a whole number, not " + Shown(value));
    }
    // Compared in 64 bits: a value far out of range must not wrap into it.
    const bool inRange =
        value.is_number_unsigned()
            ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(last)
            : value.get<std::int64_t>() >= first && value.get<std::int64_t>() <= last;
    if (!inRange) {
        Refuse(path, Shown(value) + " is not " + std::string(what) + " (" + std::to_string(first) +
                         " to " + std::to_string(last) + ")");
    }
    return static_cast<std::int16_t>(value.get<std::int64_t>());
}

void ApplyMemory(const Json& value, const std::string& path, EditorState& editor) {
    ForEachEntry(value, path, "cell texts", std::span(kMemoryHeadings).subspan(1),
                 [&](std::size_t row, std::size_t col, const Json& cell, const std::string& at) {
                     // The list columns' texts are shown, not stored: their positions are.
                     SetMemoryCellText(editor, static_cast<int>(row + 1), static_cast<int>(col + 1),
                                       Text(cell, at));
                 });
}

void ApplyCellListIndex(const Json& value, const std::string& path, EditorState& editor) {
    ForEachEntry(
        value, path, "list positions",
        std::span(kMemoryHeadings).subspan(kFirstListIndex, kListColumns),
        [&](std::size_t row, std::size_t col, const Json& position, const std::string& at) {
            const std::size_t column = kFirstListIndex + col;
            const int last = ListSize(GridColumnList(static_cast<int>(column))) - 1;
            SetListPosition(MemoryChannelOf(editor, static_cast<int>(row + 1)),
                            static_cast<int>(column),
                            Number(position, at, -1, last, "a position of its list"));
        });
}

void ApplyDebug(const Json& value, const std::string& path, EditorState& editor) {
    ForEachEntry(value, path, "cell texts (RX, TX)", std::span(kDebugHeadings).subspan(1),
                 [&](std::size_t row, std::size_t col, const Json& cell, const std::string& at) {
                     SetDebugCellText(editor, static_cast<int>(row + 1), static_cast<int>(col + 1),
                                      Text(cell, at));
                 });
}

// The password box admits digits and "." only, at most six of them.
void ApplyPassword(const Json& value, const std::string& path, EditorState& editor) {
    std::string text = Text(value, path);
    const auto codes = CharacterCodes(text);
    if (codes.size() > kPasswordCharacters) {
        Refuse(path, "the password has at most " + std::to_string(kPasswordCharacters) +
                         " characters, not " + std::to_string(codes.size()));
    }
    for (const std::uint32_t code : codes) {
        if (!(code >= '0' && code <= '9') && code != '.') {
            Refuse(path, "the password holds only digits and \".\", not \"" +
                             Printable(Utf8Of(code)) + "\"");
        }
    }
    editor.password = std::move(text);
}

// Any character with a code the radio can store: a decoded image may hold any of them.
void ApplyAni(const Json& value, const std::string& path, EditorState& editor) {
    std::string text = Text(value, path);
    for (const std::uint32_t code : CharacterCodes(text)) {
        if (code > kLastStorableCode) {
            char unicode[16];
            std::snprintf(unicode, sizeof unicode, "U+%04X", static_cast<unsigned>(code));
            Refuse(path, "\"" + Utf8Of(code) + "\" (" + unicode +
                             ") cannot be stored: the radio keeps character codes 0 to 254");
        }
    }
    editor.ani = std::move(text);
}

void ApplySettings(const Json& value, const std::string& path, Section section,
                   EditorState& editor) {
    const auto fields = StateJsonFields(section);
    if (!value.is_object()) {
        Refuse(path, "must be an object, not " + Shown(value));
    }
    for (const auto& item : value.items()) {
        const std::string at = path + "." + item.key();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const auto* f) { return f->name == item.key(); });
        if (field == fields.end()) {
            std::vector<std::string_view> names;
            for (const SettingField* f : fields) {
                names.push_back(f->name);
            }
            Refuse(at, "unknown key; the keys are " + KeyList(names));
        }
        // A panel list may show no selection; a dialog always has one.
        const int first = section == Section::kPanel ? -1 : 0;
        const int last = ListSize((*field)->list) - 1;
        const std::string_view what =
            (*field)->list == ListId::kPowerLevel ? "a power level" : "a position of its list";
        (*field)->value(editor) = Number(item.value(), at, first, last, what);
    }
}

struct TopKey {
    std::string_view name;
    void (*apply)(const Json&, const std::string&, EditorState&);
};

constexpr std::array<TopKey, 7> kTopKeys{{
    {"memory", ApplyMemory},
    {"CellListIndex", ApplyCellListIndex},
    {"debug", ApplyDebug},
    {"Text2", ApplyPassword},
    {"Text3", ApplyAni},
    {"settings", [](const Json& v, const std::string& p,
                    EditorState& e) { ApplySettings(v, p, Section::kPanel, e); }},
    {"globals", [](const Json& v, const std::string& p,
                   EditorState& e) { ApplySettings(v, p, Section::kGlobal, e); }},
}};

}  // namespace

std::optional<JsonProblem> ApplyStateJson(const Json& state, EditorState& editor) {
    EditorState changed = editor;
    try {
        if (!state.is_object()) {
            Refuse("(top level)", "must be an object, not " + Shown(state));
        }
        for (const auto& item : state.items()) {
            const auto key = std::find_if(kTopKeys.begin(), kTopKeys.end(),
                                          [&](const TopKey& k) { return k.name == item.key(); });
            if (key == kTopKeys.end()) {
                std::vector<std::string_view> names;
                for (const TopKey& k : kTopKeys) {
                    names.push_back(k.name);
                }
                Refuse(item.key(), "unknown key; the keys are " + KeyList(names));
            }
            key->apply(item.value(), item.key(), changed);
        }
    } catch (const Refusal& refusal) {
        return refusal.problem;
    }
    editor = std::move(changed);
    return std::nullopt;
}

}  // namespace m742
