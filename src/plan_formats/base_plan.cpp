#include "plan_formats/base_plan.h"

#include <algorithm>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"

namespace m742 {

EditorState EditorOfImage(const RadioImage& image) {
    EditorState editor = StartupEditor();
    DecodeImage(image, editor);
    editor.password = PasswordOfImage(image);
    return editor;
}

Outcome<BaseFile> ReadBaseFile(const std::filesystem::path& path) {
    // A file saved over may come from another program: its header is kept, not judged.
    auto content = ReadDataFileBytes(path, DataFileCheck::kAnyHeader);
    if (!content.ok()) {
        return Failed(content.status());
    }
    BaseFile base;
    std::copy_n(content.value().begin() + kDataFileHeaderSize, kImageSize, base.image.begin());
    base.editor = EditorOfImage(base.image);
    base.content = std::move(content.value());
    return base;
}

DataFileContent DataFileOverBase(const RadioPlan& plan, const BaseFile* base) {
    const PlanEncoding encoding =
        base == nullptr ? EncodeImage(plan) : EncodeOverBase(plan, base->editor, base->image);
    if (const auto* refusal = std::get_if<StoreRefusal>(&encoding)) {
        return *refusal;
    }
    std::vector<std::uint8_t> bytes = DataFileBytes(std::get<RadioImage>(encoding));
    if (base != nullptr) {
        std::copy_n(base->content.begin(), kDataFileHeaderSize, bytes.begin());
    }
    return bytes;
}

}  // namespace m742
