#include "texts/edit_texts.h"

#include <string_view>

#include "radio_data/lists.h"
#include "texts/language_tables.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

std::string ColumnName(int column, Lang lang) {
    // Both tone columns share one Chinese heading; a step must say which one it changed.
    if (lang == Lang::Chinese && column == kColumnDecodeTone) {
        return "接收亚音频";
    }
    if (lang == Lang::Chinese && column == kColumnEncodeTone) {
        return "发射亚音频";
    }
    if (column < 0 || column >= kMemoryColumns) {
        return {};
    }
    return std::string(kMemoryHeadings[static_cast<std::size_t>(column)].in(lang));
}

// The caption of a label of the main window, as the language tables give it.
std::string LabelText(const std::string& label, Lang lang) {
    for (const auto* table : {&MainWindowTexts(), &MainWindowFixedTexts()}) {
        for (const TextRow& row : *table) {
            if (row.window == "Form1" && row.control == label &&
                row.property == TextProperty::kCaption) {
                return std::string(row.in(lang));
            }
        }
    }
    return label;
}

std::string WithNumber(std::string_view words, int channel) {
    return std::string(words) + " " + std::to_string(channel);
}

}  // namespace

std::string EditText(const EditName& name, Lang lang) {
    const bool en = lang == Lang::English;
    switch (name.kind) {
        case EditKind::kCell:
            return WithNumber(en ? "edit channel" : "编辑信道", name.channel) + " " +
                   ColumnName(name.column, lang);
        case EditKind::kDeleteChannel:
            return WithNumber(en ? "delete channel" : "删除信道", name.channel);
        case EditKind::kDebugChannel:
            return WithNumber(en ? "edit debug channel" : "编辑调试信道", name.channel);
        case EditKind::kDeleteDebugChannel:
            return WithNumber(en ? "delete debug channel" : "删除调试信道", name.channel);
        case EditKind::kSetting:
            return (en ? "change " : "修改") + LabelText(name.label, lang);
        case EditKind::kSideKeys:
            return en ? "change side keys" : "修改侧键设定";
        case EditKind::kDtmf:
            return en ? "change DTMF" : "修改DTMF";
        case EditKind::kPower:
            return en ? "change power levels" : "修改功率参数";
        case EditKind::kBand:
            return en ? "change band" : "修改频段";
        case EditKind::kNew:
            return en ? "new channel plan" : "新建信道资料";
        case EditKind::kOpen:
            return en ? "open file" : "打开文件";
        case EditKind::kRead:
            return en ? "read frequency" : "读频";
        case EditKind::kCut:
            return en ? "cut channels" : "剪切信道";
        case EditKind::kPaste:
            return en ? "paste channels" : "粘贴信道";
        case EditKind::kClear:
            return en ? "clear channels" : "清除信道";
        case EditKind::kMoveUp:
            return en ? "move channels up" : "上移信道";
        case EditKind::kMoveDown:
            return en ? "move channels down" : "下移信道";
        case EditKind::kInsertChannel:
            return WithNumber(en ? "insert channel" : "插入信道", name.channel);
        case EditKind::kDeleteChannels:
            return en ? "delete channels" : "删除多个信道";
        case EditKind::kFillDown:
            return (en ? "fill down " : "向下填充") + ColumnName(name.column, lang);
        case EditKind::kImport:
            return en ? "import channels" : "导入信道";
    }
    return {};
}

std::string UndoCaption(const EditName* step, Lang lang) {
    std::string caption = lang == Lang::English ? "Undo" : "撤销";
    return step != nullptr ? caption + " " + EditText(*step, lang) : caption;
}

std::string RedoCaption(const EditName* step, Lang lang) {
    std::string caption = lang == Lang::English ? "Redo" : "恢复";
    return step != nullptr ? caption + " " + EditText(*step, lang) : caption;
}

std::string ChannelCommandText(ChannelCommand command, Lang lang) {
    const bool en = lang == Lang::English;
    switch (command) {
        case ChannelCommand::kCopy:
            return en ? "Copy" : "复制";
        case ChannelCommand::kCut:
            return en ? "Cut" : "剪切";
        case ChannelCommand::kPaste:
            return en ? "Paste" : "粘贴";
        case ChannelCommand::kPasteSameChannels:
            return en ? "Paste to the Same Channels" : "粘贴到相同信道";
        case ChannelCommand::kClear:
            return en ? "Clear" : "清除";
        case ChannelCommand::kMoveUp:
            return en ? "Move up" : "上移";
        case ChannelCommand::kMoveDown:
            return en ? "Move down" : "下移";
        case ChannelCommand::kInsert:
            return en ? "Insert Channel" : "插入信道";
        case ChannelCommand::kDelete:
            return en ? "Delete Channel" : "删除信道";
        case ChannelCommand::kFillDown:
            return en ? "Fill down" : "向下填充";
    }
    return {};
}

std::string SaveChangesQuestion(Lang lang) {
    return lang == Lang::English ? "Save the changes to the channel plan?"
                                 : "是否保存对信道资料的修改？";
}

}  // namespace m742
