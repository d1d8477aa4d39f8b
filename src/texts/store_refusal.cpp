#include "texts/store_refusal.h"

#include "radio_data/data_file.h"
#include "radio_data/text_codes.h"
#include "texts/grid_columns.h"
#include "texts/list_texts.h"
#include "texts/punctuation.h"

namespace m742 {

namespace {

constexpr Bilingual kGridNames[] = {{"记忆信道", "memory channel"}, {"调试信道", "debug channel"}};
constexpr Bilingual kQuoted{"“%1”", "\"%1\""};

// "memory channel 5, RX Frequency: "4x0.1"": the field a refusal is about.
std::string FieldName(const StoreRefusal& refusal, Lang lang) {
    const Bilingual column =
        refusal.grid == PlanGrid::kMemory
            ? kMemoryHeadings[static_cast<std::size_t>(ColumnOf(refusal.field))]
            : kDebugHeadings[static_cast<std::size_t>(DebugColumnOf(refusal.field))];
    return std::string(kGridNames[static_cast<int>(refusal.grid)].in(lang)) + " " +
           std::to_string(refusal.channel) + std::string(kComma.in(lang)) +
           std::string(column.in(lang)) + std::string(kColon.in(lang)) +
           FillText(kQuoted.in(lang), {refusal.text});
}

}  // namespace

Outcome<RadioImage> WithRefusalWorded(const PlanEncoding& encoding, Lang lang) {
    if (const auto* image = std::get_if<RadioImage>(&encoding)) {
        return *image;
    }
    const auto& refusal = std::get<StoreRefusal>(encoding);
    return Failed(
        {refusal.code,
         {refusal.code == ErrorCode::kToneRefused ? &kToneRefused : &kFrequencyRefused, {}},
         FieldName(refusal, lang)});
}

Outcome<RadioImage> EncodeImage(const RadioPlan& plan, Lang lang) {
    return WithRefusalWorded(EncodeImage(plan), lang);
}

Status SaveDataFile(const std::filesystem::path& path, const RadioPlan& plan, Lang lang) {
    const auto image = EncodeImage(plan, lang);
    if (!image.ok()) {
        return image.status();
    }
    return WriteDataFile(path, image.value());
}

}  // namespace m742
