#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli/dump_text.h"
#include "plan_formats/editor_json.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

namespace m742::cli {

namespace {

// The version-1 state: the grids' cells as the window shows them in `lang`, the list
// positions, the boxes and the settings by control name.
Json StateJson(const EditorState& editor, Lang lang) {
    Json memory = Json::array();
    Json positions = Json::array();
    Json debug = Json::array();
    for (int number = 1; number <= kChannelCount; ++number) {
        const auto cells = MemoryRowText(editor, number, lang);
        memory.push_back(Json(std::vector<std::string>(cells.begin() + 1, cells.end())));
        std::vector<std::int16_t> listed;
        for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
            listed.push_back(ListPositionOf(MemoryChannelOf(editor, number), column));
        }
        positions.push_back(Json(listed));
        debug.push_back(Json::array({DebugCellText(editor, number, kDebugColumnRx),
                                     DebugCellText(editor, number, kDebugColumnTx)}));
    }
    Json json = Json::object();
    json["memory"] = std::move(memory);
    json["CellListIndex"] = std::move(positions);
    json["debug"] = std::move(debug);
    json["Text2"] = editor.password;
    json["Text3"] = editor.ani;
    for (const auto& [key, section] :
         {std::pair{"settings", Section::kPanel}, std::pair{"globals", Section::kGlobal}}) {
        Json values = Json::object();
        for (const SettingField* field : StateJsonFields(section)) {
            values[std::string(field->name)] = SettingValue(*field, editor);
        }
        json[key] = std::move(values);
    }
    return json;
}

void WriteJson(std::string& out, const Json& value, int indent) {
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    const bool rows =
        value.is_array() &&
        std::any_of(value.begin(), value.end(), [](const Json& v) { return v.is_structured(); });
    if (value.is_object() && !value.empty()) {
        out += "{\n";
        std::size_t i = 0;
        for (const auto& item : value.items()) {
            out += inner + Json(item.key()).dump() + ": ";
            WriteJson(out, item.value(), indent + 2);
            out += ++i < value.size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(indent), ' ') + "}";
    } else if (rows) {
        out += "[\n";
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += inner;
            WriteJson(out, value[i], indent + 2);
            out += i + 1 < value.size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(indent), ' ') + "]";
    } else if (value.is_array()) {
        out += "[";
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += (i > 0 ? ", " : "") + value[i].dump(-1, ' ', false);
        }
        out += "]";
    } else {
        out += value.dump(-1, ' ', false);
    }
}

}  // namespace

std::string DumpJson(const EditorState& editor, Lang lang) {
    std::string out;
    WriteJson(out, StateJson(editor, lang), 0);
    return out + "\n";
}

}  // namespace m742::cli
