#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "radio_data/tones.h"

namespace m742 {

namespace {

void PutWord(RadioImage& image, int address, std::uint16_t value) {
    image[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(value & 0xFF);
    image[static_cast<std::size_t>(address + 1)] = static_cast<std::uint8_t>(value >> 8);
}

// Stores a frequency field and says whether it holds a frequency; nothing when the field
// cannot be stored.
std::optional<bool> PutFrequency(RadioImage& image, int address, const FrequencyCell& cell) {
    const auto bytes = FrequencyCellBytes(cell);
    if (!bytes) {
        return std::nullopt;
    }
    std::copy(bytes->begin(), bytes->end(), image.begin() + address);
    return std::any_of(bytes->begin(), bytes->end(), [](std::uint8_t b) { return b != 0xFF; });
}

// The value a setting stores, before it is shifted into its bits.
int StoredValue(const SettingField& field, std::int16_t position) {
    switch (field.read) {
        case ReadRule::kDecimalLevel:
            return position + 1;
        case ReadRule::kSideKey:
            return position == 3 ? 8 : position;
        default:
            return position;
    }
}

void EncodeSetting(RadioImage& image, const SettingField& field, std::int16_t position) {
    const int mask = ((1 << field.bitCount) - 1) << field.lowBit;
    // Out-of-range positions keep only their low bits: a byte never spills into its neighbour.
    const int bits = (StoredValue(field, position) << field.lowBit) & mask;
    auto& byte = image[static_cast<std::size_t>(field.address)];
    byte = static_cast<std::uint8_t>((byte & ~mask) | bits);
}

// Builds the image of every field the radio can store. A field it cannot store is told to
// `refused`, and its bytes stay blank; the encoding stops when `refused` returns false.
RadioImage EncodeFields(const RadioPlan& plan,
                        const std::function<bool(StoreRefusal refusal)>& refused) {
    RadioImage image = BlankImage();

    const auto password = CharacterCodes(plan.password);
    for (std::size_t i = 0; i < password.size() && i < kPasswordLength; ++i) {
        image[kPasswordAddress + i] = static_cast<std::uint8_t>(password[i] & 0xFF);
    }

    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = MemoryChannelAddress(n);
        const MemoryChannel& channel = MemoryChannelOf(plan, n);
        for (const auto& [field, offset] :
             {std::pair{ChannelField::kRx, kRxOffset}, std::pair{ChannelField::kTx, kTxOffset}}) {
            const FrequencyCell& cell = FrequencyOf(channel, field);
            if (!PutFrequency(image, base + offset, cell) &&
                !refused({ErrorCode::kFrequencyRefused, PlanGrid::kMemory, n, field,
                          FrequencyCellText(cell)})) {
                return image;
            }
        }
        for (const auto& [field, offset] : {std::pair{ChannelField::kRxTone, kDecodeToneOffset},
                                            std::pair{ChannelField::kTxTone, kEncodeToneOffset}}) {
            const ToneCell& cell = ToneOf(channel, field);
            const auto code = ToneCodeOfCell(cell);
            if (code) {
                PutWord(image, base + offset, *code);
            } else if (!refused({ErrorCode::kToneRefused, PlanGrid::kMemory, n, field,
                                 std::get<ToneAsTyped>(cell).text})) {
                return image;
            }
        }
        int flags = 0xE0;
        for (const FlagField& field : kFlagFields) {
            const int position = ListPositionOf(channel, field.field);
            const int bits =
                field.field == ChannelField::kBusyLock ? BusyLockBits(position) : (position & 1);
            flags |= bits << field.lowBit;
        }
        image[static_cast<std::size_t>(base + kFlagsOffset)] = static_cast<std::uint8_t>(flags);
    }

    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = DebugChannelAddress(n);
        const DebugChannel& channel = DebugChannelOf(plan, n);
        const auto rx = PutFrequency(image, base + kRxOffset, channel.rx);
        if (!rx && !refused({ErrorCode::kFrequencyRefused, PlanGrid::kDebug, n, ChannelField::kRx,
                             FrequencyCellText(channel.rx)})) {
            return image;
        }
        const auto tx = PutFrequency(image, base + kTxOffset, channel.tx);
        if (!tx && !refused({ErrorCode::kFrequencyRefused, PlanGrid::kDebug, n, ChannelField::kTx,
                             FrequencyCellText(channel.tx)})) {
            return image;
        }
        if (rx.value_or(false) && tx.value_or(false)) {
            PutWord(image, base + kDebugMarkerOffset, 0x0101);
        }
    }

    const auto ani = CharacterCodes(plan.ani);
    for (std::size_t i = 0; i < ani.size() && i < kAniLength; ++i) {
        image[kAniAddress + i] = static_cast<std::uint8_t>(ani[i] & 0xFF);
    }

    for (const SettingField& field : SettingFields()) {
        if (field.address != kNoAddress) {
            EncodeSetting(image, field, SettingValue(field, plan));
        }
    }
    return image;
}

}  // namespace

PlanEncoding EncodeImage(const RadioPlan& plan) {
    std::optional<StoreRefusal> first;
    RadioImage image = EncodeFields(plan, [&first](StoreRefusal refusal) {
        first = std::move(refusal);
        return false;
    });
    if (first) {
        return std::move(*first);
    }
    return image;
}

bool SameAsStored(const RadioPlan& a, const RadioPlan& b) {
    // A field the radio cannot store has no bytes: it is the same only as the same text.
    std::vector<StoreRefusal> refusedA;
    std::vector<StoreRefusal> refusedB;
    const RadioImage imageA = EncodeFields(a, [&refusedA](StoreRefusal refusal) {
        refusedA.push_back(std::move(refusal));
        return true;
    });
    const RadioImage imageB = EncodeFields(b, [&refusedB](StoreRefusal refusal) {
        refusedB.push_back(std::move(refusal));
        return true;
    });
    return imageA == imageB && refusedA == refusedB;
}

void ForEachHeldValue(const RadioPlan& a, const RadioPlan& b,
                      const std::function<void(const HeldBits&, bool same)>& visit) {
    visit({kPasswordAddress, kPasswordLength, 0xFF}, a.password == b.password);
    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = MemoryChannelAddress(n);
        const MemoryChannel& channelA = MemoryChannelOf(a, n);
        const MemoryChannel& channelB = MemoryChannelOf(b, n);
        // A channel that comes into use or goes out of it takes all its values along: an empty
        // channel's lists are not values of the plan.
        const bool sameUse = channelA.inUse() == channelB.inUse();
        visit({base + kRxOffset, 4, 0xFF}, sameUse && channelA.rx == channelB.rx);
        visit({base + kTxOffset, 4, 0xFF}, sameUse && channelA.tx == channelB.tx);
        visit({base + kDecodeToneOffset, 2, 0xFF},
              sameUse && channelA.decodeTone == channelB.decodeTone);
        visit({base + kEncodeToneOffset, 2, 0xFF},
              sameUse && channelA.encodeTone == channelB.encodeTone);
        for (const FlagField& field : kFlagFields) {
            visit({base + kFlagsOffset, 1,
                   static_cast<std::uint8_t>(((1 << field.bitCount) - 1) << field.lowBit)},
                  sameUse && ListPositionOf(channelA, field.field) ==
                                 ListPositionOf(channelB, field.field));
        }
        const int debug = DebugChannelAddress(n);
        const bool sameRx = DebugChannelOf(a, n).rx == DebugChannelOf(b, n).rx;
        const bool sameTx = DebugChannelOf(a, n).tx == DebugChannelOf(b, n).tx;
        visit({debug + kRxOffset, 4, 0xFF}, sameRx);
        visit({debug + kTxOffset, 4, 0xFF}, sameTx);
        visit({debug + kDebugMarkerOffset, 2, 0xFF}, sameRx && sameTx);
    }
    visit({kAniAddress, kAniLength, 0xFF}, a.ani == b.ani);
    for (const SettingField& field : SettingFields()) {
        if (field.address != kNoAddress) {
            visit({field.address, 1,
                   static_cast<std::uint8_t>(((1 << field.bitCount) - 1) << field.lowBit)},
                  SettingValue(field, a) == SettingValue(field, b));
        }
    }
}

const ImageMask& ModeledBits() {
    static const ImageMask mask = [] {
        ImageMask bits{};
        const RadioPlan any;
        ForEachHeldValue(any, any, [&bits](const HeldBits& held, bool /*same*/) {
            for (int i = 0; i < held.length; ++i) {
                bits[static_cast<std::size_t>(held.address + i)] |= held.mask;
            }
        });
        return bits;
    }();
    return mask;
}

PlanEncoding EncodeOverBase(const RadioPlan& plan, const RadioPlan& basePlan,
                            const RadioImage& base) {
    PlanEncoding encoded = EncodeImage(plan);
    const auto* fresh = std::get_if<RadioImage>(&encoded);
    if (fresh == nullptr) {
        return encoded;
    }
    RadioImage merged = base;
    ForEachHeldValue(plan, basePlan, [&](const HeldBits& held, bool same) {
        if (same) {
            return;
        }
        for (int i = 0; i < held.length; ++i) {
            auto& byte = merged[static_cast<std::size_t>(held.address + i)];
            const auto freshByte = (*fresh)[static_cast<std::size_t>(held.address + i)];
            byte = static_cast<std::uint8_t>((byte & ~held.mask) | (freshByte & held.mask));
        }
    });
    return merged;
}

}  // namespace m742
