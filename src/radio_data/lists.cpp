#include "radio_data/lists.h"

#include "radio_data/tones.h"

namespace m742 {

int ListSize(ListId list) {
    switch (list) {
        case ListId::kBand:
            return 1;
        case ListId::kPttId:
        case ListId::kTailElimination:
            return 4;
        case ListId::kLaunchTime:
            return 11;
        case ListId::kSquelchGrade:
            return 10;
        case ListId::kOffOn:
        case ListId::kOnOff:
        case ListId::kBandwidth:
        case ListId::kAddScan:
        case ListId::kTxPower:
            return 2;
        case ListId::kPriorityChannel:
            return 16;
        case ListId::kVoiceLevel:
            return 9;
        case ListId::kVoicePrompt:
        case ListId::kBusyLock:
            return 3;
        case ListId::kTone:
            return kToneListSize;
        case ListId::kSideKey:
            return 8;
        case ListId::kDtmfFirstDelay:
            return 90;
        case ListId::kDtmfTime:
        case ListId::kPowerLevel:
            return 256;
    }
    return 0;
}

ListId ChannelFieldList(ChannelField field) {
    switch (field) {
        case ChannelField::kBusyLock:
            return ListId::kBusyLock;
        case ChannelField::kBandwidth:
            return ListId::kBandwidth;
        case ChannelField::kScan:
            return ListId::kAddScan;
        default:
            return ListId::kTxPower;
    }
}

}  // namespace m742
