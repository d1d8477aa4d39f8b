#include "texts/list_texts.h"

#include <array>
#include <span>
#include <stdexcept>

#include "radio_data/layout.h"
#include "radio_data/tones.h"

namespace m742 {

const std::array<Bilingual, kMemoryColumns> kMemoryHeadings{{
    {"信道", "Channel"},
    {"接收频率", "RX Frequency"},
    {"亚音频", "QT/DQT Dec"},
    {"发射频率", "TX Frequency"},
    {"亚音频", "QT/DQT Enc"},
    {"繁忙锁定", "Busy Lock"},
    {"带宽", "Band"},
    {"扫描添加", "Add Scan"},
    {"发射功率", "TX-Power"},
}};

const std::array<Bilingual, kDebugColumns> kDebugHeadings{{
    {"信道", "Channel"},
    {"接收频率", "RX Frequency"},
    {"发射频率", "TX Frequency"},
}};

namespace {

constexpr Bilingual kOff{"关闭", "Off"};
constexpr Bilingual kOn{"打开", "On"};

constexpr std::array<Bilingual, 4> kPttIdItems{
    {kOff, {"开始发射", "Start TX"}, {"结束发射", "End TX"}, {"两者", "Both"}}};
constexpr std::array<Bilingual, 2> kOffOnItems{{kOff, kOn}};
constexpr std::array<Bilingual, 2> kOnOffItems{{kOn, kOff}};
constexpr std::array<Bilingual, 4> kTailItems{{{"120度偏移", "120 Offset"},
                                               {"180度偏移", "180 Offset"},
                                               {"240度偏移", "240 Offset"},
                                               {"频率消尾音", "Frequency"}}};
constexpr std::array<Bilingual, 3> kVoicePromptItems{
    {kOff, {"中文", "Chinese"}, {"英文", "English"}}};
constexpr std::array<Bilingual, 3> kBusyLockItems{{kOff, {"载波", "Carrier"}, {"亚音", "QT/DQT"}}};
constexpr std::array<Bilingual, 2> kBandwidthItems{{{"宽", "Wide"}, {"窄", "Narrow"}}};
constexpr std::array<Bilingual, 2> kAddScanItems{{{"否", "No"}, {"是", "Yes"}}};
constexpr std::array<Bilingual, 2> kTxPowerItems{{{"低", "Low"}, {"高", "High"}}};
constexpr std::array<Bilingual, 8> kSideKeyItems{{{"OFF", "OFF"},
                                                  {"监听", "Surveillance"},
                                                  {"扫描 开/关", "Scan Switch"},
                                                  {"优先扫描", "Priority Scan"},
                                                  {"高/低 功率", "hight/Low Power"},
                                                  {"脱网", "Off Net"},
                                                  {"倒频", "Inverted Frequency"},
                                                  {"声控 开/关", "Voice operated switch"}}};

constexpr Bilingual kGradeSuffix{" 级", " Grade"};
constexpr Bilingual kSecondsSuffix{" 秒", " S"};

std::string Item(std::span<const Bilingual> items, int position, Lang lang) {
    return std::string(items[static_cast<std::size_t>(position)].in(lang));
}

std::string Numbered(int number, Bilingual suffix, Lang lang) {
    return std::to_string(number) + std::string(suffix.in(lang));
}

std::string ToneItem(int position, Lang lang) {
    if (position == 0) {
        return std::string(OffWord(lang));
    }
    if (position <= kCtcssCount) {
        return std::string(kCtcssTones[static_cast<std::size_t>(position - 1)]);
    }
    const int dcs = position - 1 - kCtcssCount;
    const char polarity = dcs < kDcsCount ? 'N' : 'I';
    return "D" + std::string(kDcsCodes[static_cast<std::size_t>(dcs % kDcsCount)]) + polarity;
}

// The caption of each radio-wide setting, by the name of the control or value that holds it.
struct Caption {
    std::string_view name;
    Bilingual caption;
};
constexpr Caption kSettingCaptions[] = {
    {"Combo1", {"频段", "Frequency"}},
    {"Combo2", {"PTTID", "PTTID"}},
    {"Combo4", {"静噪等级", "Squelch Grade"}},
    {"Combo6", {"提示音", "Beep"}},
    {"Combo3", {"发射超时", "Lauch Time"}},
    {"Combo9", {"省电", "Battery Save"}},
    {"Combo7", {"优先信道", "Priority CH"}},
    {"Combo12", {"声控开关", "V_C Switch"}},
    {"Combo10", {"结束提示音", "End Beep"}},
    {"Combo11", {"尾音消除", "Tail Delect"}},
    {"Combo13", {"声控电平", "V_C Level"}},
    {"Combo14", {"语音通知", "Language"}},
    {"SideKeyPf1Short", {"侧键1短按:", "PF1"}},
    {"SideKeyPf1Long", {"侧键1长按:", "PF1_1S:"}},
    {"SideKeyPf2Short", {"侧键2短按:", "PF2"}},
    {"SideKeyPf2Long", {"侧键2长按:", "PF2_1S:"}},
    {"DtmfFirstDelay", {"首位数码延迟时间", "first digital delay time"}},
    {"DtmfInterval", {"数码间隔时间", "Digital interval time"}},
    {"DtmfDelay", {"数码延迟时间", "Digital delay time"}},
    {"PowerLow", {"发射低功率", "TX-Low Power"}},
    {"PowerHigh", {"发射高功率", "TX-Hight Power"}},
};

}  // namespace

std::string_view OffWord(Lang lang) {
    return kOff.in(lang);
}

bool IsOffWord(std::string_view text) {
    return text == kOff.zh || text == kOff.en;
}

std::string ListItem(ListId list, int position, Lang lang) {
    if (position < 0 || position >= ListSize(list)) {
        return {};
    }
    switch (list) {
        case ListId::kBand:
            return "400-480MHz";
        case ListId::kPttId:
            return Item(kPttIdItems, position, lang);
        case ListId::kLaunchTime:
            return position == 0 ? std::string(kOff.in(lang))
                                 : Numbered(30 * position, kSecondsSuffix, lang);
        case ListId::kSquelchGrade:
            return Numbered(position, kGradeSuffix, lang);
        case ListId::kOffOn:
            return Item(kOffOnItems, position, lang);
        case ListId::kPriorityChannel:
            return "CH-" + std::to_string(position + 1);
        case ListId::kOnOff:
            return Item(kOnOffItems, position, lang);
        case ListId::kTailElimination:
            return Item(kTailItems, position, lang);
        case ListId::kVoiceLevel:
            return Numbered(position + 1, kGradeSuffix, lang);
        case ListId::kVoicePrompt:
            return Item(kVoicePromptItems, position, lang);
        case ListId::kBusyLock:
            return Item(kBusyLockItems, position, lang);
        case ListId::kBandwidth:
            return Item(kBandwidthItems, position, lang);
        case ListId::kAddScan:
            return Item(kAddScanItems, position, lang);
        case ListId::kTxPower:
            return Item(kTxPowerItems, position, lang);
        case ListId::kTone:
            return ToneItem(position, lang);
        case ListId::kSideKey:
            return Item(kSideKeyItems, position, lang);
        case ListId::kDtmfFirstDelay:
            return std::to_string(50 * (position + 1)) + "ms";
        case ListId::kDtmfTime:
            return std::to_string(25 * (position + 1)) + "ms";
        case ListId::kPowerLevel:
            return std::to_string(position);
    }
    return {};
}

const Bilingual* ChannelListItemWords(ListId list, int position) {
    std::span<const Bilingual> items;
    switch (list) {
        case ListId::kBusyLock:
            items = kBusyLockItems;
            break;
        case ListId::kBandwidth:
            items = kBandwidthItems;
            break;
        case ListId::kAddScan:
            items = kAddScanItems;
            break;
        case ListId::kTxPower:
            items = kTxPowerItems;
            break;
        default:
            return nullptr;
    }
    return position >= 0 && position < std::ssize(items) ? &items[std::size_t(position)] : nullptr;
}

Bilingual SettingCaption(const SettingField& field) {
    for (const Caption& entry : kSettingCaptions) {
        if (entry.name == field.name) {
            return entry.caption;
        }
    }
    throw std::logic_error("no caption for the setting " + std::string(field.name));
}

}  // namespace m742
