#include "texts/language_tables.h"

#include <array>
#include <span>
#include <string>
#include <utility>

#include "radio_data/lists.h"
#include "texts/command_texts.h"

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

constexpr std::array<Caption, 2> kFrames{{
    {"Frame1", {"机型选择", "Model"}},
    {"Frame2", {"功能设置", "Function Setting"}},
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
    {1, {"记忆信道", "Memory Channel "}},
    {2, {"调试信道", "Debug Channel"}},
}};

// The settings panel's labels, the debug panel's labels and its OK button.
constexpr std::array<Caption, 15> kLabelsAndButton{{
    {"Label1", {"尾音消除", "Tail Delect"}},
    {"Label3", {"频段", "Frequency"}},
    {"Label4", {"结束提示音", "End Beep"}},
    {"Label13", {"语音通知", "Language"}},
    {"Label15", {"声控开关", "V_C Switch"}},
    {"Label25", {"声控电平", "V_C Level"}},
    {"Label8", {"静噪等级", "Squelch Grade"}},
    {"Label7", {"发射超时", "Lauch Time"}},
    {"Label9", {"省电", "Battery Save"}},
    {"Label10", {"提示音", "Beep"}},
    {"Label11", {"优先信道", "Priority CH"}},
    {"Label22", {"发射频率", "TX Frequency"}},
    {"Label24", {"接收频率", "RX Frequency"}},
    {"Label26", {"信道", "Channel"}},
    {"Command1", {"确定", "OK"}},
}};

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

// Members 5 to 8 of the Combo5 array are the in-place editors of memory grid columns 5 to 8.
constexpr int kFirstGridListColumn = 5;
constexpr int kLastGridListColumn = 8;

constexpr int kPortMenuCount = 8;

// The DTMF timing dialog Form2: its caption reads "DTMF" in both languages.
constexpr std::array<Caption, 5> kDtmfDialog{{
    {"Label1", {"首位数码延迟时间", "first digital delay time"}},
    {"Label2", {"数码间隔时间", "Digital interval time"}},
    {"Label3", {"数码延迟时间", "Digital delay time"}},
    {"Command1", {"确定", "OK"}},
    {"Command2", {"取消", "Cancel"}},
}};

// The power parameters dialog Form3: caption "Power" in both languages.
constexpr std::array<Caption, 7> kPowerDialog{{
    {"Frame1", {"发射低功率", "TX-Low Power"}},
    {"Frame2", {"发射高功率", "TX-Hight Power"}},
    {"Label3", {"最小", "Low"}},
    {"Label6", {"最小", "Low"}},
    {"Label7", {"最大", "Hight"}},
    {"Label8", {"最大", "Hight"}},
    {"Command1", {"确定", "OK"}},
}};

// The side key dialog Form5; its four lists hold the eight side-key functions.
constexpr Bilingual kSideKeyCaption{"键设定", "Keys Set"};
constexpr std::array<Caption, 6> kSideKeyDialog{{
    {"Command1", {"确定", "OK"}},
    {"Command2", {"取消", "Cancel"}},
    {"Label1", {"侧键1短按:", "PF1"}},
    {"Label2", {"侧键1长按:", "PF1_1S:"}},
    {"Label3", {"侧键2短按:", "PF2"}},
    {"Label4", {"侧键2长按:", "PF2_1S:"}},
}};

// The About dialog frmAbout: caption "Help" in both languages. The colon after "发布" and
// "Issue" is the full-width one.
constexpr std::array<Caption, 4> kAboutDialog{{
    {"lblVersion", {"简体中文版", "English"}},
    {"lblTitle", {"M-742对讲机编程软件", "M-742 Radio Software"}},
    {"Label2", {"发布：2012.4", "Issue：2012.4"}},
    {"cmdOK", {"确定", "OK"}},
}};

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
    rows.addCaptions(kFrames);
    rows.addNumbered("Toolbar1", TextProperty::kToolTip, kToolTips);
    rows.addNumbered("TabStrip1", TextProperty::kTab, kTabs);
    rows.addHeadings("mfgrid1", kMemoryHeadings);
    rows.addHeadings("mfgrid2", kDebugHeadings);
    rows.addCaptions(kLabelsAndButton);
    for (const ListControl& list : kLists) {
        rows.addList(list.control, list.list);
    }
    // The tone editor: only the Off word is translated, the tone values read alike.
    rows.add("Combo8", TextProperty::kItem, 0, std::string(OffWord(Lang::Chinese)),
             std::string(OffWord(Lang::English)));
    for (int column = kFirstGridListColumn; column <= kLastGridListColumn; ++column) {
        rows.addList("Combo5_" + std::to_string(column), GridColumnList(column));
    }
    return rows.take();
}

std::vector<TextRow> BuildMainWindowFixedTexts() {
    RowsBuilder rows;
    rows.addSame("mnuDTMF", TextProperty::kCaption, -1, "DTMF");
    rows.addSame("mnuFrequency", TextProperty::kCaption, -1, "测试频率");
    for (int port = 1; port <= kPortMenuCount; ++port) {
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
    rows.addCaptions(kDtmfDialog);
    rows.window("Form3");
    rows.addSame("Form3", TextProperty::kWindowTitle, -1, "Power");
    rows.addCaptions(kPowerDialog);
    rows.window("Form5");
    rows.add("Form5", TextProperty::kWindowTitle, -1, kSideKeyCaption);
    rows.addCaptions(kSideKeyDialog);
    for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        rows.addList(list, ListId::kSideKey);
    }
    rows.window("frmAbout");
    rows.addSame("frmAbout", TextProperty::kWindowTitle, -1, "Help");
    rows.addCaptions(kAboutDialog);
    return rows.take();
}

// Columns: LanguageFlag 0, 1, 2; rows: button identifiers 1 to 7.
constexpr std::array<std::array<std::string_view, 3>, 7> kMessageButtons{{
    {"确定", "OK", "確定"},
    {"取消", "Cancel", "取消"},
    {"放弃", "Abort", "放棄"},
    {"重试", "Retry", "重試"},
    {"忽略", "Ignore", "忽略"},
    {"是", "Yes", "是"},
    {"否", "No", "否"},
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
    if (buttonId < 1 || buttonId > static_cast<int>(kMessageButtons.size()) || languageFlag < 0 ||
        languageFlag > 2) {
        return std::nullopt;
    }
    return kMessageButtons[static_cast<std::size_t>(buttonId - 1)]
                          [static_cast<std::size_t>(languageFlag)];
}

}  // namespace m742
