#include "plan_formats/base_plan.h"

#include <algorithm>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"

namespace m742 {

EditorState EditorOfImage(const RadioImage& image, std::int16_t languageFlag) {
    EditorState editor = StartupEditor(languageFlag);
    DecodeImage(image, editor);
    editor.Text2 = PasswordOfImage(image);
    return editor;
}

Outcome<BaseFile> ReadBaseFile(const std::filesystem::path& path, std::int16_t languageFlag) {
    auto content = ReadDataFileBytes(path, LanguageOf(languageFlag));
    if (!content.ok()) {
        return Failed(content.status());
    }
    BaseFile base;
    std::copy_n(content.value().begin() + kDataFileHeaderSize, kImageSize, base.image.begin());
    base.editor = EditorOfImage(base.image, languageFlag);
    base.content = std::move(content.value());
    return base;
}

Status SaveOverBase(const std::filesystem::path& path, const EditorState& editor,
                    const BaseFile* base) {
    if (base == nullptr) {
        return SaveDataFile(path, editor);
    }
    const auto image = EncodeImage(editor);
    if (!image.ok()) {
        return image.status();
    }
    return WriteDataFile(path, KeepUnmodeled(image.value(), base->image),
                         std::span(base->content).first(kDataFileHeaderSize),
                         LanguageOf(editor.LanguageFlag));
}

}  // namespace m742
