#include "plan_formats/base_plan.h"

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "radio_data/text_codes.h"

namespace m742 {

std::string PasswordOfImage(const RadioImage& image) {
    std::string password;
    for (int i = 0; i < kPasswordLength; ++i) {
        const std::uint8_t code = image[static_cast<std::size_t>(kPasswordAddress + i)];
        if (code == 0xFF) {
            break;
        }
        password += CharacterOfCode(code);
    }
    return password;
}

EditorState EditorOfImage(const RadioImage& image, std::int16_t languageFlag) {
    EditorState editor = StartupEditor(languageFlag);
    DecodeImage(image, editor);
    editor.Text2 = PasswordOfImage(image);
    return editor;
}

}  // namespace m742
