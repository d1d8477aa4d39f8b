#include "texts/language_tables.h"

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_link/com_ports.h"
#include "texts/command_texts.h"
#include "texts/csv_texts.h"
#include "texts/list_texts.h"
#include "texts/message_style.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {

constexpr std::string_view kMainWindow = "Form1";

struct Caption {
    std::string_view control;
    Bilingual text;
};

struct Numbered {
    int index;
    Bilingual text;
};

// A label captioned like the setting it stands beside: the caption comes from the layout table,
// the one home of every setting's name.
struct FieldLabel {
    std::string_view control;
    std::string_view field;
};

struct ListControl {
    std::string_view control;
    ListId list;
};

constexpr Bilingual kWindowCaption{"M-742对讲机编程软件 V2.60", "M-742 Radio Software V2.50"};

constexpr std::array<Caption, 21> kMenus{{
    {"mnuFile", {"文件(&F)", "File(&F)"}},
    {"mnuNew", {"新建(&N)", "New(&N)"}},
    {"mnuOpen", {"打开(&O)", "Open(&O)"}},
    {"mnuAssave", {"保存(&S)", "Save(&S)"}},
    {"mnuprint", {"打印(&P)", "Print(&P)"}},
    {"mnuQuit", {"退出(&Q)", "Quit(&Q)"}},
    {"mnuEdit", {"编辑(&E)", "Edit(&E)"}},
    {"mnuDebug", {"功率参数", "Power parameters"}},
    {"mnuSideFunction", {"侧键功能", "Side key function"}},
    {"mnupro", {"编程(&P)", "Programming(&P)"}},
    {"mnureadFre", {"读频(&R)", "Read Frequency(&R)"}},
    {"mnuwriteFre", {"写频(&W)", "Write Frequency(&W)"}},
    {"mnuset", {"设置(&S)", "Set(&S)"}},
    {"mnulock", {"锁定(&L)", "Lock(&L)"}},
    {"mnucom", {"通信串口(&V)", "Com Port(&V)"}},
    {"mnuLanguage", {"语言选择(&L)", "Language(&L)"}},
    {"mnuChinese", {"中文(&C)", "Chinese(&C)"}},
    {"mnuEnglist", {"英文(&E)", "Englist(&E)"}},
    {"mnuhelp", {"帮助(&H)", "Help(&H)"}},
    {"mnumainhelp", {"帮助主题 F1", "Topic of help F1"}},
    {"mnuabout", {"关于", "About"}},
}};

// The File menu's report commands beside Print.
constexpr std::array<Caption, 2> kReportMenus{{
    {"mnuPrintPreview", kPrintPreviewText},
    {"mnuExportPdf", kExportPdfText},
}};

// The File menu's own additions beside Open and Save.
constexpr std::array<Caption, 2> kPlanFileMenus{{
    {"mnuRecent", kRecentFilesText},
    {"mnuSaveCurrent", kSaveToCurrentFileText},
}};

// The File menu's channel lists in CHIRP's CSV form.
constexpr std::array<Caption, 2> kChannelListMenus{{
    {"mnuImportCsv", kImportChannelsText},
    {"mnuExportCsv", kExportChannelsText},
}};

constexpr std::array<Caption, 2> kFrames{{
    {"Frame1", kModelCaption},
    {"Frame2", kFunctionsCaption},
}};

// Button 4 is a separator and button 7 (the power lock) has no tooltip.
constexpr std::array<Numbered, 5> kToolTips{{
    {1, {"新建", "New"}},
    {2, {"打开", "Open"}},
    {3, {"保存", "Save"}},
    {5, {"读频", "Read"}},
    {6, {"写频", "Write"}},
}};

constexpr std::array<Numbered, 2> kTabs{{
    {1, kMemoryTabCaption},
    {2, kDebugTabCaption},
}};

// The settings panel's labels.
constexpr std::array<FieldLabel, 11> kPanelLabels{{
    {"Label1", "Combo11"},
    {"Label3", "Combo1"},
    {"Label4", "Combo10"},
    {"Label13", "Combo14"},
    {"Label15", "Combo12"},
    {"Label25", "Combo13"},
    {"Label8", "Combo4"},
    {"Label7", "Combo3"},
    {"Label9", "Combo9"},
    {"Label10", "Combo6"},
    {"Label11", "Combo7"},
}};

// The debug panel's labels read like the debug grid's headings; then its OK button.
constexpr std::array<std::pair<std::string_view, int>, 3> kDebugPanelLabels{{
    {"Label26", kColumnChannel},
    {"Label24", kDebugColumnRx},
    {"Label22", kDebugColumnTx},
}};
constexpr Caption kDebugPanelOk{"Command1", {"确定", "OK"}};

// The settings panel's lists whose every item follows the language.
constexpr std::array<ListControl, 10> kLists{{
    {"Combo2", ListId::kPttId},
    {"Combo3", ListId::kLaunchTime},
    {"Combo4", ListId::kSquelchGrade},
    {"Combo13", ListId::kVoiceLevel},
    {"Combo6", ListId::kOffOn},
    {"Combo9", ListId::kOffOn},
    {"Combo10", ListId::kOffOn},
    {"Combo12", ListId::kOnOff},
    {"Combo11", ListId::kTailElimination},
    {"Combo14", ListId::kVoicePrompt},
}};

// The DTMF timing dialog Form2: its caption reads "DTMF" in both languages.
constexpr std::array<FieldLabel, 3> kDtmfLabels{{
    {"Label1", "DtmfFirstDelay"},
    {"Label2", "DtmfInterval"},
    {"Label3", "DtmfDelay"},
}};
constexpr std::array<Caption, 2> kDtmfDialog{{
    {"Command1", {"确定", "OK"}},
    {"Command2", {"取消", "Cancel"}},
}};

// The power parameters dialog Form3: caption "Power" in both languages.
constexpr std::array<FieldLabel, 2> kPowerFrames{{
    {"Frame1", "PowerLow"},
    {"Frame2", "PowerHigh"},
}};
constexpr std::array<Caption, 5> kPowerDialog{{
    {"Label3", {"最小", "Low"}},
    {"Label6", {"最小", "Low"}},
    {"Label7", {"最大", "Hight"}},
    {"Label8", {"最大", "Hight"}},
    {"Command1", {"确定", "OK"}},
}};

// The side key dialog Form5; its four lists hold the eight side-key functions.
constexpr std::array<Caption, 2> kSideKeyDialog{{
    {"Command1", {"确定", "OK"}},
    {"Command2", {"取消", "Cancel"}},
}};
constexpr std::array<FieldLabel, 4> kSideKeyLabels{{
    {"Label1", "SideKeyPf1Short"},
    {"Label2", "SideKeyPf1Long"},
    {"Label3", "SideKeyPf2Short"},
    {"Label4", "SideKeyPf2Long"},
}};

// The About dialog frmAbout: caption "Help" in both languages. The colon after "发布" and
// "Issue" is the full-width one.
constexpr std::array<Caption, 4> kAboutDialog{{
    {"lblVersion", {"简体中文版", "English"}},
    {"lblTitle", {"M-742对讲机编程软件", "M-742 Radio Software"}},
    {"Label2", {"发布：2012.4", "Issue：2012.4"}},
    {"cmdOK", {"确定", "OK"}},
}};

Bilingual FieldCaption(std::string_view name) {
    for (const SettingField& field : SettingFields()) {
        if (field.name == name) {
            return SettingCaption(field);
        }
    }
    throw std::logic_error("no setting named " + std::string(name));
}

class RowsBuilder {
public:
    explicit RowsBuilder(std::string_view window = kMainWindow) : m_window(window) {}

    // Further rows belong to this window.
    void window(std::string_view window) { m_window = window; }
    void add(std::string_view control, TextProperty property, int index, std::string zh,
             std::string en) {
        m_rows.push_back(TextRow{std::string(m_window), std::string(control), property, index,
                                 std::move(zh), std::move(en)});
    }
    void add(std::string_view control, TextProperty property, int index, Bilingual text) {
        add(control, property, index, std::string(text.zh), std::string(text.en));
    }
    void addSame(std::string_view control, TextProperty property, int index,
                 const std::string& text) {
        add(control, property, index, text, text);
    }
    void addCaptions(std::span<const Caption> captions) {
        for (const Caption& caption : captions) {
            add(caption.control, TextProperty::kCaption, -1, caption.text);
        }
    }
    void addFieldLabels(std::span<const FieldLabel> labels) {
        for (const FieldLabel& label : labels) {
            add(label.control, TextProperty::kCaption, -1, FieldCaption(label.field));
        }
    }
    void addNumbered(std::string_view control, TextProperty property,
                     std::span<const Numbered> texts) {
        for (const Numbered& text : texts) {
            add(control, property, text.index, text.text);
        }
    }
    void addHeadings(std::string_view grid, std::span<const Bilingual> headings) {
        for (std::size_t column = 0; column < headings.size(); ++column) {
            add(grid, TextProperty::kHeading, static_cast<int>(column), headings[column]);
        }
    }
    void addList(std::string_view control, ListId list) {
        for (int position = 0; position < ListSize(list); ++position) {
            add(control, TextProperty::kItem, position, ListItem(list, position, Lang::Chinese),
                ListItem(list, position, Lang::English));
        }
    }

    std::vector<TextRow> take() { return std::move(m_rows); }

private:
    std::string_view m_window;
    std::vector<TextRow> m_rows;
};

std::vector<TextRow> BuildMainWindowTexts() {
    RowsBuilder rows;
    rows.add(kMainWindow, TextProperty::kWindowTitle, -1, kWindowCaption);
    rows.addCaptions(kMenus);
    rows.addCaptions(kReportMenus);
    rows.addCaptions(kChannelListMenus);
    rows.addCaptions(kPlanFileMenus);
    rows.addCaptions(kFrames);
    rows.addNumbered("Toolbar1", TextProperty::kToolTip, kToolTips);
    rows.addNumbered("TabStrip1", TextProperty::kTab, kTabs);
    rows.addHeadings("mfgrid1", kMemoryHeadings);
    rows.addHeadings("mfgrid2", kDebugHeadings);
    rows.addFieldLabels(kPanelLabels);
    for (const auto& [label, column] : kDebugPanelLabels) {
        rows.add(label, TextProperty::kCaption, -1,
                 kDebugHeadings[static_cast<std::size_t>(column)]);
    }
    rows.addCaptions(std::span(&kDebugPanelOk, 1));
    for (const ListControl& list : kLists) {
        rows.addList(list.control, list.list);
    }
    // The tone editor: only the Off word is translated, the tone values read alike.
    rows.add("Combo8", TextProperty::kItem, 0, std::string(OffWord(Lang::Chinese)),
             std::string(OffWord(Lang::English)));
    // Members 5 to 8 of the Combo5 array are the in-place editors of the list columns 5 to 8.
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        rows.addList("Combo5_" + std::to_string(column), GridColumnList(column));
    }
    return rows.take();
}

std::vector<TextRow> BuildMainWindowFixedTexts() {
    RowsBuilder rows;
    rows.addSame("mnuDTMF", TextProperty::kCaption, -1, "DTMF");
    rows.addSame("mnuFrequency", TextProperty::kCaption, -1, "测试频率");
    for (int port = 1; port <= kComPortCount; ++port) {
        const std::string number = std::to_string(port);
        rows.addSame("mnucom" + number, TextProperty::kCaption, -1,
                     "COM" + number + "(&" + number + ")");
    }
    rows.addSame("Label5", TextProperty::kCaption, -1, "口令");
    rows.addSame("Label6", TextProperty::kCaption, -1, "PTTID");
    rows.addSame("Label12", TextProperty::kCaption, -1, "ANI");
    rows.addList("Combo1", ListId::kBand);
    rows.addList("Combo7", ListId::kPriorityChannel);
    return rows.take();
}

std::vector<TextRow> BuildDialogTexts() {
    RowsBuilder rows("Form2");
    rows.addSame("Form2", TextProperty::kWindowTitle, -1, "DTMF");
    rows.addFieldLabels(kDtmfLabels);
    rows.addCaptions(kDtmfDialog);
    rows.window("Form3");
    rows.addSame("Form3", TextProperty::kWindowTitle, -1, "Power");
    rows.addFieldLabels(kPowerFrames);
    rows.addCaptions(kPowerDialog);
    rows.window("Form5");
    rows.add("Form5", TextProperty::kWindowTitle, -1, kSideKeyCaption);
    rows.addCaptions(kSideKeyDialog);
    rows.addFieldLabels(kSideKeyLabels);
    for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        rows.addList(list, ListId::kSideKey);
    }
    rows.window("frmAbout");
    rows.addSame("frmAbout", TextProperty::kWindowTitle, -1, "Help");
    rows.addCaptions(kAboutDialog);
    return rows.take();
}

// A message box button's captions for LanguageFlag 0, 1 and 2.
struct MessageButton {
    int id;
    std::array<std::string_view, 3> captions;
};

constexpr std::array<MessageButton, 4> kMessageButtons{{
    {kMessageOk, {"确定", "OK", "確定"}},
    {kMessageCancel, {"取消", "Cancel", "取消"}},
    {kMessageYes, {"是", "Yes", "是"}},
    {kMessageNo, {"否", "No", "否"}},
}};

}  // namespace

const std::vector<TextRow>& MainWindowTexts() {
    static const std::vector<TextRow> rows = BuildMainWindowTexts();
    return rows;
}

const std::vector<TextRow>& MainWindowFixedTexts() {
    static const std::vector<TextRow> rows = BuildMainWindowFixedTexts();
    return rows;
}

const std::vector<TextRow>& DialogTexts() {
    static const std::vector<TextRow> rows = BuildDialogTexts();
    return rows;
}

std::optional<std::string_view> MessageButtonCaption(int buttonId, std::int16_t languageFlag) {
    if (languageFlag < 0 || languageFlag > 2) {
        return std::nullopt;
    }
    for (const MessageButton& button : kMessageButtons) {
        if (button.id == buttonId) {
            return button.captions[static_cast<std::size_t>(languageFlag)];
        }
    }
    return std::nullopt;
}

}  // namespace m742
