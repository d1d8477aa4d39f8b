#include "plan_formats/base_plan.h"

#include <algorithm>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "texts/store_refusal.h"

namespace m742 {

EditorState EditorOfImage(const RadioImage& image, std::int16_t languageFlag) {
    EditorState editor = StartupEditor(languageFlag);
    DecodeImage(image, editor);
    editor.password = PasswordOfImage(image);
    return editor;
}

Outcome<BaseFile> ReadBaseFile(const std::filesystem::path& path, std::int16_t languageFlag) {
    // A file saved over may come from another program: its header is kept, not judged.
    auto content = ReadDataFileBytes(path, DataFileCheck::kAnyHeader);
    if (!content.ok()) {
        return Failed(content.status());
    }
    BaseFile base;
    std::copy_n(content.value().begin() + kDataFileHeaderSize, kImageSize, base.image.begin());
    base.editor = EditorOfImage(base.image, languageFlag);
    base.content = std::move(content.value());
    return base;
}

Outcome<std::vector<std::uint8_t>> DataFileOverBase(const EditorState& editor,
                                                    const BaseFile* base) {
    if (base == nullptr) {
        const auto image = EncodeImage(editor);
        if (!image.ok()) {
            return Failed(image.status());
        }
        return DataFileBytes(image.value());
    }
    const auto image = EncodeOverBase(editor, base->editor, base->image);
    if (!image.ok()) {
        return Failed(image.status());
    }
    std::vector<std::uint8_t> bytes = DataFileBytes(image.value());
    std::copy_n(base->content.begin(), kDataFileHeaderSize, bytes.begin());
    return bytes;
}

Status SaveOverBase(const std::filesystem::path& path, const EditorState& editor,
                    const BaseFile* base) {
    const auto bytes = DataFileOverBase(editor, base);
    if (!bytes.ok()) {
        return bytes.status();
    }
    return WriteDataFileBytes(path, bytes.value());
}

}  // namespace m742
