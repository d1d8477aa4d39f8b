// The image decoder and encoder: between a whole radio image and a plan (or the editor).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "radio_data/editor_state.h"
#include "radio_data/image.h"
#include "radio_data/radio_plan.h"
#include "radio_data/status.h"

namespace m742 {

// Reads a whole image into a plan: memory and debug channels, ANI code and settings. Never
// fails: an out-of-range setting falls back to a fixed position, and the voice prompt keeps
// its value when the stored one is not in its list. Leaves the password and the band alone:
// the password box is not filled from a radio or a file (PasswordOfImage reads it).
void DecodeImage(const RadioImage& image, RadioPlan& plan);

// The same into the editor, in the editor's language, with the dialogs' own selections set to
// the values read. The channel numbers and the language stay.
void DecodeImage(const RadioImage& image, EditorState& editor);

// The same for the text form; returns false, leaving the editor untouched, unless `imageHex`
// is exactly 2048 upper-case hexadecimal digits.
bool DecodeImage(std::string_view imageHex, EditorState& editor);

// Which grid a field is in.
enum class PlanGrid { kMemory, kDebug };

// A field the radio cannot store: a frequency or tone as typed (a debug channel's kRx or kTx),
// and the field's text.
struct StoreRefusal {
    ErrorCode code = ErrorCode::kNone;  // kFrequencyRefused or kToneRefused
    PlanGrid grid = PlanGrid::kMemory;
    int channel = 0;
    ChannelField field = ChannelField::kRx;
    std::string text;
    bool operator==(const StoreRefusal&) const = default;
};
using PlanEncoding = std::variant<RadioImage, StoreRefusal>;

// Builds a whole image from a plan, or refuses at the first field it cannot store in the
// order memory channel 1-16 (RX, TX, decode tone, encode tone), then debug channel 1-16 (RX,
// TX); nothing after that field is looked at. texts/store_refusal.h words the refusal.
PlanEncoding EncodeImage(const RadioPlan& plan);

// Whether two plans are the same as the radio would store them: every field the radio stores
// gives the same bytes (an Off tone and no tone, "460.1" as typed and 460.10000), and every
// field it cannot store holds the same text. What the radio does not store (the band) is left
// out. A plan the radio takes whole is thus the same as another exactly when their images are.
bool SameAsStored(const RadioPlan& a, const RadioPlan& b);

// The password an image holds, as the password box would show it: the characters of its
// first 16 bytes, FFh bytes left out. The decoder leaves the box alone, so a plan taken from a
// file or a radio reads it from here.
std::string PasswordOfImage(const RadioImage& image);

// For each image byte, the bits a plan holds: what the decoder reads and the encoder writes (the
// debug channels' in-use marker included). The rest is fill or bytes the program does not know.
using ImageMask = std::array<std::uint8_t, kImageSize>;
const ImageMask& ModeledBits();

// The bits of the image that hold one value of a plan: `length` bytes from `address`, the
// bits of `mask` in each.
struct HeldBits {
    int address;
    int length;
    std::uint8_t mask;
};

// Calls `visit` with the bits of every value a plan holds, and whether `a` and `b` hold the
// same value there.
void ForEachHeldValue(const RadioPlan& a, const RadioPlan& b,
                      const std::function<void(const HeldBits&, bool same)>& visit);

// Encodes `plan` over an older image: `base`, whose own plan is `basePlan`, with the bits of
// every value `plan` holds otherwise than `basePlan` encoded afresh. Everything else stays as
// `base` has it: the bits a plan does not hold, and the bits of a value the plan leaves as it
// was, even where the decoder read them as a fallback. A base's own plan thus encodes back to
// the base byte for byte. Refuses as EncodeImage does.
PlanEncoding EncodeOverBase(const RadioPlan& plan, const RadioPlan& basePlan,
                            const RadioImage& base);

}  // namespace m742
